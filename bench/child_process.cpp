#include "bench/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "bench/thread_clock.h"

extern char** environ;

namespace chatmock::bench {
namespace {

constexpr double kMsPerSecond = 1000.0;

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }

 private:
  int fd_;
};

class SpawnActions {
 public:
  explicit SpawnActions(const std::string& stderrPath) {
    posix_spawn_file_actions_init(&actions_);
    posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions_, STDERR_FILENO, stderrPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
  const posix_spawn_file_actions_t* Get() const { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_{};
};

double MsOf(const timeval& t) { return t.tv_sec * kMsPerSecond + t.tv_usec / kMsPerSecond; }

// True once the child has ended; false when the time ran out first. A
// pidfd wakes us the moment the child ends, so the timing is not rounded
// up to a polling step.
bool AwaitExit(pid_t pid, int timeoutMs) {
  const FileDescriptor pidfd(static_cast<int>(syscall(SYS_pidfd_open, pid, 0)));
  if (pidfd.Get() < 0) return true;  // no pidfd: wait4 blocks instead, without a time limit
  pollfd ready{pidfd.Get(), POLLIN, 0};
  int result = 0;
  do {
    result = poll(&ready, 1, timeoutMs);
  } while (result < 0 && errno == EINTR);
  return result > 0;
}

}  // namespace

ProcessRun RunProcess(const std::vector<std::string>& argv, const std::string& stderrPath,
                      int timeoutMs) {
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  const SpawnActions actions(stderrPath);

  ProcessRun run;
  const double start = WallSeconds();
  pid_t pid = 0;
  if (posix_spawn(&pid, args[0], actions.Get(), nullptr, args.data(), environ) != 0) return run;
  if (!AwaitExit(pid, timeoutMs)) {
    kill(pid, SIGKILL);
    run.timedOut = true;
  }
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
  }
  run.wallMs = (WallSeconds() - start) * kMsPerSecond;
  run.cpuMs = MsOf(usage.ru_utime) + MsOf(usage.ru_stime);
  run.maxRssKb = usage.ru_maxrss;
  run.voluntarySwitches = usage.ru_nvcsw;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace chatmock::bench
