#pragma once
// 图形按钮: a push button drawn from pictures, one per look.

#include <QImage>
#include <QWidget>

#include <array>

#include "app/definition.h"
#include "app/property_table.h"

namespace chatmock {

enum class ButtonLook { Normal = 0, Hover = 1, Pressed = 2 };

class PictureButton : public QWidget {
  Q_OBJECT
 public:
  enum Slot { kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3 };

  PictureButton(const ControlDef& def, QWidget* parent);
  static KindProperties Properties();

  ButtonLook Look() const { return look_; }
  // The picture painted for the current look and state; null when none.
  const QImage* ChosenPicture() const;
  void SetSlotPicture(Slot slot, std::span<const std::uint8_t> bytes);

  RawValue ReadToggleMode() const;
  void WriteToggleMode(const RawInput& value);
  RawValue ReadChecked() const;
  void WriteChecked(const RawInput& value);
  RawValue ReadTransparentColor() const;
  void WriteTransparentColor(const RawInput& value);
  template <Slot S>
  RawValue ReadSlot() const {
    return RawValue{0, slots_[S].bytes.toStdString()};
  }
  template <Slot S>
  void WriteSlot(const RawInput& value) {
    SetSlotPicture(S, {reinterpret_cast<const std::uint8_t*>(value.bytes.data()), value.bytes.size()});
  }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct SlotPicture {
    QByteArray bytes;
    QImage image;  // device-ready, natural size; null when the bytes give no picture
  };

  void SetLook(ButtonLook look);
  void PressAt();

  std::uint32_t id_;
  std::array<SlotPicture, 4> slots_;
  ButtonLook look_ = ButtonLook::Normal;
  int toggleMode_ = 0;
  bool checked_ = false;
  std::uint32_t transparentColor_ = kDefaultColor;
};

}  // namespace chatmock
