#include "tests/decode/writers/bmp_writer.h"

#include <cstdlib>

namespace chatmock::pictures::testing {

Bytes MakeBmp(const BmpPlan& plan) {
  constexpr std::uint32_t kFileHeaderSize = 14;
  const Bytes dib = MakeDib(plan.dib, std::abs(plan.dib.height));
  const std::uint32_t headersAndPalette =
      kFileHeaderSize + plan.dib.headerSize + static_cast<std::uint32_t>(plan.dib.palette.size()) * 4;
  Bytes out;
  PutU8(out, 'B');
  PutU8(out, 'M');
  PutU32(out, static_cast<std::uint32_t>(kFileHeaderSize + dib.size() + plan.gapBeforeRows));
  PutU32(out, 0);
  PutU32(out, plan.dataOffset.value_or(headersAndPalette + plan.gapBeforeRows));
  const std::size_t rowsStart = headersAndPalette - kFileHeaderSize;
  out.insert(out.end(), dib.begin(), dib.begin() + static_cast<std::ptrdiff_t>(rowsStart));
  out.insert(out.end(), plan.gapBeforeRows, 0xEE);
  out.insert(out.end(), dib.begin() + static_cast<std::ptrdiff_t>(rowsStart), dib.end());
  return out;
}

}  // namespace chatmock::pictures::testing
