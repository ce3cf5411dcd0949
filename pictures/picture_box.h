#pragma once
// 图片框: shows a picture given as the bytes of an image file, placed by its
// display mode, and plays GIF animations.

#include <QByteArray>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <span>

#include "app/definition.h"
#include "app/property_table.h"
#include "pictures/decode/decoded_picture.h"
#include "pictures/decode/gif_animation.h"
#include "pictures/placement.h"

namespace chatmock {

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  PictureBox(const ControlDef& def, QWidget* parent);
  static KindProperties Properties();

  // Keeps a copy of the bytes and decodes them once; no bytes clear the box.
  void SetPicture(std::span<const std::uint8_t> bytes);
  bool HasPicture() const { return !image_.isNull(); }
  bool IsAnimating() const { return frameTimer_.isActive(); }
  // Where the picture is drawn in the box; empty without a picture.
  QRect PictureRect() const;
  const QImage& CurrentImage() const { return image_; }

  RawValue ReadBorder() const;
  void WriteBorder(const RawInput& value);
  RawValue ReadBackColor() const;
  void WriteBackColor(const RawInput& value);
  RawValue ReadPicture() const;
  void WritePicture(const RawInput& value);
  RawValue ReadDisplayMode() const;
  void WriteDisplayMode(const RawInput& value);
  RawValue ReadPlayAnimation() const;
  void WritePlayAnimation(const RawInput& value);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void StopAnimation();
  void ShowNextFrame();
  void StartAnimationIfPending();

  int border_ = 0;
  std::uint32_t backColor_;
  DisplayMode displayMode_;
  bool playAnimation_ = true;
  QByteArray bytes_;
  std::optional<pictures::DecodedPicture> decoded_;  // owns the pixels image_ shows
  std::optional<pictures::GifAnimation> animation_;  // owns the canvas image_ shows
  bool animationPending_ = false;
  QImage image_;  // a view of decoded_ or of the animation's canvas
  QTimer frameTimer_;
};

}  // namespace chatmock
