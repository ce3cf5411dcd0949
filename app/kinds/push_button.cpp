#include "app/kinds/push_button.h"

#include <array>

#include "app/codepage.h"
#include "app/dispatch.h"
#include "app/look.h"

namespace chatmock {
namespace {

constexpr std::int32_t kPushButtonListLength = 14;
constexpr std::array kPushButtonRows = {
    PropertyRow{8, "caption", ValueKind::Text, &ReadVia<PushButton, &PushButton::ReadCaption>,
                &WriteVia<PushButton, &PushButton::WriteCaption>},
};

}  // namespace

PushButton::PushButton(const ControlDef& def, QWidget* parent)
    : QPushButton(QString::fromUtf8(def.text), parent) {
  setFont(DefaultGuiFont());
  setAutoDefault(false);
  setDefault(false);
  const std::uint32_t id = def.id;
  connect(this, &QPushButton::clicked, this, [id] { RaiseEvent(id, events::kClicked); });
}

KindProperties PushButton::Properties() { return {kPushButtonListLength, kPushButtonRows}; }

RawValue PushButton::ReadCaption() const { return RawValue{0, EncodeCodePage(text())}; }

void PushButton::WriteCaption(const RawInput& value) { setText(DecodeCodePage(value.bytes)); }

}  // namespace chatmock
