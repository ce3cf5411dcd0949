#include "tools/artwork/preview.h"

#include <QPainter>

#include "tools/artwork/crisp_text.h"
#include "tools/artwork/frame_layout.h"
#include "tools/artwork/pixel_shapes.h"
#include "tools/artwork/push_button.h"
#include "tools/artwork/smooth_scope.h"
#include "tools/artwork/theme.h"

namespace chatmock {
namespace {

const QColor kEditBorder{0x7A, 0x7A, 0x7A};
const QColor kHintRed{0xE0, 0x10, 0x10};
constexpr int kStripLeft = 6;
constexpr int kStripRowTop = layout::kInputStripTop + 3;
constexpr int kStripRowHeight = 22;
constexpr int kStripRowPitch = 27;
constexpr int kLabelWidth = 58;
constexpr int kEditWidth = 112;
constexpr int kFieldGap = 8;
constexpr int kRadioSize = 13;
constexpr int kStripButtonWidth = 160;

const QString kNicknameDefault = QString::fromUtf8("点击编辑昵称");
const QString kSignatureDefault = QString::fromUtf8("点击编辑个性签名");

void paintCaptions(QPainter &painter) {
  drawTextIn(painter, layout::kNicknameCaption, kNicknameDefault, theme::kText,
             songFont(kLabelPixels, true));
  drawTextIn(painter, layout::kSignatureCaption, kSignatureDefault, theme::kText,
             songFont(kLabelPixels));
}

// A labelled input box; returns the x just after it.
int paintLabelledEdit(QPainter &painter, int left, int top, const QString &label) {
  drawTextIn(painter, QRect(left, top, kLabelWidth, kStripRowHeight), label, theme::kText,
             songFont(kLabelPixels), Qt::AlignRight | Qt::AlignVCenter);
  const QRect box(left + kLabelWidth + 2, top, kEditWidth, kStripRowHeight);
  painter.fillRect(box, theme::kWhite);
  frameRect(painter, box, kEditBorder);
  return box.right() + 1 + kFieldGap;
}

// A radio button and its label; returns the x just after it.
int paintRadio(QPainter &painter, int left, int top, const QString &label) {
  {
    SmoothScope scope(painter, QPoint(left, top + (kStripRowHeight - kRadioSize) / 2));
    painter.setPen(QPen(kEditBorder, 1.0));
    painter.setBrush(theme::kWhite);
    painter.drawEllipse(QRectF(0.5, 0.5, kRadioSize - 1, kRadioSize - 1));
  }
  const QFont font = songFont(kLabelPixels);
  const int textLeft = left + kRadioSize + 4;
  drawTextIn(painter, QRect(textLeft, top, textWidth(font, label) + 2, kStripRowHeight), label,
             theme::kText, font);
  return textLeft + textWidth(font, label) + kFieldGap * 2;
}

// A rough sketch of the program's own input strip, enough to judge how
// the frame sits above it.
void paintInputStrip(QPainter &painter) {
  const int firstRow = kStripRowTop;
  const int secondRow = kStripRowTop + kStripRowPitch;
  int x = paintLabelledEdit(painter, kStripLeft, firstRow, QString::fromUtf8("对方昵称："));
  x = paintLabelledEdit(painter, x, firstRow, QString::fromUtf8("我方昵称："));
  x = paintRadio(painter, x + kFieldGap, firstRow, QString::fromUtf8("对方发言"));
  paintRadio(painter, x, firstRow, QString::fromUtf8("我方发言"));
  x = paintLabelledEdit(painter, kStripLeft, secondRow, QString::fromUtf8("对方号码："));
  x = paintLabelledEdit(painter, x, secondRow, QString::fromUtf8("我方号码："));
  paintPushButton(painter, QRect(x + kFieldGap, secondRow, kStripButtonWidth, kStripRowHeight),
                  {QString::fromUtf8("读取形象和头像(R)"), 7}, ButtonState::Normal);
  drawTextIn(
      painter,
      QRect(kStripLeft, secondRow + kStripRowPitch, layout::kWindowSize.width(), kStripRowHeight),
      QString::fromUtf8("提示：按 Esc 键关闭窗口"), kHintRed, songFont(kLabelPixels));
}

}  // namespace

QImage paintWindowPreview(const QImage &frame) {
  QImage preview(layout::kWindowSize, QImage::Format_RGB32);
  preview.fill(theme::kButtonFace);
  QPainter painter(&preview);
  painter.drawImage(QPoint(0, 0), frame);
  painter.fillRect(layout::kTranscript, theme::kWhite);
  painter.fillRect(layout::kTypingArea, theme::kWhite);
  painter.fillRect(layout::kSignatureStrip, theme::kWhite);
  paintCaptions(painter);
  paintInputStrip(painter);
  return preview;
}

}  // namespace chatmock
