#include "tools/artwork/artwork_options.h"

namespace chatmock {
namespace {

const QString kPreviewFlag = QStringLiteral("--preview");

}  // namespace

std::optional<ArtworkOptions> parseArtworkOptions(const QStringList &arguments, QString *error) {
  ArtworkOptions options;
  for (int i = 0; i < arguments.size(); ++i) {
    const QString &argument = arguments.at(i);
    if (argument == kPreviewFlag) {
      if (i + 1 >= arguments.size()) {
        *error = QStringLiteral("--preview needs a file name");
        return std::nullopt;
      }
      options.previewPath = arguments.at(++i);
    } else if (argument.startsWith(QLatin1Char('-'))) {
      *error = QStringLiteral("unknown option ") + argument;
      return std::nullopt;
    } else if (options.outputDir.isEmpty()) {
      options.outputDir = argument;
    } else {
      *error = QStringLiteral("more than one output folder given");
      return std::nullopt;
    }
  }
  if (options.outputDir.isEmpty()) {
    *error = QStringLiteral("no output folder given");
    return std::nullopt;
  }
  return options;
}

QString artworkUsage(const QString &program) {
  return QStringLiteral("usage: %1 OUTPUT_DIR [--preview FILE.png]").arg(program);
}

}  // namespace chatmock
