#include "tests/decode/writers/icon_writer.h"

namespace chatmock::pictures::testing {

Bytes MakeIconFile(unsigned type, const std::vector<IconEntryPlan>& entries) {
  Bytes out;
  PutU16(out, 0);
  PutU16(out, type);
  PutU16(out, static_cast<unsigned>(entries.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
  for (const IconEntryPlan& entry : entries) {
    PutU8(out, entry.widthByte);
    PutU8(out, entry.heightByte);
    PutU8(out, entry.colourByte);
    PutU8(out, 0);
    PutU16(out, 1);
    PutU16(out, 32);
    PutU32(out, static_cast<std::uint32_t>(entry.image.size()));
    PutU32(out, offset);
    offset += static_cast<std::uint32_t>(entry.image.size());
  }
  for (const IconEntryPlan& entry : entries) PutBytes(out, entry.image);
  return out;
}

}  // namespace chatmock::pictures::testing
