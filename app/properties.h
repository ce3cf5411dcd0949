#pragma once
// How handlers reach controls: ReadProperty, WriteProperty and FocusControl.

#include <cstdint>
#include <span>

#include "app/control_ref.h"
#include "app/definition.h"
#include "app/values.h"

class QWidget;

namespace chatmock {

using PropertyIndex = std::int32_t;

// The member selector: only font-valued properties look at it.
inline constexpr std::int32_t kWholeValue = -1;

// The common properties every kind's list begins with.
namespace common {
inline constexpr PropertyIndex kLeft = 0, kTop = 1, kWidth = 2, kHeight = 3, kTag = 4,
                               kVisible = 5, kDisable = 6, kMousePointer = 7;
inline constexpr PropertyIndex kFirstOwn = 8;
}  // namespace common

// What a read hands the caller: a number, or a fresh text or byte value the
// caller owns. The cell carries its value kind.
class ValueCell {
 public:
  enum class Holds { Number, Text, Bytes };

  static ValueCell OfNumber(std::int32_t number);
  static ValueCell OfText(TextValue text);
  static ValueCell OfBytes(ByteValue bytes);

  Holds Kind() const { return holds_; }
  // Each of these is a fatal error when the cell holds another kind.
  std::int32_t Number() const;
  TextValue TakeText();
  ByteValue TakeBytes();

 private:
  Holds holds_ = Holds::Number;
  std::int32_t number_ = 0;
  TextValue text_;
  ByteValue bytes_;
};

// What a write hands the control: borrowed for the length of the call.
class ValueArg {
 public:
  ValueArg(std::int32_t number) : holds_(ValueCell::Holds::Number), number_(number) {}
  ValueArg(const TextValue& text) : holds_(ValueCell::Holds::Text), text_(text) {}
  ValueArg(const char* text) : holds_(ValueCell::Holds::Text), text_(text) {}
  ValueArg(const ByteValue& bytes) : holds_(ValueCell::Holds::Bytes), bytes_(bytes.Bytes()) {}
  static ValueArg NullBytes() { return ValueArg(ValueCell::Holds::Bytes); }

  ValueCell::Holds Kind() const { return holds_; }
  std::int32_t Number() const { return number_; }
  TextRef Text() const { return text_; }
  std::span<const std::uint8_t> Bytes() const { return bytes_; }

 private:
  explicit ValueArg(ValueCell::Holds holds) : holds_(holds) {}
  ValueCell::Holds holds_;
  std::int32_t number_ = 0;
  TextRef text_ = nullptr;
  std::span<const std::uint8_t> bytes_;
};

ValueCell ReadProperty(ControlRef ref, PropertyIndex index, std::int32_t member);
void WriteProperty(ControlRef ref, PropertyIndex index, std::int32_t member, const ValueArg& value);
void FocusControl(ControlRef ref);

// The live widget of a control of the given kind, for the commands a kind
// offers besides its properties; a fatal error when there is none.
QWidget& CommandTarget(ControlRef ref, ControlKind kind);

}  // namespace chatmock
