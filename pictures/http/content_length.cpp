#include "pictures/http/content_length.h"

#include "pictures/http/leading_integer.h"

namespace chatmock::pictures {

std::optional<long long> AnnouncedLength(std::string_view value) {
  if (value.size() >= kContentLengthTextBytes) return std::nullopt;
  return ReadLeadingInteger(value);
}

std::size_t ReadSizeFor(std::optional<long long> announcedLength) {
  if (!announcedLength || *announcedLength <= 0) return kDefaultReadSize;
  // One byte beyond the announced length: the read that finds the end of the body still asks for room.
  if (*announcedLength >= static_cast<long long>(kMaxReadSize)) return kMaxReadSize;
  return static_cast<std::size_t>(*announcedLength) + 1;
}

}  // namespace chatmock::pictures
