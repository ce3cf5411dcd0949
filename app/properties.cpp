#include "app/properties.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <array>

#include "app/control_kinds.h"
#include "app/main_window.h"
#include "app/shell.h"

namespace chatmock {
namespace {

using Holds = ValueCell::Holds;

struct CommonRow {
  PropertyIndex index;
  const char* name;
  ValueKind kind;
};

constexpr std::array kCommonRows = {
    CommonRow{common::kLeft, "left", ValueKind::Integer},
    CommonRow{common::kTop, "top", ValueKind::Integer},
    CommonRow{common::kWidth, "width", ValueKind::Integer},
    CommonRow{common::kHeight, "height", ValueKind::Integer},
    CommonRow{common::kTag, "tag", ValueKind::Text},
    CommonRow{common::kVisible, "visible", ValueKind::Logical},
    CommonRow{common::kDisable, "disable", ValueKind::Logical},
    CommonRow{common::kMousePointer, "MousePointer", ValueKind::Integer},
};

QString Hex(std::uint32_t value) { return QStringLiteral("0x%1").arg(value, 8, 16, QChar('0')); }

Holds HoldsFor(ValueKind kind) {
  switch (kind) {
    case ValueKind::Text: return Holds::Text;
    case ValueKind::Bytes: return Holds::Bytes;
    default: return Holds::Number;
  }
}

LiveControl& FindControl(ControlRef ref) {
  MainWindow* window = FindLoadedWindow(ref.window);
  if (window == nullptr) {
    FatalError(QStringLiteral("the window of the control is not loaded (window %1)").arg(Hex(ref.window)));
  }
  LiveControl* control = window->FindControl(ref.control);
  if (control == nullptr) {
    FatalError(QStringLiteral("the window %1 has no control %2").arg(Hex(ref.window), Hex(ref.control)));
  }
  return *control;
}

LiveControl& FindLiveControl(ControlRef ref) {
  LiveControl& control = FindControl(ref);
  if (!control.IsLive()) {
    FatalError(QStringLiteral("the window is not loaded yet (control %1)").arg(Hex(ref.control)));
  }
  return control;
}

const PropertyRow& FindOwnRow(const LiveControl& control, PropertyIndex index) {
  const ControlKind kind = control.def->kind;
  const KindProperties properties = PropertiesOf(kind);
  const auto row = std::find_if(properties.own.begin(), properties.own.end(),
                                [index](const PropertyRow& r) { return r.index == index; });
  if (index >= properties.listLength || row == properties.own.end()) {
    FatalError(QStringLiteral("the control kind %1 has no property %2 that can be accessed")
                   .arg(QString::fromUtf8(ControlKindName(kind)))
                   .arg(index));
  }
  return *row;
}

[[noreturn]] void WrongKind(const LiveControl& control, const char* name) {
  FatalError(QStringLiteral("the value given for %1 of %2 is of another kind")
                 .arg(QString::fromUtf8(name), QString::fromUtf8(control.def->name)));
}

// A fresh value from what the control reported, converted by value kind.
ValueCell CellFromRaw(ValueKind kind, RawValue raw) {
  switch (kind) {
    case ValueKind::Logical: return ValueCell::OfNumber(raw.number == 1 ? 1 : 0);
    case ValueKind::Text:
      return ValueCell::OfText(raw.bytes.empty() ? TextValue() : TextValue::Copy(raw.bytes));
    case ValueKind::Bytes: {
      const auto* data = reinterpret_cast<const std::uint8_t*>(raw.bytes.data());
      return ValueCell::OfBytes(ByteValue::Copy({data, raw.bytes.size()}));
    }
    default: return ValueCell::OfNumber(raw.number);
  }
}

RawInput RawFromArg(ValueKind kind, const ValueArg& value) {
  RawInput raw;
  switch (kind) {
    case ValueKind::Logical: raw.number = value.Number() != 0 ? 1 : 0; break;
    case ValueKind::Choice: raw.number = std::max(value.Number(), 0); break;
    case ValueKind::Text: raw.bytes = value.Text().Data() ? value.Text().Data() : ""; break;
    case ValueKind::Bytes:
      raw.bytes = {reinterpret_cast<const char*>(value.Bytes().data()), value.Bytes().size()};
      break;
    default: raw.number = value.Number(); break;
  }
  return raw;
}

RawValue ReadCommon(const LiveControl& control, PropertyIndex index) {
  const QRect place = control.IsLive() ? control.widget->geometry()
                                       : QRect(control.def->left, control.def->top,
                                               control.def->width, control.def->height);
  switch (index) {
    case common::kLeft: return NumberValue(place.x());
    case common::kTop: return NumberValue(place.y());
    case common::kWidth: return NumberValue(place.width());
    case common::kHeight: return NumberValue(place.height());
    case common::kTag: return RawValue{0, control.tag};
    case common::kVisible: return NumberValue(control.visibleSetting ? 1 : 0);
    case common::kDisable: return NumberValue(control.disabledSetting ? 1 : 0);
    default: return NumberValue(control.mousePointer);
  }
}

void WriteCommon(LiveControl& control, PropertyIndex index, const RawInput& value) {
  QWidget* widget = control.widget;
  switch (index) {
    case common::kLeft:
    case common::kTop:
    case common::kWidth:
    case common::kHeight: {
      if (widget == nullptr) return;
      QRect place = widget->geometry();
      if (index == common::kLeft) place.moveLeft(value.number);
      if (index == common::kTop) place.moveTop(value.number);
      if (index == common::kWidth) place.setWidth(value.number);
      if (index == common::kHeight) place.setHeight(value.number);
      widget->setGeometry(place);
      return;
    }
    case common::kTag: control.tag = std::string(value.bytes); return;
    case common::kVisible:
      // Showing neither gives the focus nor changes the content.
      control.visibleSetting = value.number != 0;
      if (widget != nullptr) widget->setVisible(control.visibleSetting);
      return;
    case common::kDisable:
      control.disabledSetting = value.number != 0;
      if (widget != nullptr) widget->setEnabled(!control.disabledSetting);
      return;
    default: control.mousePointer = value.number; return;
  }
}

}  // namespace

ValueCell ValueCell::OfNumber(std::int32_t number) {
  ValueCell cell;
  cell.number_ = number;
  return cell;
}

ValueCell ValueCell::OfText(TextValue text) {
  ValueCell cell;
  cell.holds_ = Holds::Text;
  cell.text_ = std::move(text);
  return cell;
}

ValueCell ValueCell::OfBytes(ByteValue bytes) {
  ValueCell cell;
  cell.holds_ = Holds::Bytes;
  cell.bytes_ = std::move(bytes);
  return cell;
}

std::int32_t ValueCell::Number() const {
  if (holds_ != Holds::Number) FatalError(QStringLiteral("a text or byte value was read as a number"));
  return number_;
}

TextValue ValueCell::TakeText() {
  if (holds_ != Holds::Text) FatalError(QStringLiteral("a value that is not a text was read as one"));
  return std::move(text_);
}

ByteValue ValueCell::TakeBytes() {
  if (holds_ != Holds::Bytes) FatalError(QStringLiteral("a value that is not bytes was read as bytes"));
  return std::move(bytes_);
}

ValueCell ReadProperty(ControlRef ref, PropertyIndex index, std::int32_t) {
  if (index < 0) FatalError(QStringLiteral("there is no property %1").arg(index));
  if (index < common::kFirstOwn) {
    LiveControl& control = FindControl(ref);
    const CommonRow& row = kCommonRows[static_cast<std::size_t>(index)];
    return CellFromRaw(row.kind, ReadCommon(control, index));
  }
  LiveControl& control = FindLiveControl(ref);
  const PropertyRow& row = FindOwnRow(control, index);
  if (row.read == nullptr) {
    FatalError(QStringLiteral("%1 of %2 cannot be read")
                   .arg(QString::fromUtf8(row.name), QString::fromUtf8(control.def->name)));
  }
  return CellFromRaw(row.kind, row.read(*control.widget));
}

void WriteProperty(ControlRef ref, PropertyIndex index, std::int32_t, const ValueArg& value) {
  if (index < 0) FatalError(QStringLiteral("there is no property %1").arg(index));
  if (index < common::kFirstOwn) {
    LiveControl& control = FindControl(ref);
    const CommonRow& row = kCommonRows[static_cast<std::size_t>(index)];
    if (value.Kind() != HoldsFor(row.kind)) WrongKind(control, row.name);
    WriteCommon(control, index, RawFromArg(row.kind, value));
    return;
  }
  LiveControl& control = FindLiveControl(ref);
  const PropertyRow& row = FindOwnRow(control, index);
  if (row.write == nullptr) {
    FatalError(QStringLiteral("%1 of %2 cannot be written")
                   .arg(QString::fromUtf8(row.name), QString::fromUtf8(control.def->name)));
  }
  if (value.Kind() != HoldsFor(row.kind)) WrongKind(control, row.name);
  row.write(*control.widget, RawFromArg(row.kind, value));
}

void FocusControl(ControlRef ref) {
  MainWindow* window = FindLoadedWindow(ref.window);
  LiveControl* control = window ? window->FindControl(ref.control) : nullptr;
  if (control == nullptr || !control->IsLive()) {
    FatalError(QStringLiteral("the window or control does not exist or is not loaded (%1, %2)")
                   .arg(Hex(ref.window), Hex(ref.control)));
  }
  QWidget* widget = control->widget;
  if (QApplication::focusWidget() == widget) return;
  // The control that loses the focus runs its lost-focus handler inside this call.
  widget->setFocus(Qt::OtherFocusReason);
}

}  // namespace chatmock

namespace chatmock {

QWidget& CommandTarget(ControlRef ref, ControlKind kind) {
  LiveControl& control = FindLiveControl(ref);
  if (control.def->kind != kind) {
    FatalError(QStringLiteral("%1 is not a %2")
                   .arg(QString::fromUtf8(control.def->name), QString::fromUtf8(ControlKindName(kind))));
  }
  return *control.widget;
}

}  // namespace chatmock
