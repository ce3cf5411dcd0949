#pragma once

#include <string_view>

namespace chatmock::pictures {

// Reads a decimal integer the way C's atoi does: leading blanks and one sign are allowed and reading
// stops at the first non-digit, so "  +42px" is 42 and "px" is 0. Unlike atoi it never overflows: a
// value beyond long long saturates at its limit, because the text comes from untrusted replies.
long long ReadLeadingInteger(std::string_view text);

}  // namespace chatmock::pictures
