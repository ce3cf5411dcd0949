#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace chatmock::pictures {

// Collects one fetch's reply as libcurl hands it over: header lines and body chunks. It owns the single
// body buffer, reserves it from the announced length and refuses a body beyond maxBodyBytes, so a server
// cannot make the program hold more than that.
class ResponseSink {
 public:
  explicit ResponseSink(std::size_t maxBodyBytes) : maxBodyBytes_(maxBodyBytes) {}

  // One header line as received, CR LF included. False asks for the transfer to end.
  bool AcceptHeaderLine(std::string_view line);
  // One piece of the body. False asks for the transfer to end.
  bool AcceptBodyChunk(std::string_view chunk);
  // The body gathered so far; nullopt when it is empty.
  std::optional<std::vector<std::uint8_t>> TakeBody();

  // Adapters with the signatures libcurl calls; userdata is the ResponseSink.
  static std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* userdata);
  static std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* userdata);

 private:
  void StartResponse();

  std::size_t maxBodyBytes_;
  std::optional<long long> announcedLength_;
  std::vector<std::uint8_t> body_;
};

}  // namespace chatmock::pictures
