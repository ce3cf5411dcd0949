#pragma once
// The one place that converts between Qt strings and the program's code page.
//
// Texts are GB18030: every GBK text has the same bytes in it, and every
// character a user can type (emoji, rare CJK) survives instead of turning
// into "?". Lengths stay byte lengths in this encoding.

#include <QString>

#include <string>
#include <string_view>

#include "app/values.h"

namespace chatmock {

QString DecodeCodePage(std::string_view bytes);
std::string EncodeCodePage(const QString& text);
TextValue TextFromQString(const QString& text);
inline QString QStringFromText(TextRef text) {
  return text.Data() ? DecodeCodePage(text.Data()) : QString();
}

}  // namespace chatmock
