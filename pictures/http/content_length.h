#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace chatmock::pictures {

// The length was read into a buffer of this size, terminator included; a longer value does not count.
inline constexpr std::size_t kContentLengthTextBytes = 32;
// What the body buffer reserves when no usable length was announced.
inline constexpr std::size_t kDefaultReadSize = 10240;
// The most the body buffer reserves up front, whatever was announced; it grows past this as needed.
inline constexpr std::size_t kMaxReadSize = 102400;

// The announced length read from a Content-Length value (the text after the colon): nullopt when the
// text does not fit kContentLengthTextBytes, otherwise the integer it starts with (see ReadLeadingInteger).
std::optional<long long> AnnouncedLength(std::string_view value);

// How much to reserve for the body: the announced length plus one, capped at kMaxReadSize, or
// kDefaultReadSize when nothing usable (absent, too long, zero or negative) was announced.
std::size_t ReadSizeFor(std::optional<long long> announcedLength);

}  // namespace chatmock::pictures
