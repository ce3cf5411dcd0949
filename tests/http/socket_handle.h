#pragma once

#include <unistd.h>

#include <utility>

namespace chatmock::pictures::loopback {

// Owns one socket descriptor and closes it when it goes.
class SocketHandle {
 public:
  SocketHandle() = default;
  explicit SocketHandle(int fd) : fd_(fd) {}
  SocketHandle(SocketHandle&& other) noexcept : fd_(std::exchange(other.fd_, kNone)) {}
  SocketHandle& operator=(SocketHandle&& other) noexcept {
    if (this != &other) {
      Close();
      fd_ = std::exchange(other.fd_, kNone);
    }
    return *this;
  }
  SocketHandle(const SocketHandle&) = delete;
  SocketHandle& operator=(const SocketHandle&) = delete;
  ~SocketHandle() { Close(); }

  int Get() const { return fd_; }
  bool Valid() const { return fd_ != kNone; }

 private:
  static constexpr int kNone = -1;
  void Close() {
    if (Valid()) ::close(std::exchange(fd_, kNone));
  }
  int fd_ = kNone;
};

}  // namespace chatmock::pictures::loopback
