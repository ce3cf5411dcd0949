#include "tests/http/scripted_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace chatmock::pictures::loopback {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

constexpr milliseconds kPollSlice{20};
constexpr milliseconds kRequestTimeout{2000};
// A blocked send gives up after this long, so a client that stops reading cannot hold the thread.
constexpr time_t kSendTimeoutSeconds = 2;
constexpr std::size_t kMaxRequestBytes = 64 * 1024;
constexpr std::size_t kReadChunk = 4096;
constexpr int kBacklog = ScriptedServer::kMaxConnections;
constexpr std::string_view kEndOfHeaders = "\r\n\r\n";

SocketHandle BoundLoopbackSocket() {
  SocketHandle socket(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!socket.Valid()) throw std::runtime_error("socket() failed");
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;  // the system picks a free port
  if (::bind(socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    throw std::runtime_error("bind() to 127.0.0.1 failed");
  }
  return socket;
}

int LocalPort(const SocketHandle& socket) {
  sockaddr_in address{};
  socklen_t length = sizeof address;
  if (::getsockname(socket.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    throw std::runtime_error("getsockname() failed");
  }
  return ntohs(address.sin_port);
}

bool Readable(const SocketHandle& socket, milliseconds wait) {
  pollfd entry{socket.Get(), POLLIN, 0};
  return ::poll(&entry, 1, static_cast<int>(wait.count())) > 0;
}

bool SendAll(const SocketHandle& socket, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = ::send(socket.Get(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent < 0 && errno == EINTR) continue;
    if (sent <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

void LimitSendTime(const SocketHandle& socket) {
  timeval timeout{kSendTimeoutSeconds, 0};
  ::setsockopt(socket.Get(), SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
}

void ResetOnClose(const SocketHandle& socket) {
  linger abortive{1, 0};
  ::setsockopt(socket.Get(), SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
}

// Reads up to the blank line that ends the request headers; a GET carries nothing after it.
std::string ReadRequest(const SocketHandle& connection, const std::atomic<bool>& stop) {
  std::string request;
  const auto giveUp = steady_clock::now() + kRequestTimeout;
  char chunk[kReadChunk];
  while (request.find(kEndOfHeaders) == std::string::npos && request.size() < kMaxRequestBytes &&
         steady_clock::now() < giveUp && !stop) {
    if (!Readable(connection, kPollSlice)) continue;
    const ssize_t received = ::recv(connection.Get(), chunk, sizeof chunk, 0);
    if (received <= 0) break;
    request.append(chunk, static_cast<std::size_t>(received));
  }
  return request;
}

}  // namespace

ScriptedServer::ScriptedServer(std::vector<ConnectionScript> scripts)
    : scripts_(std::move(scripts)), listener_(BoundLoopbackSocket()), port_(LocalPort(listener_)) {
  if (scripts_.empty()) throw std::invalid_argument("a server needs at least one script");
  if (::listen(listener_.Get(), kBacklog) != 0) throw std::runtime_error("listen() failed");
  deadline_ = steady_clock::now() + kLifetime;
  thread_ = std::thread([this] { Serve(); });
}

ScriptedServer::~ScriptedServer() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

std::string ScriptedServer::Url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

bool ScriptedServer::Stopping() const { return stop_ || steady_clock::now() >= deadline_; }

void ScriptedServer::Serve() {
  try {
    for (int served = 0; served < kMaxConnections && !Stopping();) {
      if (!Readable(listener_, kPollSlice)) continue;
      SocketHandle connection(::accept4(listener_.Get(), nullptr, nullptr, SOCK_CLOEXEC));
      if (!connection.Valid()) continue;
      const std::size_t index = std::min<std::size_t>(static_cast<std::size_t>(served), scripts_.size() - 1);
      ServeConnection(connection, scripts_[index]);
      ++served;
    }
  } catch (...) {
    // Out of memory in a test helper: the test sees a missing reply and fails on its own terms.
  }
}

void ScriptedServer::ServeConnection(const SocketHandle& connection, const ConnectionScript& script) {
  LimitSendTime(connection);
  log_.requests.push_back(ReadRequest(connection, stop_));
  for (const ReplyStep& step : script.steps) {
    if (!SendAll(connection, step.bytes)) return;
    if (!Pause(connection, step.pauseAfter)) return;
  }
  if (script.ending == Ending::kReset) {
    ResetOnClose(connection);
  } else {
    ::shutdown(connection.Get(), SHUT_WR);
  }
}

bool ScriptedServer::Pause(const SocketHandle& connection, milliseconds duration) {
  const auto end = steady_clock::now() + duration;
  char discard[kReadChunk];
  while (steady_clock::now() < end) {
    if (Stopping()) return false;
    if (!Readable(connection, kPollSlice)) continue;
    const ssize_t received = ::recv(connection.Get(), discard, sizeof discard, MSG_DONTWAIT);
    if (received == 0 || (received < 0 && errno != EAGAIN && errno != EINTR)) {
      log_.clientLeftDuringPause = true;
      return false;
    }
  }
  return true;
}

ServerLog ScriptedServer::Finish() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  // A client may have connected after the thread's last look; such a connection counts too.
  while (Readable(listener_, milliseconds{0})) {
    SocketHandle pending(::accept4(listener_.Get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
    if (!pending.Valid()) break;
    std::string request(kReadChunk, '\0');
    const ssize_t received = ::recv(pending.Get(), request.data(), request.size(), 0);
    request.resize(received > 0 ? static_cast<std::size_t>(received) : 0);
    log_.requests.push_back(std::move(request));
  }
  return std::move(log_);
}

RefusingPort::RefusingPort() : socket_(BoundLoopbackSocket()), port_(LocalPort(socket_)) {}

std::string Reply(std::string_view statusLine, std::string_view headers, std::string_view body) {
  return std::string(statusLine) + "\r\n" + std::string(headers) + "\r\n" + std::string(body);
}

}  // namespace chatmock::pictures::loopback
