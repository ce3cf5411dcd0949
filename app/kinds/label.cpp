#include "app/kinds/label.h"

#include <QPainter>

#include <array>

#include "app/codepage.h"
#include "app/dispatch.h"
#include "app/look.h"

namespace chatmock {
namespace {

constexpr std::int32_t kLabelListLength = 29;
constexpr std::array kLabelRows = {
    PropertyRow{8, "caption", ValueKind::Text, &ReadVia<Label, &Label::ReadCaption>,
                &WriteVia<Label, &Label::WriteCaption>},
    PropertyRow{15, "BackColor", ValueKind::Colour, &ReadVia<Label, &Label::ReadBackColor>,
                &WriteVia<Label, &Label::WriteBackColor>},
    PropertyRow{16, "TextColor", ValueKind::Colour, &ReadVia<Label, &Label::ReadTextColor>,
                &WriteVia<Label, &Label::WriteTextColor>},
};

}  // namespace

Label::Label(const ControlDef& def, QWidget* parent)
    : QWidget(parent),
      id_(def.id),
      caption_(QString::fromUtf8(def.text)),
      textColor_(def.textColor),
      backColor_(def.backColor) {
  setFont(DefaultGuiFont());
}

KindProperties Label::Properties() { return {kLabelListLength, kLabelRows}; }

RawValue Label::ReadTextColor() const { return NumberValue(static_cast<std::int32_t>(textColor_)); }

void Label::WriteTextColor(const RawInput& value) {
  textColor_ = static_cast<std::uint32_t>(value.number);
  update();
}

RawValue Label::ReadBackColor() const { return NumberValue(static_cast<std::int32_t>(backColor_)); }

void Label::WriteBackColor(const RawInput& value) {
  backColor_ = static_cast<std::uint32_t>(value.number);
  update();
}

RawValue Label::ReadCaption() const { return RawValue{0, EncodeCodePage(caption_)}; }

void Label::WriteCaption(const RawInput& value) {
  caption_ = DecodeCodePage(value.bytes);
  update();
}

int Label::RequestFeedback(int, int) {
  const std::optional<bool> result = RaiseEvent(id_, events::kFeedback);
  return result.value_or(false) ? 1 : 0;
}

void Label::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ColorFromBgr(backColor_, ButtonFaceColor()));
  painter.setPen(ColorFromBgr(textColor_, Qt::black));
  painter.setFont(font());
  painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
}

}  // namespace chatmock
