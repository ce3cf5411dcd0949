#include "app/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace chatmock {
namespace {
constexpr const char* kCodePageName = "GB18030";
}

QString DecodeCodePage(std::string_view bytes) {
  QStringDecoder decoder(kCodePageName);
  return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string EncodeCodePage(const QString& text) {
  QStringEncoder encoder(kCodePageName);
  const QByteArray bytes = encoder.encode(text);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

TextValue TextFromQString(const QString& text) {
  if (text.isEmpty()) return TextValue();
  return TextValue::Copy(EncodeCodePage(text));
}

}  // namespace chatmock
