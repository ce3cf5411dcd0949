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

Bytes MakePcx(const PcxPlan& plan) {
  Bytes out;
  PutU8(out, 0x0A);
  PutU8(out, plan.version);
  PutU8(out, 1);
  PutU8(out, plan.bitsPerPixel);
  PutU16(out, plan.xMin);
  PutU16(out, plan.yMin);
  PutU16(out, plan.xMax);
  PutU16(out, plan.yMax);
  while (out.size() < 65) PutU8(out, 0);
  PutU8(out, plan.planes);
  PutU16(out, plan.bytesPerLine);
  while (out.size() < 128) PutU8(out, 0);
  Bytes decoded;
  for (const Bytes& row : plan.rows) decoded.insert(decoded.end(), row.begin(), row.end());
  PutBytes(out, EncodePcxRuns(decoded));
  if (plan.palette) {
    PutU8(out, 12);
    for (std::uint32_t colour : *plan.palette) {
      PutU8(out, colour >> 16);
      PutU8(out, (colour >> 8) & 0xFF);
      PutU8(out, colour & 0xFF);
    }
  }
  return out;
}

}  // namespace chatmock::pictures::testing
