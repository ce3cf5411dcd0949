#pragma once
// Heap values that handlers own: texts and byte blocks.
//
// A TextValue is a zero-terminated block of bytes in the program's code page
// (GB18030); its length counts bytes. Null and empty are the same text.
// A ByteValue is a block of a 32-bit word that is always 1, a 32-bit count n
// of at least 1, then the n bytes; null stands for no bytes.
//
// Both are move-only owning handles: a value that is forgotten is still freed
// at the end of its scope, and ReleaseValue leaves the handle null, so a
// second release does nothing.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace chatmock {

// Called when the heap cannot supply a block. It must not return.
using AllocationFailureHandler = void (*)(std::size_t bytes);
void SetAllocationFailureHandler(AllocationFailureHandler handler);

// Never returns null: a failed allocation goes to the failure handler.
void* AllocateValueBlock(std::size_t bytes);
void FreeValueBlock(void* block) noexcept;

class TextRef;

// Reports a failed allocation of the given size to the failure handler.
[[noreturn]] void ReportAllocationFailure(std::size_t bytes);

class TextValue {
 public:
  TextValue() = default;
  TextValue(std::nullptr_t) {}
  TextValue(TextValue&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
  TextValue& operator=(TextValue&& other) noexcept;
  TextValue(const TextValue&) = delete;
  TextValue& operator=(const TextValue&) = delete;
  ~TextValue() { FreeValueBlock(block_); }

  // A fresh block holding the bytes (up to a zero byte, if any) and the terminator.
  static TextValue Copy(std::string_view bytes);

  const char* Data() const { return block_; }
  bool IsNull() const { return block_ == nullptr; }
  std::string_view View() const { return block_ ? std::string_view(block_) : std::string_view(); }

 private:
  friend void ReleaseValue(TextValue& value) noexcept;
  friend TextValue JoinTexts(std::initializer_list<TextRef> pieces);
  explicit TextValue(char* block) : block_(block) {}
  char* block_ = nullptr;
};

// A borrowed text argument: a TextValue, a constant literal, or null. Texts
// passed as arguments are only read.
class TextRef {
 public:
  TextRef(std::nullptr_t) {}
  TextRef(const char* text) : text_(text) {}
  TextRef(const TextValue& value) : text_(value.Data()) {}
  const char* Data() const { return text_; }

 private:
  const char* text_ = nullptr;
};

class ByteValue {
 public:
  ByteValue() = default;
  ByteValue(std::nullptr_t) {}
  ByteValue(ByteValue&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
  ByteValue& operator=(ByteValue&& other) noexcept;
  ByteValue(const ByteValue&) = delete;
  ByteValue& operator=(const ByteValue&) = delete;
  ~ByteValue() { FreeValueBlock(block_); }

  // A fresh block holding the bytes; no bytes give a null value.
  static ByteValue Copy(std::span<const std::uint8_t> bytes);

  bool IsNull() const { return block_ == nullptr; }
  std::span<const std::uint8_t> Bytes() const;
  // The whole block as laid out in memory (header word, count, bytes).
  const std::uint8_t* Block() const { return block_; }

 private:
  friend void ReleaseValue(ByteValue& value) noexcept;
  std::uint8_t* block_ = nullptr;
};

// Byte length up to the first zero byte; 0 for null.
std::int32_t TextLength(TextRef text);

// One allocation of the exact size; each piece is measured once. Never null.
TextValue JoinTexts(std::initializer_list<TextRef> pieces);

// Signed decimal in its shortest form: "0", "7", "-1".
TextValue IntToText(std::int32_t value);

void ReleaseValue(TextValue& value) noexcept;
void ReleaseValue(ByteValue& value) noexcept;

}  // namespace chatmock
