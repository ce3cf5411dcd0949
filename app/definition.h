#pragma once
// The window definition: constant data that the shell builds the live
// window from. Nothing here runs; handlers are named, not called.

#include <cstdint>
#include <span>

namespace chatmock {

enum class ControlKind {
  Window,
  EditBox,           // 编辑框
  TransparentLabel,  // 透明标签
  Label,             // 标签
  PushButton,        // 按钮
  RadioBox,          // 单选框
  PictureBox,        // 图片框
  PictureButton,     // 图形按钮
  RichEdit,          // 超级编辑框
};

const char* ControlKindName(ControlKind kind);

// Colours are 0x00BBGGRR; this value stands for the kind's system colour.
inline constexpr std::uint32_t kDefaultColor = 0xFF000000;

// A control's place in the window: 0 names the window itself.
inline constexpr std::uint32_t kWindowItself = 0;

// A complete font description; a control without one uses the default GUI font.
struct FontDef {
  const char* face;  // UTF-8
  int pixelHeight;
  int weight;  // 400 normal, 700 bold
};

enum class StoredPicture { None, ChatFrame, SendButton, SendButtonPressed };

// The routines the bindings name; the shell binds them at start-up.
enum class HandlerId {
  MainWindowCreated,
  NoticeFeedback,
  FetchPictures,
  PostMessage,
  OpenNicknameEditor,
  OpenSignatureEditor,
  CloseNicknameEditor,
  CloseSignatureEditor,
};

struct ControlDef {
  const char* name;  // the stored name, UTF-8
  std::uint32_t id;
  ControlKind kind;
  std::uint32_t parent;  // kWindowItself or a control id
  int left, top, width, height;
  bool visible;
  bool tabStop;
  const char* text = "";  // caption or text, UTF-8
  std::uint32_t textColor = 0x00000000;
  std::uint32_t backColor = kDefaultColor;
  const FontDef* font = nullptr;
  int displayMode = 0;  // picture boxes: 0 top-left, 1 stretched, 2 centred and shrunk
  StoredPicture picture = StoredPicture::None;         // picture box picture, button PicNormal
  StoredPicture pressedPicture = StoredPicture::None;  // picture button PicPressed
  int tabOrder = 0;
};

struct WindowDef {
  std::uint32_t id;
  const char* name;
  int left, top, width, height;  // left and top are not used: the window starts centred
  const char* title;
  std::uint32_t backColor;
  bool escCloses;
  bool enterMovesFocus;
  bool dragAnywhere;
};

// Settings every edit box of the window shares.
struct EditBoxSettings {
  int border;  // 3: a one-pixel static edge
  std::uint32_t textColor;
  std::uint32_t backColor;
  bool hideSelection;
  int maxLength;  // 0: no limit
};

// Settings every rich edit box of the window shares.
struct RichEditSettings {
  int contextType;  // 0 plain text
  int border;
  std::uint32_t backColor;
  bool allowMultiLines;
  bool autoNextLine;
  bool readOnly;
  bool hideSelection;
  int maxAllowLength;  // 0: no limit
  const char* fontFace;  // the default character format
  int fontPoints;
};

struct EventBinding {
  std::uint32_t control;  // kWindowItself or a control id
  std::int32_t event;
  HandlerId handler;
};

// The events every kind shares, and the kinds' own that this window binds.
namespace events {
inline constexpr std::int32_t kLeftDown = -1, kLeftUp = -2, kDoubleClick = -3, kRightDown = -4,
                              kRightUp = -5, kMouseMove = -6, kGotFocus = -7, kLostFocus = -8,
                              kKeyDown = -9, kKeyUp = -10, kCharacter = -11, kWheel = -12;
inline constexpr std::int32_t kClicked = 0;  // push button, picture button, radio box
inline constexpr std::int32_t kCreated = 0, kQueryClose = 1, kDestroyed = 2, kMoved = 3,
                              kResized = 4, kActivated = 5, kDeactivated = 6, kFirstActivation = 8;
inline constexpr std::int32_t kFeedback = 0;  // label
}  // namespace events

const WindowDef& MainWindowDef();
// In stored order: the first is the top of its parent's stacking order.
std::span<const ControlDef> MainWindowControls();
std::span<const EventBinding> MainWindowBindings();
const EditBoxSettings& EditBoxDefaults();
const RichEditSettings& RichEditDefaults();
const ControlDef* FindControlDef(std::uint32_t id);

// The stored pictures' bytes, embedded at build time.
std::span<const std::uint8_t> StoredPictureBytes(StoredPicture picture);
std::span<const std::uint8_t> ProgramIconBytes();  // PNG, 48 x 48

// The address of the site that published the program, shown in the notice line.
inline constexpr const char* kPublisherAddress = "www.qiyun.example";

}  // namespace chatmock
