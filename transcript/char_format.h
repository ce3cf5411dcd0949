#pragma once
// 字符格式: the character format a handler applies to a rich edit box's
// selection or insertion point.

#include <cstdint>

#include "app/control_ref.h"
#include "app/values.h"

namespace chatmock {

namespace effects {
inline constexpr std::int32_t kBold = 1, kItalic = 2, kUnderline = 4, kStrikeout = 8, kProtected = 16;
}

// The automatic colour: the theme's text colour.
inline constexpr std::uint32_t kAutomaticColor = 0xFF000000;
// At most this many bytes of a face name reach the box.
inline constexpr std::size_t kMaxFaceNameBytes = 31;

struct CharFormat {
  TextValue FontName;        // owned by the record, in the code page
  std::int32_t FontSize;     // points
  std::int32_t Offset;       // points above the baseline; negative lowers
  std::int32_t Effects;      // the bits above; others are ignored
  std::uint32_t Color;       // 0x00BBGGRR, or kAutomaticColor
};

// 宋体, 9 points, no offset, no effects, the automatic colour.
CharFormat NewCharFormat();
// Releases the face name, then the record's fields.
void ReleaseValue(CharFormat& format) noexcept;

// Applies the face, size, offset, all five effects and the colour together to
// the box's selection; with an empty selection it sets the format of the
// next insertion and changes no character.
void SetSelCharFormat(ControlRef box, const CharFormat& format);

}  // namespace chatmock
