#include "pictures/http/response_sink.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "pictures/http/content_length.h"

namespace chatmock::pictures {
namespace {

constexpr std::string_view kStatusLinePrefix = "HTTP/";
constexpr std::string_view kContentLengthName = "content-length:";
constexpr std::string_view kHeaderBlanks = " \t\r\n";
// libcurl takes any count other than the one it passed as a request to end the transfer.
constexpr std::size_t kEndTransfer = 0;

bool StartsWithIgnoringCase(std::string_view text, std::string_view lowerPrefix) {
  if (text.size() < lowerPrefix.size()) return false;
  for (std::size_t i = 0; i < lowerPrefix.size(); ++i) {
    const char c = text[i];
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != lowerPrefix[i]) return false;
  }
  return true;
}

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kHeaderBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kHeaderBlanks);
  return text.substr(first, last - first + 1);
}

// Guards the C boundary: nothing may unwind through libcurl, and a callback that cannot complete
// (out of memory included) simply ends the transfer.
template <typename Accept>
std::size_t Deliver(char* data, std::size_t size, std::size_t count, void* userdata, Accept accept) {
  if (size != 0 && count > SIZE_MAX / size) return kEndTransfer;
  const std::size_t bytes = size * count;
  auto* sink = static_cast<ResponseSink*>(userdata);
  if (sink == nullptr) return kEndTransfer;
  try {
    return accept(*sink, std::string_view(data, bytes)) ? bytes : kEndTransfer;
  } catch (...) {
    return kEndTransfer;
  }
}

}  // namespace

void ResponseSink::StartResponse() {
  announcedLength_.reset();
  body_.clear();
}

bool ResponseSink::AcceptHeaderLine(std::string_view line) {
  // Every reply of a fetch (an interim 1xx, each redirection) starts with its status line; what the
  // previous one announced does not describe the next.
  if (line.starts_with(kStatusLinePrefix)) {
    StartResponse();
    return true;
  }
  if (!StartsWithIgnoringCase(line, kContentLengthName)) return true;

  announcedLength_ = AnnouncedLength(TrimBlanks(line.substr(kContentLengthName.size())));
  // Refuse before a single body byte is stored rather than after maxBodyBytes of them.
  return !(announcedLength_ && *announcedLength_ > 0 &&
           static_cast<unsigned long long>(*announcedLength_) > maxBodyBytes_);
}

bool ResponseSink::AcceptBodyChunk(std::string_view chunk) {
  if (chunk.size() > maxBodyBytes_ - std::min(body_.size(), maxBodyBytes_)) return false;
  if (body_.empty()) body_.reserve(ReadSizeFor(announcedLength_));
  body_.insert(body_.end(), chunk.begin(), chunk.end());
  return true;
}

std::optional<std::vector<std::uint8_t>> ResponseSink::TakeBody() {
  if (body_.empty()) return std::nullopt;
  return std::move(body_);
}

std::size_t ResponseSink::OnHeader(char* data, std::size_t size, std::size_t count, void* userdata) {
  return Deliver(data, size, count, userdata,
                 [](ResponseSink& sink, std::string_view line) { return sink.AcceptHeaderLine(line); });
}

std::size_t ResponseSink::OnBody(char* data, std::size_t size, std::size_t count, void* userdata) {
  return Deliver(data, size, count, userdata,
                 [](ResponseSink& sink, std::string_view chunk) { return sink.AcceptBodyChunk(chunk); });
}

}  // namespace chatmock::pictures
