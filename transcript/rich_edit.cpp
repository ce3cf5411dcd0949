#include "transcript/rich_edit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>

#include "app/codepage.h"
#include "app/look.h"
#include "transcript/char_format.h"

namespace chatmock {
namespace {

constexpr std::int32_t kRichEditListLength = 21;
constexpr int kLastContextType = 1;
// The protected effect is kept on the characters; no handler of this window
// sets it, so the box does not refuse edits of protected text.
constexpr int kProtectedProperty = QTextFormat::UserProperty + 1;

constexpr std::array kRichEditRows = {
    PropertyRow{8, "ContextType", ValueKind::Choice, &ReadVia<RichEdit, &RichEdit::ReadContextType>,
                &WriteVia<RichEdit, &RichEdit::WriteContextType>},
    PropertyRow{9, "context", ValueKind::Text, &ReadVia<RichEdit, &RichEdit::ReadContext>,
                &WriteVia<RichEdit, &RichEdit::WriteContext>},
    PropertyRow{16, "MaxAllowLength", ValueKind::Integer,
                &ReadVia<RichEdit, &RichEdit::ReadMaxAllowLength>,
                &WriteVia<RichEdit, &RichEdit::WriteMaxAllowLength>},
    PropertyRow{17, "SelStart", ValueKind::Integer, &ReadVia<RichEdit, &RichEdit::ReadSelStart>,
                &WriteVia<RichEdit, &RichEdit::WriteSelStart>},
    PropertyRow{18, "SelLength", ValueKind::Integer, &ReadVia<RichEdit, &RichEdit::ReadSelLength>,
                &WriteVia<RichEdit, &RichEdit::WriteSelLength>},
    PropertyRow{19, "SelText", ValueKind::Text, &ReadVia<RichEdit, &RichEdit::ReadSelText>,
                &WriteVia<RichEdit, &RichEdit::WriteSelText>},
};

// The window is a mock-up of a 96-dpi screen whatever the display's own
// resolution: point sizes become the pixel sizes they have there.
constexpr int kMockupDpi = 96;
constexpr int kPointsPerInch = 72;

int PixelsForPoints(int points) { return (points * kMockupDpi + kPointsPerInch / 2) / kPointsPerInch; }

// Plain text from the code page: every "\r\n", lone "\r" or "\n" is one
// paragraph break.
QString ParagraphsFromText(std::string_view bytes) {
  QString text = DecodeCodePage(bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QChar('\r'), QChar('\n'));
  return text;
}

// Paragraph and line separators as "\r\n", in one pass.
QString TextWithCrLf(const QString& text) {
  QString result;
  result.reserve(text.size() + text.count(QChar('\n')) + 16);
  for (const QChar c : text) {
    if (c == QChar('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
      result += QChar('\r');
      result += QChar('\n');
    } else {
      result += c;
    }
  }
  return result;
}

// The face name that reaches the box: at most 31 bytes, cut before a
// character that would not fit whole.
QString FaceName(TextRef name) {
  std::string_view bytes = name.Data() ? std::string_view(name.Data()) : std::string_view();
  if (bytes.size() <= kMaxFaceNameBytes) return DecodeCodePage(bytes);
  QString face = DecodeCodePage(bytes.substr(0, kMaxFaceNameBytes));
  if (face.endsWith(QChar::ReplacementCharacter)) face.chop(1);
  return face;
}

}  // namespace

QTextCharFormat DefaultCharFormat() {
  const RichEditSettings& settings = RichEditDefaults();
  QTextCharFormat format;
  QFont font(QString::fromUtf8(settings.fontFace));
  font.setPixelSize(PixelsForPoints(settings.fontPoints));
  MakeCrispAtSmallSizes(font, font.pixelSize());
  format.setFont(font, QTextCharFormat::FontPropertiesAll);
  format.clearForeground();
  return format;
}

RichEdit::RichEdit(const ControlDef& def, QWidget* parent) : QTextEdit(parent) {
  const RichEditSettings& settings = RichEditDefaults();
  setFrameStyle(QFrame::NoFrame);
  setAcceptRichText(false);
  setReadOnly(settings.readOnly);
  setLineWrapMode(settings.autoNextLine ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(settings.autoNextLine ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  contextType_ = settings.contextType;
  maxAllowLength_ = settings.maxAllowLength;

  QPalette colours = palette();
  colours.setColor(QPalette::Base, ColorFromBgr(settings.backColor, WindowColor()));
  colours.setColor(QPalette::Text, Qt::black);
  if (settings.hideSelection) {
    // Without the focus the selection is not shown.
    colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Base));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText, colours.color(QPalette::Text));
  }
  setPalette(colours);

  const QTextCharFormat format = DefaultCharFormat();
  document()->setDefaultFont(format.font());
  document()->setDocumentMargin(1);
  setCurrentCharFormat(format);
  if (def.text != nullptr && *def.text != '\0') setPlainText(QString::fromUtf8(def.text));
  document()->setModified(false);
}

KindProperties RichEdit::Properties() { return {kRichEditListLength, kRichEditRows}; }

int RichEdit::EndPosition() const {
  const QString text = document()->toRawText();
  int surrogatePairs = 0;
  for (const QChar c : text) surrogatePairs += c.isHighSurrogate() ? 1 : 0;
  return document()->characterCount() - 1 - surrogatePairs;  // less the final paragraph end
}

// A character position to the document's own, where a character outside the
// basic plane takes two.
int RichEdit::DocumentPosition(int characters) const {
  const int documentEnd = document()->characterCount() - 1;
  // Every character takes at least one position, so this many reach the end.
  if (characters >= documentEnd) return documentEnd;
  const QString text = document()->toRawText();
  int position = 0;
  for (int counted = 0; counted < characters && position < documentEnd; ++counted) {
    position += text[position].isHighSurrogate() ? 2 : 1;
  }
  return std::min(position, documentEnd);
}

void RichEdit::SelectFromRecorded() {
  QTextCursor cursor = textCursor();
  if (selLength_ < 0) {
    cursor.select(QTextCursor::Document);
  } else {
    const int anchor = DocumentPosition(selStart_);
    const int end = DocumentPosition(selStart_ + std::min(selLength_, INT32_MAX - selStart_));
    cursor.setPosition(anchor);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
  }
  setTextCursor(cursor);
}

RawValue RichEdit::ReadContext() const {
  // Rich text (ContextType 1) is not offered: both boxes of the window hold
  // plain text and nothing switches them.
  return RawValue{0, encodedContext_.Encode(TextWithCrLf(toPlainText()))};
}

// A transcript grows at its end: the bytes of the text read last time are
// kept, and only what follows them is encoded again. The code page is
// stateless, so the pieces join into the same bytes as a whole encoding.
std::string RichEdit::EncodedText::Encode(const QString& text) {
  const bool grewAtEnd = !text_.isEmpty() && text.startsWith(text_) &&
                         !text_.back().isHighSurrogate();
  if (grewAtEnd) {
    bytes_ += EncodeCodePage(text.sliced(text_.size()));
  } else {
    bytes_ = EncodeCodePage(text);
  }
  text_ = text;
  return bytes_;
}

void RichEdit::WriteContext(const RawInput& value) {
  QTextCursor cursor(document());
  cursor.select(QTextCursor::Document);
  cursor.insertText(ParagraphsFromText(value.bytes), DefaultCharFormat());
}

RawValue RichEdit::ReadContextType() const { return NumberValue(contextType_); }
void RichEdit::WriteContextType(const RawInput& value) {
  contextType_ = std::min(value.number, kLastContextType);
}

RawValue RichEdit::ReadSelStart() const { return NumberValue(selStart_); }

void RichEdit::WriteSelStart(const RawInput& value) {
  selStart_ = std::max(value.number, 0);
  SelectFromRecorded();
}

RawValue RichEdit::ReadSelLength() const { return NumberValue(selLength_); }

void RichEdit::WriteSelLength(const RawInput& value) {
  selLength_ = std::max(value.number, -1);
  SelectFromRecorded();
}

RawValue RichEdit::ReadSelText() const {
  return RawValue{0, EncodeCodePage(TextWithCrLf(textCursor().selectedText()))};
}

void RichEdit::WriteSelText(const RawInput& value) {
  QTextCursor cursor = textCursor();
  // Plain text takes the insertion-point format.
  cursor.insertText(ParagraphsFromText(value.bytes));
  setTextCursor(cursor);
  // A chat window that hides its newest message is not what its user expects.
  ensureCursorVisible();
}

RawValue RichEdit::ReadMaxAllowLength() const { return NumberValue(maxAllowLength_); }
void RichEdit::WriteMaxAllowLength(const RawInput& value) { maxAllowLength_ = std::max(value.number, 0); }

void RichEdit::ApplyCharFormat(const CharFormat& record) {
  QTextCharFormat format;
  QFont font(FaceName(record.FontName));
  if (record.FontSize > 0) font.setPixelSize(PixelsForPoints(record.FontSize));
  font.setBold(record.Effects & effects::kBold);
  font.setItalic(record.Effects & effects::kItalic);
  font.setUnderline(record.Effects & effects::kUnderline);
  font.setStrikeOut(record.Effects & effects::kStrikeout);
  MakeCrispAtSmallSizes(font, font.pixelSize());
  format.setFont(font, QTextCharFormat::FontPropertiesAll);
  if (record.Offset != 0 && record.FontSize > 0) {
    format.setBaselineOffset(100.0 * record.Offset / record.FontSize);
  }
  format.setProperty(kProtectedProperty, (record.Effects & effects::kProtected) != 0);
  if (record.Color == kAutomaticColor) {
    format.clearForeground();
  } else {
    format.setForeground(ColorFromBgr(record.Color, Qt::black));
  }
  QTextCursor cursor = textCursor();
  cursor.setCharFormat(format);
  setTextCursor(cursor);
}

bool RichEdit::RoomFor(int characters) const {
  return maxAllowLength_ <= 0 || EndPosition() + characters <= maxAllowLength_;
}

void RichEdit::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & Qt::ShiftModifier)) {
    // Shift+Enter would insert a line separator; a paragraph break is what
    // the content reads back as "\r\n".
    QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                    event->text());
    QTextEdit::keyPressEvent(&plain);
    return;
  }
  if (!event->text().isEmpty() && event->text()[0].isPrint() && !textCursor().hasSelection() &&
      !RoomFor(static_cast<int>(event->text().size()))) {
    event->accept();
    return;
  }
  QTextEdit::keyPressEvent(event);
}

void RichEdit::insertFromMimeData(const QMimeData* source) {
  // Plain text only: the content is read back as plain text anyway.
  if (source->hasText()) textCursor().insertText(source->text());
}

}  // namespace chatmock
