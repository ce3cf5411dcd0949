#include "app/kinds/radio_box.h"

#include <array>

#include "app/dispatch.h"
#include "app/look.h"

namespace chatmock {
namespace {

constexpr std::int32_t kRadioBoxListLength = 19;
constexpr std::array kRadioBoxRows = {
    PropertyRow{18, "Checked", ValueKind::Logical, &ReadVia<RadioBox, &RadioBox::ReadChecked>,
                &WriteVia<RadioBox, &RadioBox::WriteChecked>},
};

}  // namespace

RadioBox::RadioBox(const ControlDef& def, QWidget* parent)
    : QRadioButton(QString::fromUtf8(def.text), parent) {
  setFont(DefaultGuiFont());
  setAutoExclusive(true);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ColorFromBgr(def.backColor, ButtonFaceColor()));
  colours.setColor(QPalette::WindowText, ColorFromBgr(def.textColor, Qt::black));
  setPalette(colours);
  const std::uint32_t id = def.id;
  connect(this, &QRadioButton::clicked, this, [id] { RaiseEvent(id, events::kClicked); });
}

KindProperties RadioBox::Properties() { return {kRadioBoxListLength, kRadioBoxRows}; }

RawValue RadioBox::ReadChecked() const { return NumberValue(isChecked() ? 1 : 0); }

void RadioBox::WriteChecked(const RawInput& value) { SetCheckedState(value.number != 0); }

void RadioBox::SetCheckedState(bool checked) {
  if (checked) {
    setChecked(true);  // the group unchecks the other boxes
    return;
  }
  // An automatic radio button refuses to uncheck itself while it is the
  // checked one of its group.
  setAutoExclusive(false);
  setChecked(false);
  setAutoExclusive(true);
}

}  // namespace chatmock
