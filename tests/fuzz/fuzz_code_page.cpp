// The code page conversions at the boundary between controls and Qt, on
// arbitrary bytes.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/codepage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chatmock;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // Whatever the bytes, one round trip settles them: decoding what was
  // encoded gives back the same text.
  const QString text = DecodeCodePage(bytes);
  const std::string encoded = EncodeCodePage(text);
  if (DecodeCodePage(encoded) != text) std::abort();
  // A text value holds the bytes up to the first zero; an empty text is null.
  const TextValue value = TextFromQString(text);
  if (value.IsNull() != text.isEmpty()) std::abort();
  return 0;
}
