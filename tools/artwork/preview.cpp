#include "tools/artwork/preview.h"

#include <QPainter>

#include "tools/artwork/crisp_text.h"
#include "tools/artwork/frame_layout.h"
#include "tools/artwork/pixel_shapes.h"
#include "tools/artwork/push_button.h"
#include "tools/artwork/theme.h"

namespace chatmock {
namespace {

const QColor kEditBorder{0x7A, 0x7A, 0x7A};
constexpr int kStripMargin = 8;
constexpr int kStripRowHeight = 22;
constexpr int kStripRowGap = 8;
constexpr int kLabelWidth = 60;

const QString kNicknameDefault = QString::fromUtf8("点击编辑昵称");
const QString kSignatureDefault = QString::fromUtf8("点击编辑个性签名");

void paintCaptions(QPainter &painter) {
  drawTextIn(painter, layout::kNicknameCaption, kNicknameDefault, theme::kText,
             songFont(kLabelPixels, true));
  drawTextIn(painter, layout::kSignatureCaption, kSignatureDefault, theme::kText,
             songFont(kLabelPixels));
}

void paintEditBox(QPainter &painter, const QRect &box) {
  painter.fillRect(box, theme::kWhite);
  frameRect(painter, box, kEditBorder);
}

// One labelled input box; returns the x just after it.
int paintLabelledEdit(QPainter &painter, int left, int top, const QString &label, int boxWidth) {
  const QRect labelBox(left, top, kLabelWidth, kStripRowHeight);
  drawTextIn(painter, labelBox, label, theme::kText, songFont(kLabelPixels));
  paintEditBox(painter, QRect(left + kLabelWidth, top, boxWidth, kStripRowHeight));
  return left + kLabelWidth + boxWidth + kStripMargin;
}

void paintInputStrip(QPainter &painter) {
  const int firstRow = layout::kInputStripTop + kStripMargin / 2;
  const int secondRow = firstRow + kStripRowHeight + kStripRowGap;
  int x = paintLabelledEdit(painter, kStripMargin, firstRow, QString::fromUtf8("对方号码:"), 110);
  paintPushButton(painter, QRect(x, firstRow, 75, kStripRowHeight),
                  {QString::fromUtf8("获取头像(G)"), 5}, ButtonState::Normal);
  paintLabelledEdit(painter, kStripMargin, secondRow, QString::fromUtf8("保存位置:"), 300);
  paintPushButton(
      painter,
      QRect(layout::kWindowSize.width() - kStripMargin - 75, secondRow, 75, kStripRowHeight),
      {QString::fromUtf8("保存图片(P)"), 5}, ButtonState::Normal);
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
