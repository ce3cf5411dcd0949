#include "tests/decode/writers/pcx_writer.h"

namespace chatmock::pictures::testing {

Bytes EncodePcxRuns(const Bytes& decoded) {
  constexpr std::size_t kLongestRun = 63;
  Bytes out;
  for (std::size_t at = 0; at < decoded.size();) {
    std::size_t run = 1;
    while (at + run < decoded.size() && run < kLongestRun && decoded[at + run] == decoded[at]) ++run;
    if (run > 1 || decoded[at] > 192) PutU8(out, 192 + static_cast<unsigned>(run));
    PutU8(out, decoded[at]);
    at += run;
  }
  return out;
}

Bytes MakePcx(const PcxSpec& spec) {
  Bytes out;
  PutU8(out, 0x0A);
  PutU8(out, spec.version);
  PutU8(out, 1);
  PutU8(out, spec.bitsPerPixel);
  PutU16(out, spec.xMin);
  PutU16(out, spec.yMin);
  PutU16(out, spec.xMax);
  PutU16(out, spec.yMax);
  while (out.size() < 65) PutU8(out, 0);
  PutU8(out, spec.planes);
  PutU16(out, spec.bytesPerLine);
  while (out.size() < 128) PutU8(out, 0);
  Bytes decoded;
  for (const Bytes& row : spec.rows) decoded.insert(decoded.end(), row.begin(), row.end());
  PutBytes(out, EncodePcxRuns(decoded));
  if (spec.palette) {
    PutU8(out, 12);
    for (std::uint32_t colour : *spec.palette) {
      PutU8(out, colour >> 16);
      PutU8(out, (colour >> 8) & 0xFF);
      PutU8(out, colour & 0xFF);
    }
  }
  return out;
}

}  // namespace chatmock::pictures::testing
