#include "tools/artwork/artwork_set.h"

#include <QDir>
#include <QSaveFile>
#include <string>

#include "tools/artwork/app_icon.h"
#include "tools/artwork/chat_frame.h"
#include "tools/artwork/frame_layout.h"
#include "tools/artwork/jpeg_file_writer.h"
#include "tools/artwork/preview.h"

namespace chatmock {
namespace {

bool writeJpeg(const QImage &image, const QDir &dir, const QString &name, QString *error) {
  std::string reason;
  if (writeBaselineJpeg(image, dir.filePath(name), JpegSettings{}, &reason)) return true;
  *error = name + QStringLiteral(": ") + QString::fromStdString(reason);
  return false;
}

bool writePng(const QImage &image, const QString &path, QString *error) {
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit()) return true;
  *error = path + QStringLiteral(": cannot write PNG");
  return false;
}

bool writeText(const QString &text, const QString &path, QString *error) {
  QSaveFile file(path);
  const QByteArray bytes = text.toUtf8();
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
    return true;
  }
  *error = path + QStringLiteral(": ") + file.errorString();
  return false;
}

}  // namespace

bool writeArtworkSet(const ArtworkOptions &options, QString *error) {
  const QDir dir(options.outputDir);
  if (!dir.exists() && !QDir().mkpath(options.outputDir)) {
    *error = options.outputDir + QStringLiteral(": cannot create folder");
    return false;
  }
  const FramePictures pictures = paintFramePictures();
  const bool written =
      writeJpeg(pictures.frame, dir, QStringLiteral("chat_frame.jpg"), error) &&
      writeJpeg(pictures.sendButton, dir, QStringLiteral("send_button.jpg"), error) &&
      writeJpeg(pictures.pressedSendButton, dir, QStringLiteral("send_button_pressed.jpg"),
                error) &&
      writePng(paintAppIcon(layout::kIconSize), dir.filePath(QStringLiteral("chatmock.png")),
               error) &&
      writeText(appIconSvg(), dir.filePath(QStringLiteral("chatmock.svg")), error);
  if (!written || options.previewPath.isEmpty()) return written;
  return writePng(paintWindowPreview(pictures.frame), options.previewPath, error);
}

}  // namespace chatmock
