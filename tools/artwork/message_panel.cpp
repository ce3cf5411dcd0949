#include "tools/artwork/message_panel.h"

#include <QPainter>

#include "tools/artwork/crisp_text.h"
#include "tools/artwork/frame_layout.h"
#include "tools/artwork/pixel_shapes.h"
#include "tools/artwork/theme.h"

namespace chatmock {
namespace {

constexpr int kInfoIconSize = 13;
constexpr int kNoticeIndent = 5;
constexpr int kNoticeTextGap = 5;

const QString kNotice = QString::fromUtf8("交谈中请勿轻信汇款、中奖信息，勿轻易拨打陌生电话。");

// The letter i in a blue disc, drawn smooth since it is round.
void paintInfoIcon(QPainter &painter, QPoint origin) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QRectF disc(origin.x() + 0.5, origin.y() + 0.5, kInfoIconSize - 1, kInfoIconSize - 1);
  QLinearGradient fill(disc.topLeft(), disc.bottomLeft());
  fill.setColorAt(0, QColor(0x7D, 0xB9, 0xF4));
  fill.setColorAt(1, theme::kInfoBlue);
  painter.setPen(QPen(theme::kInfoBlueDark, 1.0));
  painter.setBrush(fill);
  painter.drawEllipse(disc);
  painter.restore();
  const int middle = origin.x() + kInfoIconSize / 2;
  painter.fillRect(QRect(middle - 1, origin.y() + 3, 2, 2), theme::kWhite);
  painter.fillRect(QRect(middle - 1, origin.y() + 6, 2, 4), theme::kWhite);
}

}  // namespace

void paintTranscriptPanel(QPainter &painter) {
  const QRect transcript = layout::kTranscript;
  const QRect notice = layout::kSafetyNotice;
  const QRect outer(notice.left() - 1, notice.top() - 1, notice.width() + 2,
                    transcript.bottom() - notice.top() + 3);
  verticalGradient(painter, notice, theme::kNoticeFace, theme::kPanelInnerShade);
  painter.fillRect(transcript, theme::kWhite);
  frameRect(painter, outer, theme::kPanelBorder);
  horizontalLine(painter, outer.left(), transcript.top() - 1, outer.width(), theme::kPanelBorder);

  const int iconTop = notice.top() + (notice.height() - kInfoIconSize) / 2;
  paintInfoIcon(painter, QPoint(notice.left() + kNoticeIndent, iconTop));
  const QRect textBox = notice.adjusted(kNoticeIndent + kInfoIconSize + kNoticeTextGap, 0, 0, 0);
  drawTextIn(painter, textBox, kNotice, theme::kNoticeText, songFont(kLabelPixels));
}

void paintTypingArea(QPainter &painter) {
  const QRect typing = layout::kTypingArea;
  painter.fillRect(typing, theme::kWhite);
  frameRect(painter, typing.adjusted(-1, -1, 1, 1), theme::kPanelBorder);
}

}  // namespace chatmock
