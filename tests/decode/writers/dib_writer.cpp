#include "tests/decode/writers/dib_writer.h"

#include <cstdlib>

namespace chatmock::pictures::testing {
namespace {

void PadRow(Bytes& out, std::size_t rowStart) {
  while ((out.size() - rowStart) % 4 != 0) PutU8(out, 0);
}

void PutPackedRow(Bytes& out, int width, int bits, const std::function<std::uint32_t(int)>& value) {
  const std::size_t start = out.size();
  unsigned byte = 0;
  int used = 0;
  for (int x = 0; x < width; ++x) {
    byte = (byte << bits) | (value(x) & ((1u << bits) - 1));
    used += bits;
    if (used == 8) {
      PutU8(out, byte);
      byte = 0;
      used = 0;
    }
  }
  if (used > 0) PutU8(out, byte << (8 - used));
  PadRow(out, start);
}

}  // namespace

Bytes MakeDib(const DibPlan& plan, int rows) {
  Bytes out;
  PutU32(out, plan.headerSize);
  PutU32(out, static_cast<std::uint32_t>(plan.width));
  PutU32(out, static_cast<std::uint32_t>(plan.height));
  PutU16(out, 1);
  PutU16(out, plan.bits);
  PutU32(out, plan.compression);
  PutU32(out, 0);
  PutU32(out, 2835);
  PutU32(out, 2835);
  PutU32(out, plan.colorsUsed);
  PutU32(out, 0);
  while (out.size() < plan.headerSize) PutU8(out, 0);
  for (std::uint32_t colour : plan.palette) {
    PutU8(out, colour & 0xFF);
    PutU8(out, (colour >> 8) & 0xFF);
    PutU8(out, (colour >> 16) & 0xFF);
    PutU8(out, 0);
  }
  const bool topDown = plan.height < 0;
  const int width = std::abs(plan.width);
  for (int fileRow = 0; fileRow < rows; ++fileRow) {
    const int y = topDown ? fileRow : rows - 1 - fileRow;
    if (plan.bits <= 8) {
      PutPackedRow(out, width, plan.bits, [&](int x) { return plan.pixel(x, y); });
      continue;
    }
    const std::size_t start = out.size();
    for (int x = 0; x < width; ++x) {
      const std::uint32_t colour = plan.pixel(x, y);
      PutU8(out, colour & 0xFF);
      PutU8(out, (colour >> 8) & 0xFF);
      PutU8(out, (colour >> 16) & 0xFF);
      if (plan.bits == 32) PutU8(out, colour >> 24);
    }
    PadRow(out, start);
  }
  return out;
}

Bytes MakeMaskRows(int width, int height, const std::function<bool(int x, int y)>& bit) {
  Bytes out;
  for (int fileRow = 0; fileRow < height; ++fileRow) {
    const int y = height - 1 - fileRow;
    PutPackedRow(out, width, 1, [&](int x) { return bit(x, y) ? 1u : 0u; });
  }
  return out;
}

}  // namespace chatmock::pictures::testing
