#pragma once
// A loopback HTTP server that behaves as badly as a test asks: each accepted
// connection is handed to a behaviour that may stall, trickle, stream without
// end, lie about lengths or reset. Unlike the scripted server of the http
// tests it can run for longer than a fetch's total time-out and serve
// thousands of connections, and a behaviour is code, so a body can be
// generated as it is sent instead of held in memory.

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "tests/http/socket_handle.h"

namespace chatmock::reliability {

using pictures::loopback::SocketHandle;

// One accepted connection as a behaviour sees it. Every call returns early
// when the server is stopping, so no behaviour outlives the server.
class Peer {
 public:
  Peer(SocketHandle connection, const std::atomic<bool>& stop);

  // The request up to the blank line after its headers ("" when none came in time).
  std::string ReadRequest();
  // False when the client has gone, a send stayed blocked too long, or the server stops.
  bool Send(std::string_view bytes);
  // Waits, watching the client. False when it hung up or the server stops.
  bool Wait(std::chrono::milliseconds duration);
  // The close that ends this connection will be a reset instead of a FIN.
  void ResetOnClose();
  bool Stopping() const { return stop_; }

 private:
  SocketHandle connection_;
  const std::atomic<bool>& stop_;
};

// What a behaviour is given: the connection, whose request the server has
// already read, and its 0-based index.
using Behaviour = std::function<void(Peer& peer, int connectionIndex)>;

class HostileServer {
 public:
  // Bounds that hold whatever a behaviour does.
  static constexpr int kDefaultMaxConnections = 10'000;
  static constexpr std::chrono::seconds kDefaultLifetime{120};

  explicit HostileServer(Behaviour behaviour, int maxConnections = kDefaultMaxConnections,
                         std::chrono::seconds lifetime = kDefaultLifetime);
  ~HostileServer();

  HostileServer(const HostileServer&) = delete;
  HostileServer& operator=(const HostileServer&) = delete;

  int Port() const { return port_; }
  // "http://127.0.0.1:<port>", for http_proxy.
  std::string Url() const;

  // The first line of every request read so far, in order.
  std::vector<std::string> RequestLines() const;
  // Stops accepting, ends the running behaviour and waits for the thread.
  void Stop();

 private:
  void Serve();
  void Record(const std::string& request);

  Behaviour behaviour_;
  int maxConnections_;
  SocketHandle listener_;
  int port_ = 0;
  std::chrono::steady_clock::time_point deadline_;
  std::atomic<bool> stop_{false};
  mutable std::mutex logMutex_;
  std::vector<std::string> requestLines_;
  std::thread thread_;
};

}  // namespace chatmock::reliability
