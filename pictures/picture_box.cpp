#include "pictures/picture_box.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <array>

#include "app/look.h"
#include "pictures/decode/decode.h"

namespace chatmock {
namespace {

constexpr std::int32_t kPictureBoxListLength = 15;
constexpr int kLastBorder = 5;

constexpr std::array kPictureBoxRows = {
    PropertyRow{8, "border", ValueKind::Choice, &ReadVia<PictureBox, &PictureBox::ReadBorder>,
                &WriteVia<PictureBox, &PictureBox::WriteBorder>},
    PropertyRow{9, "BackColor", ValueKind::Colour, &ReadVia<PictureBox, &PictureBox::ReadBackColor>,
                &WriteVia<PictureBox, &PictureBox::WriteBackColor>},
    PropertyRow{10, "picture", ValueKind::Bytes, &ReadVia<PictureBox, &PictureBox::ReadPicture>,
                &WriteVia<PictureBox, &PictureBox::WritePicture>},
    PropertyRow{11, "DisplayMode", ValueKind::Choice,
                &ReadVia<PictureBox, &PictureBox::ReadDisplayMode>,
                &WriteVia<PictureBox, &PictureBox::WriteDisplayMode>},
    PropertyRow{12, "PlayAnimation", ValueKind::Logical,
                &ReadVia<PictureBox, &PictureBox::ReadPlayAnimation>,
                &WriteVia<PictureBox, &PictureBox::WritePlayAnimation>},
};

// Averaging pixels only pays off on a display with more than 16 bits per pixel.
bool SmoothScaling() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen == nullptr || screen->depth() > 16;
}

QImage ViewOfPixels(const std::vector<std::uint32_t>& pixels, int width, int height, bool masked) {
  return QImage(reinterpret_cast<const uchar*>(pixels.data()), width, height,
                static_cast<qsizetype>(width) * 4, masked ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

std::span<const std::uint8_t> AsBytes(std::string_view bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

}  // namespace

PictureBox::PictureBox(const ControlDef& def, QWidget* parent)
    : QWidget(parent),
      backColor_(def.backColor),
      displayMode_(static_cast<DisplayMode>(std::clamp(def.displayMode, 0, kLastDisplayMode))) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  frameTimer_.setSingleShot(true);
  frameTimer_.setTimerType(Qt::PreciseTimer);
  connect(&frameTimer_, &QTimer::timeout, this, &PictureBox::ShowNextFrame);
  SetPicture(StoredPictureBytes(def.picture));
}

KindProperties PictureBox::Properties() { return {kPictureBoxListLength, kPictureBoxRows}; }

void PictureBox::SetPicture(std::span<const std::uint8_t> bytes) {
  StopAnimation();
  image_ = QImage();
  decoded_.reset();
  bytes_ = QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  if (!bytes.empty()) {
    if (playAnimation_ && pictures::DetectPictureKind(bytes) == pictures::PictureKind::Gif) {
      animation_ = pictures::GifAnimation::Parse(bytes);
      if (animation_ && !animation_->IsAnimated()) animation_.reset();
    }
    if (animation_) {
      // The animation starts at the first repaint after the picture was set.
      animationPending_ = true;
      image_ = ViewOfPixels(animation_->Canvas(), animation_->Width(), animation_->Height(), false);
    } else if ((decoded_ = pictures::DecodePicture(bytes))) {
      image_ = ViewOfPixels(decoded_->pixels, decoded_->width, decoded_->height, decoded_->hasMask);
    }
  }
  update();  // no synchronous drawing: the next repaint shows the new state
}

void PictureBox::StopAnimation() {
  frameTimer_.stop();
  animationPending_ = false;
  animation_.reset();
}

void PictureBox::StartAnimationIfPending() {
  if (!animationPending_ || !animation_) return;
  animationPending_ = false;
  frameTimer_.start(animation_->Advance());
}

void PictureBox::ShowNextFrame() {
  if (!animation_) return;
  frameTimer_.start(animation_->Advance());
  update();
}

QRect PictureBox::PictureRect() const {
  if (image_.isNull()) return {};
  return PlacePicture(image_.size(), size(), displayMode_);
}

void PictureBox::paintEvent(QPaintEvent*) {
  StartAnimationIfPending();
  QPainter painter(this);
  painter.fillRect(rect(), ColorFromBgr(backColor_, ButtonFaceColor()));
  if (image_.isNull()) return;
  const QRect target = PictureRect();
  if (target.size() != image_.size()) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform, SmoothScaling());
  }
  painter.drawImage(target, image_);
}

RawValue PictureBox::ReadBorder() const { return NumberValue(border_); }
void PictureBox::WriteBorder(const RawInput& value) { border_ = std::min(value.number, kLastBorder); }

RawValue PictureBox::ReadBackColor() const { return NumberValue(static_cast<std::int32_t>(backColor_)); }
void PictureBox::WriteBackColor(const RawInput& value) {
  backColor_ = static_cast<std::uint32_t>(value.number);
  update();
}

RawValue PictureBox::ReadPicture() const { return RawValue{0, bytes_.toStdString()}; }
void PictureBox::WritePicture(const RawInput& value) { SetPicture(AsBytes(value.bytes)); }

RawValue PictureBox::ReadDisplayMode() const { return NumberValue(static_cast<int>(displayMode_)); }
void PictureBox::WriteDisplayMode(const RawInput& value) {
  displayMode_ = static_cast<DisplayMode>(std::min(value.number, kLastDisplayMode));
  update();
}

RawValue PictureBox::ReadPlayAnimation() const { return NumberValue(playAnimation_ ? 1 : 0); }
void PictureBox::WritePlayAnimation(const RawInput& value) { playAnimation_ = value.number != 0; }

}  // namespace chatmock
