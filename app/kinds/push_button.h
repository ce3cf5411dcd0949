#pragma once
// 按钮: an ordinary push button, never a default button, so Enter never clicks it.

#include <QPushButton>

#include "app/definition.h"
#include "app/property_table.h"

namespace chatmock {

class PushButton : public QPushButton {
  Q_OBJECT
 public:
  PushButton(const ControlDef& def, QWidget* parent);
  static KindProperties Properties();

  RawValue ReadCaption() const;
  void WriteCaption(const RawInput& value);
};

}  // namespace chatmock
