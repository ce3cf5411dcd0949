#pragma once
// The ways a picture server can misbehave, as behaviours of HostileServer.

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "tests/reliability/hostile_server.h"

namespace chatmock::reliability {

using std::chrono::milliseconds;

// "HTTP/1.0 <status>" with the given header lines (each without CR LF) and the blank line.
std::string ReplyHead(std::string_view status, const std::vector<std::string>& headers = {});

// A complete, honest reply.
Behaviour Serve(std::string status, std::string body);
Behaviour NotFound();
// The body follows a Content-Length that says announced, whatever its true size.
Behaviour AnnouncedBody(long long announced, std::string body);
// A 200 without Content-Length whose body is pieces of chunkBytes, each after a pause, until
// the client leaves.
Behaviour EndlessBody(std::size_t chunkBytes, milliseconds pause);
// totalBytes of body generated as they are sent, with or without a Content-Length saying so.
Behaviour StreamedBody(std::size_t totalBytes, bool announced);
// Sends the whole reply one byte at a time, a pause before each; head and body at once when
// headFirst, so that only the body trickles.
Behaviour Trickle(std::string reply, milliseconds perByte, bool headFirst);
Behaviour Redirect(std::string location);
// Announces body, sends its first sentBytes, then resets the connection.
Behaviour ResetMidBody(std::string body, std::size_t sentBytes);
// Bytes sent as they are, then an orderly close: replies that are not HTTP.
Behaviour RawBytes(std::string bytes);
// Reads the request and says nothing until the client gives up.
Behaviour Silent();

// The first connection gets first, every later one rest.
Behaviour FirstThen(Behaviour first, Behaviour rest);

}  // namespace chatmock::reliability
