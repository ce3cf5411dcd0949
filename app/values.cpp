#include "app/values.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

namespace chatmock {
namespace {

[[noreturn]] void AbortOnAllocationFailure(std::size_t) { std::abort(); }

AllocationFailureHandler g_allocation_failure = nullptr;

// The header of a byte block: a word that is always 1, then the count.
constexpr std::int32_t kByteBlockTag = 1;
constexpr std::size_t kByteHeaderSize = 2 * sizeof(std::int32_t);

}  // namespace

void SetAllocationFailureHandler(AllocationFailureHandler handler) {
  g_allocation_failure = handler;
}

void ReportAllocationFailure(std::size_t bytes) {
  if (g_allocation_failure != nullptr) g_allocation_failure(bytes);
  AbortOnAllocationFailure(bytes);
}

void* AllocateValueBlock(std::size_t bytes) {
  void* block = std::malloc(bytes == 0 ? 1 : bytes);
  if (block == nullptr) ReportAllocationFailure(bytes);
  return block;
}

void FreeValueBlock(void* block) noexcept { std::free(block); }

TextValue& TextValue::operator=(TextValue&& other) noexcept {
  if (this != &other) {
    FreeValueBlock(block_);
    block_ = other.block_;
    other.block_ = nullptr;
  }
  return *this;
}

TextValue TextValue::Copy(std::string_view bytes) {
  const std::size_t length = std::min(bytes.size(), bytes.find('\0'));
  auto* block = static_cast<char*>(AllocateValueBlock(length + 1));
  std::memcpy(block, bytes.data(), length);
  block[length] = '\0';
  return TextValue(block);
}

ByteValue& ByteValue::operator=(ByteValue&& other) noexcept {
  if (this != &other) {
    FreeValueBlock(block_);
    block_ = other.block_;
    other.block_ = nullptr;
  }
  return *this;
}

ByteValue ByteValue::Copy(std::span<const std::uint8_t> bytes) {
  ByteValue value;
  if (bytes.empty()) return value;
  if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    // The count is a signed 32-bit word; such a block cannot be described.
    ReportAllocationFailure(kByteHeaderSize + bytes.size());
  }
  const auto count = static_cast<std::int32_t>(bytes.size());
  auto* block = static_cast<std::uint8_t*>(AllocateValueBlock(kByteHeaderSize + bytes.size()));
  std::memcpy(block, &kByteBlockTag, sizeof kByteBlockTag);
  std::memcpy(block + sizeof kByteBlockTag, &count, sizeof count);
  std::memcpy(block + kByteHeaderSize, bytes.data(), bytes.size());
  value.block_ = block;
  return value;
}

std::span<const std::uint8_t> ByteValue::Bytes() const {
  if (block_ == nullptr) return {};
  std::int32_t count = 0;
  std::memcpy(&count, block_ + sizeof kByteBlockTag, sizeof count);
  return {block_ + kByteHeaderSize, static_cast<std::size_t>(count)};
}

std::int32_t TextLength(TextRef text) {
  return text.Data() ? static_cast<std::int32_t>(std::strlen(text.Data())) : 0;
}

TextValue JoinTexts(std::initializer_list<TextRef> pieces) {
  // Measure each piece once, keep the lengths, then allocate once.
  std::size_t small_lengths[8];
  std::vector<std::size_t> large_lengths;
  std::size_t* lengths = small_lengths;
  if (pieces.size() > std::size(small_lengths)) {
    large_lengths.resize(pieces.size());
    lengths = large_lengths.data();
  }
  std::size_t total = 1;
  std::size_t i = 0;
  for (const TextRef& piece : pieces) {
    lengths[i] = static_cast<std::size_t>(TextLength(piece));
    total += lengths[i++];
  }
  auto* block = static_cast<char*>(AllocateValueBlock(total));
  char* out = block;
  i = 0;
  for (const TextRef& piece : pieces) {
    if (lengths[i] != 0) std::memcpy(out, piece.Data(), lengths[i]);
    out += lengths[i++];
  }
  *out = '\0';
  return TextValue(block);
}

TextValue IntToText(std::int32_t value) {
  char digits[16];
  const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
  return TextValue::Copy(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

void ReleaseValue(TextValue& value) noexcept {
  FreeValueBlock(value.block_);
  value.block_ = nullptr;
}

void ReleaseValue(ByteValue& value) noexcept {
  FreeValueBlock(value.block_);
  value.block_ = nullptr;
}

}  // namespace chatmock
