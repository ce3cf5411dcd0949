#include "tools/artwork/push_button.h"

#include <QPainter>

#include "tools/artwork/crisp_text.h"
#include "tools/artwork/pixel_shapes.h"
#include "tools/artwork/theme.h"
#include "tools/artwork/tool_glyphs.h"

namespace chatmock {
namespace {

constexpr int kMenuPartWidth = 19;
constexpr int kDividerInset = 4;
constexpr int kCornerAlpha = 90;
constexpr int kInnerCornerAlpha = 60;
constexpr int kHighlightAlpha = 200;
constexpr int kHaloWidth = 3;

const QString kSendText = QString::fromUtf8("发送(S)");
constexpr int kSendAccessKey = 3;

struct ButtonColours {
  QColor border;
  QColor faceTop;
  QColor faceBottom;
};

ButtonColours coloursFor(ButtonState state) {
  if (state == ButtonState::Pressed) {
    return {theme::kPressedBorder, theme::kPressedFaceTop, theme::kPressedFaceBottom};
  }
  return {theme::kButtonBorder, theme::kButtonFaceTop, theme::kButtonFaceBottom};
}

QColor withAlpha(QColor colour, int alpha) {
  colour.setAlpha(alpha);
  return colour;
}

// The corner pixel is only tinted by the border, and the pixel inside it
// by a little more, so the corner reads as rounded at one-pixel scale.
void paintRoundedCorners(QPainter &painter, const QRect &box, const QColor &border) {
  const QColor outer = withAlpha(border, kCornerAlpha);
  const QColor inner = withAlpha(border, kInnerCornerAlpha);
  const QPoint corners[] = {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()};
  const QPoint inward[] = {{1, 1}, {-1, 1}, {1, -1}, {-1, -1}};
  for (int i = 0; i < 4; ++i) {
    painter.fillRect(QRect(corners[i], QSize(1, 1)), outer);
    painter.fillRect(QRect(corners[i] + inward[i], QSize(1, 1)), inner);
  }
}

void paintButtonBody(QPainter &painter, const QRect &box, ButtonState state) {
  const ButtonColours colours = coloursFor(state);
  const QRect face = box.adjusted(1, 1, -1, -1);
  verticalGradient(painter, face, colours.faceTop, colours.faceBottom);
  horizontalLine(painter, face.left(), face.top(), face.width(),
                 withAlpha(theme::kWhite, kHighlightAlpha));
  if (state == ButtonState::Pressed) {
    frameRect(painter, face, withAlpha(theme::kPressedGlow, kHighlightAlpha));
  }
  horizontalLine(painter, box.left() + 1, box.top(), box.width() - 2, colours.border);
  horizontalLine(painter, box.left() + 1, box.bottom(), box.width() - 2, colours.border);
  verticalLine(painter, box.left(), box.top() + 1, box.height() - 2, colours.border);
  verticalLine(painter, box.right(), box.top() + 1, box.height() - 2, colours.border);
  paintRoundedCorners(painter, box, colours.border);
}

QPoint pressOffset(ButtonState state) {
  return state == ButtonState::Pressed ? QPoint(1, 1) : QPoint(0, 0);
}

void paintLabel(QPainter &painter, const QRect &area, const PushButtonLabel &label,
                ButtonState state) {
  const QFont font = songFont(kLabelPixels);
  const int width = textWidth(font, label.text);
  const int left = area.left() + (area.width() - width) / 2;
  // Song's 12 px glyphs fill rows 1..11 above the baseline.
  const int baseline = area.top() + (area.height() + kLabelPixels) / 2 - 2;
  drawAccessKeyLabel(painter, QPoint(left, baseline) + pressOffset(state), label.text,
                     label.accessKeyIndex, theme::kText, font);
}

}  // namespace

void paintPushButton(QPainter &painter, const QRect &box, const PushButtonLabel &label,
                     ButtonState state) {
  paintButtonBody(painter, box, state);
  paintLabel(painter, box, label, state);
}

void paintSendButton(QPainter &painter, const QRect &box, ButtonState state) {
  paintButtonBody(painter, box, state);
  const int dividerX = box.right() - kMenuPartWidth;
  const QRect labelArea(box.left(), box.top(), dividerX - box.left(), box.height());
  paintLabel(painter, labelArea, {kSendText, kSendAccessKey}, state);
  const QColor divider =
      state == ButtonState::Pressed ? theme::kPressedBorder : theme::kButtonDivider;
  const int dividerHeight = box.height() - 2 * kDividerInset;
  verticalLine(painter, dividerX, box.top() + kDividerInset, dividerHeight, divider);
  verticalLine(painter, dividerX + 1, box.top() + kDividerInset, dividerHeight,
               withAlpha(theme::kWhite, kHighlightAlpha));
  const int arrowLeft = dividerX + 1 + (kMenuPartWidth - 5) / 2;
  const int arrowTop = box.top() + box.height() / 2 - 1;
  paintMenuArrow(painter, QPoint(arrowLeft, arrowTop) + pressOffset(state), theme::kText);
}

void paintPressedHalo(QPainter &painter, const QRect &box) {
  for (int ring = 1; ring <= kHaloWidth; ++ring) {
    const QColor tint = withAlpha(theme::kPressedGlow, 150 / ring);
    verticalLine(painter, box.right() + ring, box.top() + ring, box.height(), tint);
    horizontalLine(painter, box.left() + ring, box.bottom() + ring, box.width() - 1, tint);
  }
}

}  // namespace chatmock
