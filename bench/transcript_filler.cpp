#include "bench/transcript_filler.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>

#include "app/control_ref.h"
#include "app/definition.h"
#include "app/dispatch.h"
#include "app/properties.h"

namespace chatmock::bench {
namespace {

constexpr int kClickedEntries = 8;
constexpr int kParagraphsPerEntry = 2;  // the header line and the message
constexpr PropertyIndex kContext = 9;

// The fragment of the first `entries` entries, paragraph ends included.
QTextDocumentFragment FirstEntries(QTextDocument& document, int entries) {
  QTextCursor cursor(&document);
  cursor.setPosition(document.findBlockByNumber(entries * kParagraphsPerEntry).position(),
                     QTextCursor::KeepAnchor);
  return cursor.selection();
}

void AppendAtEnd(QTextDocument& document, const QTextDocumentFragment& fragment) {
  QTextCursor cursor(&document);
  cursor.movePosition(QTextCursor::End);
  cursor.insertFragment(fragment);
}

}  // namespace

void ClickSend() { RaiseEvent(controls::图形按钮1.control, events::kClicked); }

int TranscriptEnd(const RichEdit& transcript) { return transcript.document()->characterCount() - 1; }

void TruncateTranscript(RichEdit& transcript, int position) {
  QTextCursor cursor(transcript.document());
  cursor.setPosition(position);
  cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
}

bool FillTranscript(RichEdit& transcript, int entries) {
  WriteProperty(controls::超级编辑框1, kContext, kWholeValue, "");
  const int clicked = std::min(entries, kClickedEntries);
  for (int i = 0; i < clicked; ++i) ClickSend();
  QTextDocument& document = *transcript.document();
  for (int have = clicked; have < entries;) {
    const int copied = std::min(have, entries - have);
    AppendAtEnd(document, FirstEntries(document, copied));
    have += copied;
  }
  // The document always ends in the empty paragraph after the last entry.
  return document.blockCount() == entries * kParagraphsPerEntry + 1;
}

}  // namespace chatmock::bench
