#include "pictures/decode/decoded_picture.h"

namespace chatmock::pictures {

const char* PictureKindName(PictureKind kind) {
  switch (kind) {
    case PictureKind::Jpeg: return "Jpeg";
    case PictureKind::Bmp: return "Bmp";
    case PictureKind::Icon: return "Icon";
    case PictureKind::Cursor: return "Cursor";
    case PictureKind::Gif: return "Gif";
    case PictureKind::Pcx8: return "Pcx8";
    case PictureKind::Pcx1: return "Pcx1";
  }
  return "Unknown";
}

}  // namespace chatmock::pictures
