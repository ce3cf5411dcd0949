#pragma once
// 透明标签: paints its caption and nothing behind it, so whatever lies
// beneath shows through between the letters.

#include <QString>
#include <QWidget>

#include "app/definition.h"
#include "app/property_table.h"

namespace chatmock {

class TransparentLabel : public QWidget {
  Q_OBJECT
 public:
  TransparentLabel(const ControlDef& def, QWidget* parent);
  static KindProperties Properties();

  QString Caption() const { return caption_; }
  RawValue ReadCaption() const;
  void WriteCaption(const RawInput& value);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QString caption_;
};

}  // namespace chatmock
