#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

namespace chatmock {

enum class ButtonState { Normal, Pressed };

struct PushButtonLabel {
  QString text;
  int accessKeyIndex;  // the character drawn underlined
};

// A light grey push button filling box, with slightly rounded corners
// drawn over whatever is already beneath them. The pressed state gets a
// blue border, a blue-tinted face and the label moved one pixel down-right.
void paintPushButton(QPainter &painter, const QRect &box, const PushButtonLabel &label,
                     ButtonState state);

// The send button: label on the left, a thin divider and a drop-down
// arrow on the right.
void paintSendButton(QPainter &painter, const QRect &box, ButtonState state);

// The soft blue halo a pressed button casts right and below itself, in
// the margin the pressed picture has beyond the visible button.
void paintPressedHalo(QPainter &painter, const QRect &box);

}  // namespace chatmock
