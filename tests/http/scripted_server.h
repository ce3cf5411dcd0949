#pragma once

#include <atomic>
#include <chrono>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "tests/http/socket_handle.h"

namespace chatmock::pictures::loopback {

// One piece of a scripted reply: bytes to send, then a pause before the next piece. A pause ends early
// when the client hangs up, which the server notes.
struct ReplyStep {
  std::string bytes;
  std::chrono::milliseconds pauseAfter{0};
};

enum class Ending {
  kClose,  // an orderly close (FIN)
  kReset,  // SO_LINGER 0: the client sees a connection reset
};

struct ConnectionScript {
  std::vector<ReplyStep> steps;
  Ending ending = Ending::kClose;
};

// What the server saw, once it has stopped.
struct ServerLog {
  std::vector<std::string> requests;   // raw request bytes, one entry per accepted connection
  bool clientLeftDuringPause = false;  // some pause ended because the client hung up
};

// An HTTP server on 127.0.0.1 with an ephemeral port. Its thread accepts connections one after another,
// records each request and replays the next script (the last one repeats). It stops by itself after
// kMaxConnections connections or kLifetime, whichever comes first, and at the latest when destroyed.
class ScriptedServer {
 public:
  static constexpr int kMaxConnections = 16;
  static constexpr std::chrono::seconds kLifetime{10};

  explicit ScriptedServer(std::vector<ConnectionScript> scripts);
  explicit ScriptedServer(ConnectionScript script) : ScriptedServer(std::vector{std::move(script)}) {}
  ~ScriptedServer();

  ScriptedServer(const ScriptedServer&) = delete;
  ScriptedServer& operator=(const ScriptedServer&) = delete;

  int Port() const { return port_; }
  // "http://127.0.0.1:<port>" followed by path.
  std::string Url(std::string_view path) const;
  // Stops the server and reports what it saw, counting connections still waiting to be accepted.
  ServerLog Finish();

 private:
  void Serve();
  void ServeConnection(const SocketHandle& connection, const ConnectionScript& script);
  bool Pause(const SocketHandle& connection, std::chrono::milliseconds duration);
  bool Stopping() const;

  std::vector<ConnectionScript> scripts_;
  SocketHandle listener_;
  int port_ = 0;
  std::chrono::steady_clock::time_point deadline_;
  std::atomic<bool> stop_{false};
  ServerLog log_;
  std::thread thread_;
};

// A loopback port that refuses connections: bound, never listening, held until destroyed.
class RefusingPort {
 public:
  RefusingPort();
  int Port() const { return port_; }

 private:
  SocketHandle socket_;
  int port_ = 0;
};

// A reply with status line, headers (each ending in CR LF) and body, as one step.
std::string Reply(std::string_view statusLine, std::string_view headers, std::string_view body);

}  // namespace chatmock::pictures::loopback
