#pragma once

#include <QColor>

// The light blue theme of the chat window. Every painter takes its colours
// from here so the parts stay consistent with each other.
namespace chatmock::theme {

inline const QColor kButtonFace{0xF0, 0xF0, 0xF0};
inline const QColor kWhite{0xFF, 0xFF, 0xFF};
inline const QColor kText{0x00, 0x00, 0x00};
inline const QColor kSoftText{0x4D, 0x4D, 0x4D};
inline const QColor kLinkText{0x1E, 0x50, 0xA2};

// Window chrome.
inline const QColor kWindowOutline{0x4F, 0x86, 0xC1};
inline const QColor kWindowInnerGlow{0xF6, 0xFB, 0xFF};
inline const QColor kTitleTop{0xAE, 0xD6, 0xF6};
inline const QColor kTitleBottom{0xE9, 0xF5, 0xFE};
inline const QColor kToolRowTop{0xF7, 0xFB, 0xFF};
inline const QColor kToolRowBottom{0xD9, 0xEC, 0xFB};
inline const QColor kBodyTop{0xD6, 0xEA, 0xFA};
inline const QColor kBodyBottom{0xC4, 0xDF, 0xF5};
inline const QColor kHeaderSeparator{0xA9, 0xCB, 0xEA};

// Panels.
inline const QColor kPanelBorder{0x8C, 0xB3, 0xDD};
inline const QColor kPanelInnerShade{0xE4, 0xEF, 0xF9};
inline const QColor kNoticeFace{0xFB, 0xFD, 0xFF};
inline const QColor kNoticeText{0x5A, 0x5A, 0x5A};
inline const QColor kInfoBlue{0x2F, 0x7B, 0xD9};
inline const QColor kInfoBlueDark{0x1B, 0x5C, 0xB4};

// Glyphs.
inline const QColor kGlyphDark{0x2C, 0x4F, 0x78};
inline const QColor kGlyphBlue{0x3A, 0x86, 0xD8};
inline const QColor kGlyphLightBlue{0x9C, 0xCC, 0xF5};
inline const QColor kGlyphGreen{0x3C, 0xAE, 0x3A};
inline const QColor kGlyphOrange{0xF0, 0x9A, 0x20};
inline const QColor kGlyphYellow{0xFF, 0xD3, 0x3C};
inline const QColor kGlyphRed{0xE0, 0x4B, 0x3A};
inline const QColor kOnlineGreen{0x37, 0xC0, 0x2E};

// Push buttons.
inline const QColor kButtonBorder{0x70, 0x70, 0x70};
inline const QColor kButtonFaceTop{0xFD, 0xFD, 0xFD};
inline const QColor kButtonFaceBottom{0xDC, 0xDC, 0xDC};
inline const QColor kButtonDivider{0xA6, 0xA6, 0xA6};
inline const QColor kPressedBorder{0x3C, 0x7F, 0xB1};
inline const QColor kPressedFaceTop{0xE5, 0xF4, 0xFC};
inline const QColor kPressedFaceBottom{0xC4, 0xE5, 0xF6};
inline const QColor kPressedGlow{0xA8, 0xD4, 0xF2};

}  // namespace chatmock::theme
