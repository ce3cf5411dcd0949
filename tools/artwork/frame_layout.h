#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the program lays its controls over the stored chat frame. These
// rectangles are fixed by the program's window layout; the frame is drawn
// around them and the preview fills them as the controls do.
namespace chatmock::layout {

inline constexpr QSize kWindowSize{549, 591};
inline constexpr QSize kFrameSize{543, 510};
inline constexpr QSize kSendButtonSize{82, 23};
inline constexpr QSize kPressedSendButtonSize{87, 28};
inline constexpr QSize kVisibleSendButton{81, 22};
inline constexpr int kIconSize = 48;

inline constexpr QRect kAvatarBox{11, 11, 64, 63};
inline constexpr QRect kNicknameCaption{80, 3, 324, 24};
inline constexpr QRect kNicknameEditor{80, 8, 112, 24};
inline constexpr QRect kSignatureStrip{121, 24, 377, 16};
inline constexpr QRect kSignatureCaption{128, 21, 392, 24};
inline constexpr QRect kTranscript{10, 109, 381, 249};
inline constexpr QRect kPeerFigure{399, 83, 143, 228};
inline constexpr QRect kOwnFigure{400, 361, 140, 142};
inline constexpr QRect kTypingArea{5, 384, 374, 93};
inline constexpr QRect kSendButton{308, 481, 81, 22};

// Parts of the frame that no control covers but that must stay clear of
// each other.
inline constexpr int kToolRowTop = 46;
inline constexpr int kToolRowBottom = 80;
inline constexpr int kToolRowLeft = 80;
inline constexpr QRect kSafetyNotice{10, 86, 381, 22};
inline constexpr QRect kFormatToolbar{5, 360, 387, 23};
inline constexpr QRect kFigureActions{399, 315, 143, 41};
inline constexpr int kStatusIconsLeft = 82;

// The program draws its own input strip below the frame.
inline constexpr int kInputStripTop = 512;

}  // namespace chatmock::layout
