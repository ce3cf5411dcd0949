#include "tests/reliability/hostile_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>

#include <cerrno>
#include <stdexcept>

namespace chatmock::reliability {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

constexpr milliseconds kPollSlice{20};
constexpr milliseconds kRequestTimeout{2000};
// A send blocked this long means the client stopped reading; the behaviour gives up on it.
constexpr time_t kSendTimeoutSeconds = 2;
constexpr std::size_t kMaxRequestBytes = 64 * 1024;
constexpr std::size_t kReadChunk = 4096;
constexpr int kBacklog = 64;
constexpr std::string_view kEndOfHeaders = "\r\n\r\n";

SocketHandle ListeningLoopbackSocket() {
  SocketHandle socket(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!socket.Valid()) throw std::runtime_error("socket() failed");
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  if (::bind(socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    throw std::runtime_error("bind() to 127.0.0.1 failed");
  }
  if (::listen(socket.Get(), kBacklog) != 0) throw std::runtime_error("listen() failed");
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

bool Readable(int fd, milliseconds wait) {
  pollfd entry{fd, POLLIN, 0};
  return ::poll(&entry, 1, static_cast<int>(wait.count())) > 0;
}

std::string FirstLine(const std::string& request) { return request.substr(0, request.find("\r\n")); }

}  // namespace

Peer::Peer(SocketHandle connection, const std::atomic<bool>& stop) : connection_(std::move(connection)), stop_(stop) {
  timeval timeout{kSendTimeoutSeconds, 0};
  ::setsockopt(connection_.Get(), SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
}

std::string Peer::ReadRequest() {
  std::string request;
  const auto giveUp = steady_clock::now() + kRequestTimeout;
  char chunk[kReadChunk];
  while (request.find(kEndOfHeaders) == std::string::npos && request.size() < kMaxRequestBytes &&
         steady_clock::now() < giveUp && !stop_) {
    if (!Readable(connection_.Get(), kPollSlice)) continue;
    const ssize_t received = ::recv(connection_.Get(), chunk, sizeof chunk, 0);
    if (received <= 0) break;
    request.append(chunk, static_cast<std::size_t>(received));
  }
  return request;
}

bool Peer::Send(std::string_view bytes) {
  while (!bytes.empty()) {
    if (stop_) return false;
    const ssize_t sent = ::send(connection_.Get(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent < 0 && errno == EINTR) continue;
    if (sent <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

bool Peer::Wait(milliseconds duration) {
  const auto end = steady_clock::now() + duration;
  char discard[kReadChunk];
  while (steady_clock::now() < end) {
    if (stop_) return false;
    if (!Readable(connection_.Get(), kPollSlice)) continue;
    const ssize_t received = ::recv(connection_.Get(), discard, sizeof discard, MSG_DONTWAIT);
    if (received == 0 || (received < 0 && errno != EAGAIN && errno != EINTR)) return false;
  }
  return true;
}

void Peer::ResetOnClose() {
  linger abortive{1, 0};
  ::setsockopt(connection_.Get(), SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
}

HostileServer::HostileServer(Behaviour behaviour, int maxConnections, std::chrono::seconds lifetime)
    : behaviour_(std::move(behaviour)),
      maxConnections_(maxConnections),
      listener_(ListeningLoopbackSocket()),
      port_(LocalPort(listener_)),
      deadline_(steady_clock::now() + lifetime) {
  thread_ = std::thread([this] { Serve(); });
}

HostileServer::~HostileServer() { Stop(); }

std::string HostileServer::Url() const { return "http://127.0.0.1:" + std::to_string(port_); }

std::vector<std::string> HostileServer::RequestLines() const {
  const std::lock_guard lock(logMutex_);
  return requestLines_;
}

void HostileServer::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

void HostileServer::Record(const std::string& request) {
  const std::lock_guard lock(logMutex_);
  requestLines_.push_back(FirstLine(request));
}

void HostileServer::Serve() {
  try {
    for (int served = 0; served < maxConnections_ && !stop_;) {
      if (steady_clock::now() >= deadline_) break;
      if (!Readable(listener_.Get(), kPollSlice)) continue;
      SocketHandle connection(::accept4(listener_.Get(), nullptr, nullptr, SOCK_CLOEXEC));
      if (!connection.Valid()) continue;
      Peer peer(std::move(connection), stop_);
      Record(peer.ReadRequest());
      behaviour_(peer, served);
      ++served;
    }
  } catch (...) {
    // A helper that ran out of memory: the fetch sees a dead server and the test judges that.
  }
  // Connections after the last one are refused at once rather than left waiting in the backlog.
  listener_ = SocketHandle();
}

}  // namespace chatmock::reliability
