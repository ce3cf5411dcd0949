#pragma once
// A control of a loaded window, named by the window's id and the control's.

#include <cstdint>

namespace chatmock {

struct ControlRef {
  std::uint32_t window;
  std::uint32_t control;
};

inline constexpr std::uint32_t kMainWindowId = 0x52010001;

// The controls of MainWindow under their stored names.
namespace controls {
inline constexpr ControlRef 标签2{kMainWindowId, 0x16010051};
inline constexpr ControlRef 编辑框6{kMainWindowId, 0x16010045};
inline constexpr ControlRef 透明标签6{kMainWindowId, 0x16010044};
inline constexpr ControlRef 按钮1{kMainWindowId, 0x16010042};
inline constexpr ControlRef 透明标签5{kMainWindowId, 0x16010041};
inline constexpr ControlRef 编辑框5{kMainWindowId, 0x16010040};
inline constexpr ControlRef 透明标签4{kMainWindowId, 0x1601003f};
inline constexpr ControlRef 编辑框4{kMainWindowId, 0x1601003e};
inline constexpr ControlRef 标签1{kMainWindowId, 0x16010034};
inline constexpr ControlRef 单选框2{kMainWindowId, 0x1601002c};
inline constexpr ControlRef 单选框1{kMainWindowId, 0x1601002b};
inline constexpr ControlRef 透明标签3{kMainWindowId, 0x16010028};
inline constexpr ControlRef 编辑框3{kMainWindowId, 0x16010029};
inline constexpr ControlRef 透明标签2{kMainWindowId, 0x16010027};
inline constexpr ControlRef 编辑框2{kMainWindowId, 0x16010025};
inline constexpr ControlRef 超级编辑框2{kMainWindowId, 0x16010024};
inline constexpr ControlRef 编辑框1{kMainWindowId, 0x16010015};
inline constexpr ControlRef 透明标签1{kMainWindowId, 0x16010013};
inline constexpr ControlRef 图片框5{kMainWindowId, 0x16010012};
inline constexpr ControlRef 图片框4{kMainWindowId, 0x16010011};
inline constexpr ControlRef 图片框3{kMainWindowId, 0x16010010};
inline constexpr ControlRef 图片框2{kMainWindowId, 0x1601000f};
inline constexpr ControlRef 图形按钮1{kMainWindowId, 0x1601000d};
inline constexpr ControlRef 超级编辑框1{kMainWindowId, 0x1601000a};
inline constexpr ControlRef 图片框1{kMainWindowId, 0x16010002};
}  // namespace controls

}  // namespace chatmock
