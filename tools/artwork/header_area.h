#pragma once

class QPainter;

namespace chatmock {

// The line under the nickname: two status icons and the peer's signature,
// on the white band.
void paintSignatureLine(QPainter &painter);

// The row of tool glyphs below the signature.
void paintToolRow(QPainter &painter);

}  // namespace chatmock
