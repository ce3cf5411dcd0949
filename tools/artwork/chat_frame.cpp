#include "tools/artwork/chat_frame.h"

#include <QPainter>

#include "tools/artwork/avatar_portrait.h"
#include "tools/artwork/figure_actions.h"
#include "tools/artwork/format_toolbar.h"
#include "tools/artwork/frame_layout.h"
#include "tools/artwork/header_area.h"
#include "tools/artwork/message_panel.h"
#include "tools/artwork/promo_panel.h"
#include "tools/artwork/push_button.h"
#include "tools/artwork/show_figure.h"
#include "tools/artwork/window_chrome.h"

namespace chatmock {
namespace {

constexpr int kCloseButtonWidth = 69;
constexpr int kButtonGap = 8;

const PushButtonLabel kCloseLabel{QString::fromUtf8("关闭(C)"), 3};

QRect closeButtonBox() {
  const QRect send = layout::kSendButton;
  return QRect(send.left() - kButtonGap - kCloseButtonWidth, send.top(), kCloseButtonWidth,
               send.height());
}

// Everything except the send button, whose pictures need this as backdrop.
QImage paintFrameWithoutSendButton() {
  QImage frame(layout::kFrameSize, QImage::Format_RGB32);
  QPainter painter(&frame);
  paintWindowBackground(painter, layout::kFrameSize);
  paintWindowButtons(painter, layout::kFrameSize);
  paintAvatarPortrait(painter, layout::kAvatarBox);
  paintSignatureLine(painter);
  paintToolRow(painter);
  paintTranscriptPanel(painter);
  paintShowFigure(painter, layout::kPeerFigure);
  paintFigureActions(painter);
  paintPromoPanel(painter, layout::kOwnFigure);
  paintFormatToolbar(painter);
  paintTypingArea(painter);
  paintPushButton(painter, closeButtonBox(), kCloseLabel, ButtonState::Normal);
  paintWindowOutline(painter, layout::kFrameSize);
  return frame;
}

QImage paintPressedSendButton(const QImage &frame) {
  QImage pressed = frame.copy(QRect(layout::kSendButton.topLeft(), layout::kPressedSendButtonSize));
  QPainter painter(&pressed);
  const QRect button(QPoint(0, 0), layout::kVisibleSendButton);
  paintPressedHalo(painter, button);
  paintSendButton(painter, button, ButtonState::Pressed);
  return pressed;
}

}  // namespace

FramePictures paintFramePictures() {
  FramePictures pictures;
  pictures.frame = paintFrameWithoutSendButton();
  pictures.pressedSendButton = paintPressedSendButton(pictures.frame);
  {
    QPainter painter(&pictures.frame);
    paintSendButton(painter, layout::kSendButton, ButtonState::Normal);
  }
  pictures.sendButton =
      pictures.frame.copy(QRect(layout::kSendButton.topLeft(), layout::kSendButtonSize));
  return pictures;
}

}  // namespace chatmock
