#pragma once
// 单选框: an automatic radio button, exclusive within its parent.

#include <QRadioButton>

#include "app/definition.h"
#include "app/property_table.h"

namespace chatmock {

class RadioBox : public QRadioButton {
  Q_OBJECT
 public:
  RadioBox(const ControlDef& def, QWidget* parent);
  static KindProperties Properties();

  // Checks the box (the group unchecks the others) or unchecks it.
  void SetCheckedState(bool checked);
  RawValue ReadChecked() const;
  void WriteChecked(const RawInput& value);
};

}  // namespace chatmock
