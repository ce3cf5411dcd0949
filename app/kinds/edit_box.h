#pragma once
// 编辑框: a one-line edit box with a one-pixel static edge.

#include <QLineEdit>

#include "app/definition.h"
#include "app/property_table.h"

namespace chatmock {

class EditBox : public QLineEdit {
  Q_OBJECT
 public:
  EditBox(const ControlDef& def, QWidget* parent);
  static KindProperties Properties();

  RawValue ReadText() const;
  void WriteText(const RawInput& value);
};

}  // namespace chatmock
