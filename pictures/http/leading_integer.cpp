#include "pictures/http/leading_integer.h"

#include <cstddef>
#include <limits>

namespace chatmock::pictures {
namespace {

constexpr int kDecimalBase = 10;

// The blanks atoi skips (isspace in the "C" locale), spelled out so the locale cannot change them.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

long long ReadLeadingInteger(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;

  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }

  // Accumulate as a non-positive number: its range reaches one further than the positive one, so the
  // most negative value needs no special case.
  constexpr long long kLowest = std::numeric_limits<long long>::min();
  long long value = 0;
  for (; at < text.size() && IsDigit(text[at]); ++at) {
    const int digit = text[at] - '0';
    if (value < (kLowest + digit) / kDecimalBase) {
      value = kLowest;
      break;
    }
    value = value * kDecimalBase - digit;
  }

  if (negative) return value;
  if (value == kLowest) return std::numeric_limits<long long>::max();
  return -value;
}

}  // namespace chatmock::pictures
