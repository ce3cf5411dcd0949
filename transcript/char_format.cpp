#include "transcript/char_format.h"

#include "app/properties.h"
#include "transcript/rich_edit.h"

namespace chatmock {
namespace {
// 宋体 in the code page.
constexpr const char* kDefaultFace = "\xCB\xCE\xCC\xE5";
constexpr std::int32_t kDefaultPoints = 9;
}  // namespace

CharFormat NewCharFormat() {
  return CharFormat{TextValue::Copy(kDefaultFace), kDefaultPoints, 0, 0, kAutomaticColor};
}

void ReleaseValue(CharFormat& format) noexcept {
  ReleaseValue(format.FontName);
  format = CharFormat{TextValue(), 0, 0, 0, kAutomaticColor};
}

void SetSelCharFormat(ControlRef box, const CharFormat& format) {
  static_cast<RichEdit&>(CommandTarget(box, ControlKind::RichEdit)).ApplyCharFormat(format);
}

}  // namespace chatmock
