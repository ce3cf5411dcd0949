#pragma once
// The system look the window is drawn in: colours and the default fonts.

#include <QColor>
#include <QFont>

#include <cstdint>

namespace chatmock {

// The face the window's texts name, and the faces that stand in for it.
inline constexpr const char* kSongFace = "宋体";

// Button face and window colours of the classic light desktop theme.
QColor ButtonFaceColor();
QColor WindowColor();

// 0x00BBGGRR to a colour; kDefaultColor gives the fallback.
QColor ColorFromBgr(std::uint32_t bgr, const QColor& fallback);
std::uint32_t BgrFromColor(const QColor& color);

// Maps "宋体" and "SimSun" to an installed CJK Song face.
void InstallFontSubstitutions();

// The stock GUI font: 宋体 at 12 pixels, drawn like a bitmap font.
QFont DefaultGuiFont();
// A 宋体 font of the given pixel height and weight, drawn crisp at small sizes.
QFont SongFont(int pixelHeight, int weight);
// Small sizes draw without antialiasing and with full hinting, as bitmap faces do.
void MakeCrispAtSmallSizes(QFont& font, int pixelHeight);

}  // namespace chatmock
