#include "app/control_kinds.h"

#include "app/kinds/edit_box.h"
#include "app/kinds/label.h"
#include "app/kinds/push_button.h"
#include "app/kinds/radio_box.h"
#include "app/kinds/transparent_label.h"
#include "pictures/picture_box.h"
#include "pictures/picture_button.h"
#include "transcript/rich_edit.h"

namespace chatmock {
namespace {

constexpr std::int32_t kWindowListLength = 32;

Qt::FocusPolicy FocusPolicyOf(const ControlDef& def) {
  switch (def.kind) {
    case ControlKind::EditBox:
    case ControlKind::PushButton:
    case ControlKind::RadioBox:
    case ControlKind::RichEdit:
      return def.tabStop ? Qt::StrongFocus : Qt::ClickFocus;
    default:
      return Qt::NoFocus;
  }
}

QWidget* NewWidgetOfKind(const ControlDef& def, QWidget* parent) {
  switch (def.kind) {
    case ControlKind::EditBox: return new EditBox(def, parent);
    case ControlKind::TransparentLabel: return new TransparentLabel(def, parent);
    case ControlKind::Label: return new Label(def, parent);
    case ControlKind::PushButton: return new PushButton(def, parent);
    case ControlKind::RadioBox: return new RadioBox(def, parent);
    case ControlKind::PictureBox: return new PictureBox(def, parent);
    case ControlKind::PictureButton: return new PictureButton(def, parent);
    case ControlKind::RichEdit: return new RichEdit(def, parent);
    case ControlKind::Window: break;
  }
  return nullptr;
}

}  // namespace

QWidget* CreateControlWidget(const ControlDef& def, QWidget* parent) {
  QWidget* widget = NewWidgetOfKind(def, parent);  // owned by parent
  if (widget == nullptr) return nullptr;
  widget->setObjectName(QString::fromUtf8(def.name));
  widget->setGeometry(def.left, def.top, def.width, def.height);
  widget->setFocusPolicy(FocusPolicyOf(def));
  return widget;
}

KindProperties PropertiesOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::EditBox: return EditBox::Properties();
    case ControlKind::TransparentLabel: return TransparentLabel::Properties();
    case ControlKind::Label: return Label::Properties();
    case ControlKind::PushButton: return PushButton::Properties();
    case ControlKind::RadioBox: return RadioBox::Properties();
    case ControlKind::PictureBox: return PictureBox::Properties();
    case ControlKind::PictureButton: return PictureButton::Properties();
    case ControlKind::RichEdit: return RichEdit::Properties();
    case ControlKind::Window: break;
  }
  return {kWindowListLength, {}};
}

bool DragsWindow(ControlKind kind) {
  return kind == ControlKind::PictureBox || kind == ControlKind::Label;
}

bool ClaimsEnter(ControlKind kind) {
  return kind == ControlKind::RichEdit && RichEditDefaults().allowMultiLines;
}

}  // namespace chatmock
