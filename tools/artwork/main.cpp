// Paints the program's stored pictures into a folder:
//   chatmock-artwork OUTPUT_DIR [--preview FILE.png]

#include <QGuiApplication>
#include <cstdio>

#include "tools/artwork/artwork_options.h"
#include "tools/artwork/artwork_set.h"

int main(int argc, char *argv[]) {
  // Painting needs fonts but no screen; the generator must run headless.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QStringList arguments = app.arguments();
  const QString program = arguments.takeFirst();

  QString error;
  const std::optional<chatmock::ArtworkOptions> options =
      chatmock::parseArtworkOptions(arguments, &error);
  if (!options) {
    std::fprintf(stderr, "%s\n%s\n", qPrintable(error),
                 qPrintable(chatmock::artworkUsage(program)));
    return 2;
  }
  if (!chatmock::writeArtworkSet(*options, &error)) {
    std::fprintf(stderr, "chatmock-artwork: %s\n", qPrintable(error));
    return 1;
  }
  return 0;
}
