#include "app/definition.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "app/control_ref.h"

namespace chatmock {
namespace {

using K = ControlKind;
constexpr std::uint32_t W = kWindowItself;
constexpr std::uint32_t kFrame = controls::图片框1.control;  // the chat-frame picture
constexpr std::uint32_t kWhite = 0x00FFFFFF;

constexpr WindowDef kMainWindow{
    .id = kMainWindowId,
    .name = "MainWindow",
    .left = 50, .top = 50, .width = 549, .height = 591,
    .title = "",
    .backColor = kDefaultColor,
    .escCloses = true,
    .enterMovesFocus = false,
    .dragAnywhere = true,
};

constexpr FontDef kNicknameFont{.face = "宋体", .pixelHeight = 12, .weight = 700};

// "纸鸢灯笼提醒：禁止非法用途。栖云书院", a space, the publisher's address, a space, "按ESC键关闭".
constexpr const char* kNoticeText =
    "纸鸢灯笼提醒：禁止非法用途。栖云书院 www.qiyun.example 按ESC键关闭";
static_assert(std::string_view(kNoticeText).find(kPublisherAddress) != std::string_view::npos);

constexpr std::array kControls = {
    ControlDef{.name = "标签2", .id = controls::标签2.control, .kind = K::Label, .parent = W,
               .left = 0, .top = 568, .width = 544, .height = 24, .visible = true, .tabStop = false,
               .text = kNoticeText, .textColor = 0x000000FF},
    ControlDef{.name = "编辑框6", .id = controls::编辑框6.control, .kind = K::EditBox, .parent = kFrame,
               .left = 80, .top = 8, .width = 112, .height = 24, .visible = false, .tabStop = true},
    ControlDef{.name = "透明标签6", .id = controls::透明标签6.control, .kind = K::TransparentLabel, .parent = kFrame,
               .left = 80, .top = 3, .width = 324, .height = 24, .visible = true, .tabStop = false,
               .text = "点击编辑昵称", .font = &kNicknameFont},
    ControlDef{.name = "按钮1", .id = controls::按钮1.control, .kind = K::PushButton, .parent = W,
               .left = 376, .top = 539, .width = 160, .height = 27, .visible = true, .tabStop = true,
               .text = "读取QQ秀和头像"},
    ControlDef{.name = "透明标签5", .id = controls::透明标签5.control, .kind = K::TransparentLabel, .parent = W,
               .left = 192, .top = 540, .width = 48, .height = 24, .visible = true, .tabStop = false,
               .text = "我方QQ："},
    ControlDef{.name = "编辑框5", .id = controls::编辑框5.control, .kind = K::EditBox, .parent = W,
               .left = 242, .top = 542, .width = 114, .height = 20, .visible = true, .tabStop = true},
    ControlDef{.name = "透明标签4", .id = controls::透明标签4.control, .kind = K::TransparentLabel, .parent = W,
               .left = 10, .top = 539, .width = 49, .height = 24, .visible = true, .tabStop = false,
               .text = "对方QQ："},
    ControlDef{.name = "编辑框4", .id = controls::编辑框4.control, .kind = K::EditBox, .parent = W,
               .left = 64, .top = 541, .width = 114, .height = 20, .visible = true, .tabStop = true},
    ControlDef{.name = "标签1", .id = controls::标签1.control, .kind = K::Label, .parent = kFrame,
               .left = 639, .top = 336, .width = 80, .height = 24, .visible = true, .tabStop = false,
               .text = "标签", .textColor = 0x00208000},
    ControlDef{.name = "单选框2", .id = controls::单选框2.control, .kind = K::RadioBox, .parent = W,
               .left = 461, .top = 519, .width = 72, .height = 17, .visible = true, .tabStop = true,
               .text = "我方发言"},
    ControlDef{.name = "单选框1", .id = controls::单选框1.control, .kind = K::RadioBox, .parent = W,
               .left = 381, .top = 519, .width = 72, .height = 17, .visible = true, .tabStop = true,
               .text = "对方发言"},
    ControlDef{.name = "透明标签3", .id = controls::透明标签3.control, .kind = K::TransparentLabel, .parent = W,
               .left = 187, .top = 512, .width = 56, .height = 24, .visible = true, .tabStop = false,
               .text = "我方昵称："},
    ControlDef{.name = "编辑框3", .id = controls::编辑框3.control, .kind = K::EditBox, .parent = W,
               .left = 243, .top = 514, .width = 114, .height = 20, .visible = true, .tabStop = true},
    ControlDef{.name = "透明标签2", .id = controls::透明标签2.control, .kind = K::TransparentLabel, .parent = W,
               .left = 8, .top = 512, .width = 56, .height = 24, .visible = true, .tabStop = false,
               .text = "对方昵称："},
    ControlDef{.name = "编辑框2", .id = controls::编辑框2.control, .kind = K::EditBox, .parent = W,
               .left = 64, .top = 514, .width = 114, .height = 20, .visible = true, .tabStop = true},
    ControlDef{.name = "超级编辑框2", .id = controls::超级编辑框2.control, .kind = K::RichEdit, .parent = kFrame,
               .left = 5, .top = 384, .width = 374, .height = 93, .visible = true, .tabStop = true},
    ControlDef{.name = "编辑框1", .id = controls::编辑框1.control, .kind = K::EditBox, .parent = W,
               .left = 128, .top = 22, .width = 336, .height = 20, .visible = false, .tabStop = true},
    ControlDef{.name = "透明标签1", .id = controls::透明标签1.control, .kind = K::TransparentLabel, .parent = kFrame,
               .left = 128, .top = 21, .width = 392, .height = 24, .visible = true, .tabStop = false,
               .text = "点击编辑个性签名"},
    ControlDef{.name = "图片框5", .id = controls::图片框5.control, .kind = K::PictureBox, .parent = kFrame,
               .left = 121, .top = 24, .width = 377, .height = 16, .visible = true, .tabStop = false,
               .backColor = kWhite},
    ControlDef{.name = "图片框4", .id = controls::图片框4.control, .kind = K::PictureBox, .parent = kFrame,
               .left = 400, .top = 361, .width = 140, .height = 142, .visible = true, .tabStop = false},
    ControlDef{.name = "图片框3", .id = controls::图片框3.control, .kind = K::PictureBox, .parent = kFrame,
               .left = 399, .top = 83, .width = 143, .height = 228, .visible = true, .tabStop = false},
    ControlDef{.name = "图片框2", .id = controls::图片框2.control, .kind = K::PictureBox, .parent = kFrame,
               .left = 11, .top = 11, .width = 64, .height = 63, .visible = true, .tabStop = false,
               .displayMode = 1},
    ControlDef{.name = "图形按钮1", .id = controls::图形按钮1.control, .kind = K::PictureButton, .parent = kFrame,
               .left = 308, .top = 481, .width = 81, .height = 22, .visible = true, .tabStop = false,
               .picture = StoredPicture::SendButton,
               .pressedPicture = StoredPicture::SendButtonPressed},
    ControlDef{.name = "超级编辑框1", .id = controls::超级编辑框1.control, .kind = K::RichEdit, .parent = kFrame,
               .left = 10, .top = 109, .width = 381, .height = 249, .visible = true, .tabStop = true},
    ControlDef{.name = "图片框1", .id = controls::图片框1.control, .kind = K::PictureBox, .parent = W,
               .left = 0, .top = 0, .width = 544, .height = 512, .visible = true, .tabStop = false,
               .picture = StoredPicture::ChatFrame},
};

constexpr std::array kBindings = {
    EventBinding{W, events::kCreated, HandlerId::MainWindowCreated},
    EventBinding{controls::标签2.control, events::kFeedback, HandlerId::NoticeFeedback},
    EventBinding{controls::按钮1.control, events::kClicked, HandlerId::FetchPictures},
    EventBinding{controls::图形按钮1.control, events::kClicked, HandlerId::PostMessage},
    EventBinding{controls::透明标签6.control, events::kLeftDown, HandlerId::OpenNicknameEditor},
    EventBinding{controls::透明标签1.control, events::kLeftDown, HandlerId::OpenSignatureEditor},
    EventBinding{controls::编辑框6.control, events::kLostFocus, HandlerId::CloseNicknameEditor},
    EventBinding{controls::编辑框1.control, events::kLostFocus, HandlerId::CloseSignatureEditor},
};

constexpr EditBoxSettings kEditBoxSettings{
    .border = 3, .textColor = 0x00000000, .backColor = kWhite, .hideSelection = true, .maxLength = 0};

constexpr RichEditSettings kRichEditSettings{
    .contextType = 0, .border = 0, .backColor = kDefaultColor, .allowMultiLines = true,
    .autoNextLine = true, .readOnly = false, .hideSelection = true, .maxAllowLength = 0,
    .fontFace = "宋体", .fontPoints = 9};

}  // namespace

const char* ControlKindName(ControlKind kind) {
  switch (kind) {
    case K::Window: return "窗口";
    case K::EditBox: return "编辑框";
    case K::TransparentLabel: return "透明标签";
    case K::Label: return "标签";
    case K::PushButton: return "按钮";
    case K::RadioBox: return "单选框";
    case K::PictureBox: return "图片框";
    case K::PictureButton: return "图形按钮";
    case K::RichEdit: return "超级编辑框";
  }
  return "?";
}

const WindowDef& MainWindowDef() { return kMainWindow; }
std::span<const ControlDef> MainWindowControls() { return kControls; }
std::span<const EventBinding> MainWindowBindings() { return kBindings; }
const EditBoxSettings& EditBoxDefaults() { return kEditBoxSettings; }
const RichEditSettings& RichEditDefaults() { return kRichEditSettings; }

const ControlDef* FindControlDef(std::uint32_t id) {
  const auto it = std::find_if(kControls.begin(), kControls.end(),
                               [id](const ControlDef& def) { return def.id == id; });
  return it == kControls.end() ? nullptr : &*it;
}

}  // namespace chatmock
