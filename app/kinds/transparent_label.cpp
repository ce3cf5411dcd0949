#include "app/kinds/transparent_label.h"

#include <QMouseEvent>
#include <QPainter>

#include <array>

#include "app/codepage.h"
#include "app/look.h"

namespace chatmock {
namespace {

constexpr std::int32_t kTransparentLabelListLength = 15;
constexpr std::array kTransparentLabelRows = {
    PropertyRow{8, "caption", ValueKind::Text,
                &ReadVia<TransparentLabel, &TransparentLabel::ReadCaption>,
                &WriteVia<TransparentLabel, &TransparentLabel::WriteCaption>},
};

}  // namespace

TransparentLabel::TransparentLabel(const ControlDef& def, QWidget* parent)
    : QWidget(parent), caption_(QString::fromUtf8(def.text)) {
  setFont(def.font ? SongFont(def.font->pixelHeight, def.font->weight) : DefaultGuiFont());
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
}

KindProperties TransparentLabel::Properties() {
  return {kTransparentLabelListLength, kTransparentLabelRows};
}

RawValue TransparentLabel::ReadCaption() const { return RawValue{0, EncodeCodePage(caption_)}; }

void TransparentLabel::WriteCaption(const RawInput& value) {
  caption_ = DecodeCodePage(value.bytes);
  // The label has no background of its own: repainting its rectangle lets
  // the parent and the siblings beneath paint first, so nothing of a longer
  // old caption remains.
  update();
}

void TransparentLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(Qt::black);
  painter.setFont(font());
  painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
}

// The label takes its presses so that they do not travel on to the picture
// beneath it, where they would start dragging the window.
void TransparentLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }
void TransparentLabel::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void TransparentLabel::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

}  // namespace chatmock
