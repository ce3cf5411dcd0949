#include "pictures/picture_button.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "app/dispatch.h"
#include "pictures/decode/decode.h"

namespace chatmock {
namespace {

constexpr std::int32_t kPictureButtonListLength = 15;
constexpr int kLastToggleMode = 1;
using PB = PictureButton;

constexpr std::array kPictureButtonRows = {
    PropertyRow{8, "ToggleMode", ValueKind::Choice, &ReadVia<PB, &PB::ReadToggleMode>,
                &WriteVia<PB, &PB::WriteToggleMode>},
    PropertyRow{9, "Checked", ValueKind::Logical, &ReadVia<PB, &PB::ReadChecked>,
                &WriteVia<PB, &PB::WriteChecked>},
    PropertyRow{10, "PicNormal", ValueKind::Bytes, &ReadVia<PB, &PB::ReadSlot<PB::kNormal>>,
                &WriteVia<PB, &PB::WriteSlot<PB::kNormal>>},
    PropertyRow{11, "PicHover", ValueKind::Bytes, &ReadVia<PB, &PB::ReadSlot<PB::kHover>>,
                &WriteVia<PB, &PB::WriteSlot<PB::kHover>>},
    PropertyRow{12, "PicPressed", ValueKind::Bytes, &ReadVia<PB, &PB::ReadSlot<PB::kPressed>>,
                &WriteVia<PB, &PB::WriteSlot<PB::kPressed>>},
    PropertyRow{13, "PicDisabled", ValueKind::Bytes, &ReadVia<PB, &PB::ReadSlot<PB::kDisabled>>,
                &WriteVia<PB, &PB::WriteSlot<PB::kDisabled>>},
    PropertyRow{14, "TransparentColor", ValueKind::Colour,
                &ReadVia<PB, &PB::ReadTransparentColor>, &WriteVia<PB, &PB::WriteTransparentColor>},
};

// Decoded once into an opaque image of natural size: a GIF as its still
// picture, icons drawn onto white.
QImage DeviceReadyImage(std::span<const std::uint8_t> bytes) {
  const std::optional<pictures::DecodedPicture> decoded = pictures::DecodePicture(bytes);
  if (!decoded) return {};
  const QImage view(reinterpret_cast<const uchar*>(decoded->pixels.data()), decoded->width,
                    decoded->height, static_cast<qsizetype>(decoded->width) * 4,
                    decoded->hasMask ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  QImage image(view.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.drawImage(0, 0, view);
  return image;
}

}  // namespace

PictureButton::PictureButton(const ControlDef& def, QWidget* parent) : QWidget(parent), id_(def.id) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  SetSlotPicture(kNormal, StoredPictureBytes(def.picture));
  SetSlotPicture(kPressed, StoredPictureBytes(def.pressedPicture));
}

KindProperties PictureButton::Properties() { return {kPictureButtonListLength, kPictureButtonRows}; }

void PictureButton::SetSlotPicture(Slot slot, std::span<const std::uint8_t> bytes) {
  const QImage* before = ChosenPicture();
  slots_[slot].bytes = QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                  static_cast<qsizetype>(bytes.size()));
  slots_[slot].image = bytes.empty() ? QImage() : DeviceReadyImage(bytes);
  if (before == &slots_[slot].image || ChosenPicture() == &slots_[slot].image) repaint();
}

const QImage* PictureButton::ChosenPicture() const {
  const QImage* candidate = nullptr;
  if (look_ == ButtonLook::Hover) candidate = &slots_[kHover].image;
  if (look_ == ButtonLook::Pressed) candidate = &slots_[kPressed].image;
  if (!isEnabled() && !slots_[kDisabled].image.isNull()) candidate = &slots_[kDisabled].image;
  if (candidate == nullptr || candidate->isNull()) candidate = &slots_[kNormal].image;
  return candidate->isNull() ? nullptr : candidate;
}

void PictureButton::paintEvent(QPaintEvent*) {
  // Through an off-screen image, so that a change of look does not flicker.
  QImage frame(size(), QImage::Format_RGB32);
  frame.fill(Qt::black);
  if (const QImage* picture = ChosenPicture()) {
    QPainter offscreen(&frame);
    offscreen.drawImage(0, 0, *picture);
  }
  QPainter painter(this);
  painter.drawImage(0, 0, frame);
}

void PictureButton::SetLook(ButtonLook look) {
  if (look == look_) return;
  look_ = look;
  repaint();  // every change of look is drawn at once
}

void PictureButton::PressAt() {
  if (isEnabled()) SetLook(ButtonLook::Pressed);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) PressAt();
  event->accept();
}

// The second press of a double click presses the button again, so a double
// click posts two clicks.
void PictureButton::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) PressAt();
  event->accept();
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
  if (!isEnabled()) return;
  const bool over = rect().contains(event->position().toPoint());
  if (!over) {
    SetLook(ButtonLook::Normal);
  } else {
    SetLook((event->buttons() & Qt::LeftButton) ? ButtonLook::Pressed : ButtonLook::Hover);
  }
  event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  const bool inside = rect().contains(event->position().toPoint());
  if (!inside || !isEnabled()) {
    SetLook(ButtonLook::Normal);
    return;
  }
  SetLook(ButtonLook::Normal);
  RaiseEvent(id_, events::kClicked);
}

void PictureButton::leaveEvent(QEvent* event) {
  // While the button holds the mouse, its moves decide the look.
  if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) SetLook(ButtonLook::Normal);
  QWidget::leaveEvent(event);
}

void PictureButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) repaint();
  QWidget::changeEvent(event);
}

RawValue PictureButton::ReadToggleMode() const { return NumberValue(toggleMode_); }
void PictureButton::WriteToggleMode(const RawInput& value) {
  toggleMode_ = std::min(value.number, kLastToggleMode);
}
RawValue PictureButton::ReadChecked() const { return NumberValue(checked_ ? 1 : 0); }
void PictureButton::WriteChecked(const RawInput& value) { checked_ = value.number != 0; }
RawValue PictureButton::ReadTransparentColor() const {
  return NumberValue(static_cast<std::int32_t>(transparentColor_));
}
void PictureButton::WriteTransparentColor(const RawInput& value) {
  transparentColor_ = static_cast<std::uint32_t>(value.number);
}

}  // namespace chatmock
