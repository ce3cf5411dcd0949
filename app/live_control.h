#pragma once
// A control of a loaded window: its stored definition, its widget, and the
// common settings that live beside the widget.

#include <QPointer>
#include <QWidget>

#include <string>

#include "app/definition.h"

namespace chatmock {

struct LiveControl {
  const ControlDef* def = nullptr;
  QPointer<QWidget> widget;  // null once the widget is gone
  bool visibleSetting = false;
  bool disabledSetting = false;
  std::int32_t mousePointer = 0;
  std::string tag;  // code page bytes

  bool IsLive() const { return !widget.isNull(); }
};

}  // namespace chatmock
