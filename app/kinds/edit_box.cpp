#include "app/kinds/edit_box.h"

#include <array>

#include "app/codepage.h"
#include "app/look.h"

namespace chatmock {
namespace {

constexpr std::int32_t kEditBoxListLength = 29;
constexpr std::array kEditBoxRows = {
    PropertyRow{8, "text", ValueKind::Text, &ReadVia<EditBox, &EditBox::ReadText>,
                &WriteVia<EditBox, &EditBox::WriteText>},
};

// A static edge: shadow on the top and left, highlight on the bottom and right.
QString EdgeStyle(const EditBoxSettings& settings) {
  const QColor text = ColorFromBgr(settings.textColor, Qt::black);
  const QColor back = ColorFromBgr(settings.backColor, WindowColor());
  return QStringLiteral(
             "QLineEdit { border-style: solid; border-width: 1px;"
             " border-color: #a0a0a0 #ffffff #ffffff #a0a0a0;"
             " padding: 0px 1px; color: %1; background: %2; }")
      .arg(text.name(), back.name());
}

}  // namespace

EditBox::EditBox(const ControlDef& def, QWidget* parent) : QLineEdit(parent) {
  const EditBoxSettings& settings = EditBoxDefaults();
  setStyleSheet(EdgeStyle(settings));
  setFont(DefaultGuiFont());
  if (settings.maxLength > 0) setMaxLength(settings.maxLength);
  setText(QString::fromUtf8(def.text));
}

KindProperties EditBox::Properties() { return {kEditBoxListLength, kEditBoxRows}; }

RawValue EditBox::ReadText() const { return RawValue{0, EncodeCodePage(text())}; }

void EditBox::WriteText(const RawInput& value) { setText(DecodeCodePage(value.bytes)); }

}  // namespace chatmock
