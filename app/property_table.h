#pragma once
// How a control kind lists its own properties: a table of rows, each with
// its index in the kind's list, its name, its value kind and the kind's own
// reader and writer. Property access converts values by value kind; the
// rows only move raw numbers and bytes.

#include <QWidget>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace chatmock {

enum class ValueKind { Integer, Logical, Colour, Choice, Text, Bytes };

// What a kind hands over on a read: a number, or text/bytes (text in the code page).
struct RawValue {
  std::int32_t number = 0;
  std::string bytes;
};

// What a kind is given on a write, already converted by value kind.
struct RawInput {
  std::int32_t number = 0;
  std::string_view bytes;
};

struct PropertyRow {
  std::int32_t index;  // in the kind's whole list: 8 and up are the kind's own
  const char* name;
  ValueKind kind;
  RawValue (*read)(QWidget& control);  // null when the kind does not report it
  void (*write)(QWidget& control, const RawInput& value);  // null when read-only
};

struct KindProperties {
  std::int32_t listLength;  // the length of the kind's whole property list
  std::span<const PropertyRow> own;
};

// Adapters from a kind's member functions to table entries.
template <class Kind, RawValue (Kind::*Get)() const>
RawValue ReadVia(QWidget& control) {
  return (static_cast<Kind&>(control).*Get)();
}
template <class Kind, void (Kind::*Set)(const RawInput&)>
void WriteVia(QWidget& control, const RawInput& value) {
  (static_cast<Kind&>(control).*Set)(value);
}

inline RawValue NumberValue(std::int32_t number) { return RawValue{number, {}}; }

}  // namespace chatmock
