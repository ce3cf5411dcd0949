#pragma once

#include <QString>

#include "tools/artwork/artwork_options.h"

namespace chatmock {

// Paints every stored picture and writes it into options.outputDir (and
// the preview, if asked). Returns false with *error set on the first
// file that cannot be written.
bool writeArtworkSet(const ArtworkOptions &options, QString *error);

}  // namespace chatmock
