#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace chatmock::testing {

// The committed assets, read from the source tree so the test checks what
// the program ships rather than what the generator would make now.
inline std::string assetPath(const std::string &name) {
  return std::string(CHATMOCK_ASSETS_DIR) + "/" + name;
}

inline std::vector<std::uint8_t> readAsset(const std::string &name) {
  std::ifstream file(assetPath(name), std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file),
                                   std::istreambuf_iterator<char>());
}

}  // namespace chatmock::testing
