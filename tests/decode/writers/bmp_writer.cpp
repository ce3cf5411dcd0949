#include "tests/decode/writers/bmp_writer.h"

#include <cstdlib>

namespace chatmock::pictures::testing {

Bytes MakeBmp(const BmpSpec& spec) {
  constexpr std::uint32_t kFileHeaderSize = 14;
  const Bytes dib = MakeDib(spec.dib, std::abs(spec.dib.height));
  const std::uint32_t headersAndPalette =
      kFileHeaderSize + spec.dib.headerSize + static_cast<std::uint32_t>(spec.dib.palette.size()) * 4;
  Bytes out;
  PutU8(out, 'B');
  PutU8(out, 'M');
  PutU32(out, static_cast<std::uint32_t>(kFileHeaderSize + dib.size() + spec.gapBeforeRows));
  PutU32(out, 0);
  PutU32(out, spec.dataOffset.value_or(headersAndPalette + spec.gapBeforeRows));
  const std::size_t rowsStart = headersAndPalette - kFileHeaderSize;
  out.insert(out.end(), dib.begin(), dib.begin() + static_cast<std::ptrdiff_t>(rowsStart));
  out.insert(out.end(), spec.gapBeforeRows, 0xEE);
  out.insert(out.end(), dib.begin() + static_cast<std::ptrdiff_t>(rowsStart), dib.end());
  return out;
}

}  // namespace chatmock::pictures::testing
