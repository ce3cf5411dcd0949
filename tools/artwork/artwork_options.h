#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace chatmock {

struct ArtworkOptions {
  QString outputDir;
  QString previewPath;  // empty: no preview
};

// Reads "OUTPUT_DIR [--preview FILE.png]" (in either order). Returns
// nothing and sets *error when the arguments do not fit.
std::optional<ArtworkOptions> parseArtworkOptions(const QStringList &arguments, QString *error);

QString artworkUsage(const QString &program);

}  // namespace chatmock
