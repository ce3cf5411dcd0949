#pragma once
// 标签: fills its area with its background colour and paints its caption.

#include <QString>
#include <QWidget>

#include <cstdint>

#include "app/definition.h"
#include "app/property_table.h"

namespace chatmock {

class Label : public QWidget {
  Q_OBJECT
 public:
  Label(const ControlDef& def, QWidget* parent);
  static KindProperties Properties();

  std::uint32_t TextColor() const { return textColor_; }
  QString Caption() const { return caption_; }
  RawValue ReadTextColor() const;
  void WriteTextColor(const RawInput& value);
  RawValue ReadBackColor() const;
  void WriteBackColor(const RawInput& value);
  RawValue ReadCaption() const;
  void WriteCaption(const RawInput& value);

  // A feedback request: raises the feedback event and answers with its result.
  int RequestFeedback(int first, int second);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::uint32_t id_;
  QString caption_;
  std::uint32_t textColor_;
  std::uint32_t backColor_;
};

}  // namespace chatmock
