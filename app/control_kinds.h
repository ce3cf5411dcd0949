#pragma once
// The one place that knows every control kind: making a control's widget
// from its definition, and each kind's property list.

#include <QWidget>

#include "app/definition.h"
#include "app/property_table.h"

namespace chatmock {

QWidget* CreateControlWidget(const ControlDef& def, QWidget* parent);
KindProperties PropertiesOf(ControlKind kind);

// Picture boxes and labels drag the window when pressed.
bool DragsWindow(ControlKind kind);
// A multi-line box takes Enter for itself.
bool ClaimsEnter(ControlKind kind);

}  // namespace chatmock
