#include "tools/artwork/header_area.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "tools/artwork/crisp_text.h"
#include "tools/artwork/frame_layout.h"
#include "tools/artwork/pixel_shapes.h"
#include "tools/artwork/theme.h"
#include "tools/artwork/tool_glyphs.h"

namespace chatmock {
namespace {

constexpr int kStatusIconSize = 14;
constexpr int kStatusIconGap = 4;
// Starting the text on an 8-pixel block edge keeps JPEG ringing from it
// inside the strip that covers it.
constexpr int kSignatureLeft = 128;
constexpr int kToolSlotWidth = 38;
constexpr int kToolFirstLeft = layout::kToolRowLeft + 6;
constexpr int kMenuArrowGap = 2;

const QString kSignature = QString::fromUtf8("周末去爬山，回来再聊～");

// A tiny desktop computer: the peer is signed in from a PC.
void paintComputerStatus(QPainter &painter, QPoint origin) {
  const QColor edge{0x3F, 0x6C, 0xA3};
  frameRect(painter, QRect(origin + QPoint(1, 1), QSize(12, 9)), edge);
  verticalGradient(painter, QRect(origin + QPoint(2, 2), QSize(10, 7)), QColor(0x9A, 0xD2, 0xFF),
                   QColor(0x3B, 0x8B, 0xE0));
  painter.fillRect(QRect(origin + QPoint(6, 10), QSize(2, 2)), edge);
  horizontalLine(painter, origin.x() + 3, origin.y() + 12, 8, edge);
}

// A tiny mobile phone: the peer is also reachable on the phone.
void paintPhoneStatus(QPainter &painter, QPoint origin) {
  const QColor edge{0x4A, 0x4A, 0x52};
  const QRect body(origin + QPoint(3, 0), QSize(8, 14));
  roundedFrame(painter, body, edge, QColor(0xB0, 0xB0, 0xB4));
  verticalGradient(painter, body.adjusted(1, 1, -1, -1), QColor(0xE8, 0xE8, 0xEC),
                   QColor(0xB8, 0xBA, 0xC2));
  painter.fillRect(QRect(body.left() + 2, body.top() + 2, 4, 5), QColor(0x5E, 0xC4, 0x4E));
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < 2; ++col) {
      painter.fillRect(QRect(body.left() + 2 + col * 3, body.top() + 9 + row * 2, 1, 1), edge);
    }
  }
}

}  // namespace

void paintSignatureLine(QPainter &painter) {
  const QRect strip = layout::kSignatureStrip;
  const int iconTop = strip.top() + (strip.height() - kStatusIconSize) / 2;
  paintComputerStatus(painter, QPoint(layout::kStatusIconsLeft, iconTop));
  paintPhoneStatus(painter,
                   QPoint(layout::kStatusIconsLeft + kStatusIconSize + kStatusIconGap, iconTop));
  drawTextIn(painter, strip.adjusted(kSignatureLeft - strip.left(), 0, 0, 0), kSignature,
             theme::kSoftText, songFont(kLabelPixels));
}

void paintToolRow(QPainter &painter) {
  using Glyph = void (*)(QPainter &, QPoint);
  struct Tool {
    Glyph glyph;
    bool hasMenu;
  };
  const Tool tools[] = {
      {paintVideoGlyph, true},        {paintVoiceGlyph, true},
      {paintFileTransferGlyph, true}, {paintRemoteDesktopGlyph, false},
      {paintGroupChatGlyph, false},   {paintMusicGlyph, false},
      {paintAppsGlyph, true},
  };
  const int top =
      layout::kToolRowTop + (layout::kToolRowBottom - layout::kToolRowTop - kToolGlyphSize) / 2 + 1;
  int left = kToolFirstLeft;
  for (const Tool &tool : tools) {
    tool.glyph(painter, QPoint(left, top));
    if (tool.hasMenu) {
      paintMenuArrow(painter, QPoint(left + kToolGlyphSize + kMenuArrowGap, top + 9),
                     theme::kGlyphDark);
    }
    left += kToolSlotWidth;
  }
}

}  // namespace chatmock
