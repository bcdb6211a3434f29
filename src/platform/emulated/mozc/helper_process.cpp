// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/mozc/helper_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace orvo::emu::mozc {
namespace {

// A reply of the helper is a few kilobytes; a whole candidate list of a long
// reading some hundreds. Past this it is not a reply.
constexpr std::size_t kMaxLine = 8 << 20;
// How long the helper may take to leave once its input has ended.
constexpr int kExitGraceMs = 200;

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

}  // namespace

std::unique_ptr<HelperProcess> HelperProcess::Start(const std::vector<std::string>& argv,
                                                    const std::string& home, std::string* error) {
  auto fail = [error](std::string message) {
    if (error) *error = std::move(message);
    return nullptr;
  };
  if (argv.empty()) return fail("no helper program was named");
  int sockets[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0) {
    return fail(std::string("no socket for the helper: ") + std::strerror(errno));
  }
  // Everything the child needs is made before fork: after it only
  // async-signal-safe calls are allowed.
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  std::vector<std::string> env_strings;
  for (char** e = environ; *e != nullptr; ++e) {
    if (home.empty() || std::strncmp(*e, "HOME=", 5) != 0) env_strings.emplace_back(*e);
  }
  if (!home.empty()) env_strings.push_back("HOME=" + home);
  std::vector<char*> env;
  for (std::string& entry : env_strings) env.push_back(entry.data());
  env.push_back(nullptr);
  const int null_fd = open("/dev/null", O_WRONLY | O_CLOEXEC);
  const pid_t pid = fork();
  if (pid < 0) {
    close(sockets[0]);
    close(sockets[1]);
    if (null_fd >= 0) close(null_fd);
    return fail(std::string("the helper could not be started: ") + std::strerror(errno));
  }
  if (pid == 0) {
    if (dup2(sockets[1], 0) < 0 || dup2(sockets[1], 1) < 0) _exit(127);
    if (null_fd >= 0) dup2(null_fd, 2);
    close_range(3, ~0U, 0);
    signal(SIGPIPE, SIG_DFL);
    execve(args[0], args.data(), env.data());
    _exit(127);
  }
  close(sockets[1]);
  if (null_fd >= 0) close(null_fd);
  return std::unique_ptr<HelperProcess>(new HelperProcess(pid, sockets[0]));
}

HelperProcess::~HelperProcess() {
  // End of input asks the helper to leave; one that does not is killed.
  shutdown(socket_, SHUT_WR);
  if (!WaitForExit(kExitGraceMs)) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  close(socket_);
}

bool HelperProcess::WaitForExit(int timeout_ms) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  char scratch[4096];
  for (;;) {
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) return true;
    // Its end of the socket closes when it exits: wait for that, reading away what it says.
    pollfd p{socket_, POLLIN, 0};
    const int left = MillisecondsLeft(deadline);
    if (left == 0 || poll(&p, 1, left) <= 0) return waitpid(pid_, nullptr, WNOHANG) == pid_;
    const ssize_t n = recv(socket_, scratch, sizeof scratch, 0);
    if (n == 0) {
      // Closed: the helper is leaving; reap it within what is left of the time.
      while (MillisecondsLeft(deadline) > 0) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) return true;
        pollfd none{-1, 0, 0};
        poll(&none, 0, 1);
      }
      return waitpid(pid_, nullptr, WNOHANG) == pid_;
    }
    if (n < 0 && errno != EINTR && errno != EAGAIN) return false;
  }
}

bool HelperProcess::Send(std::string_view line) {
  if (closed_) return false;
  std::string out(line);
  out += '\n';
  std::size_t sent = 0;
  while (sent < out.size()) {
    const ssize_t n = send(socket_, out.data() + sent, out.size() - sent, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      closed_ = true;
      return false;
    }
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

std::optional<std::string> HelperProcess::ReadLine(int timeout_ms) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    if (const std::size_t end = buffer_.find('\n'); end != std::string::npos) {
      std::string line = buffer_.substr(0, end);
      buffer_.erase(0, end + 1);
      return line;
    }
    if (closed_ || buffer_.size() > kMaxLine) return std::nullopt;
    pollfd p{socket_, POLLIN, 0};
    const int ready = poll(&p, 1, MillisecondsLeft(deadline));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return std::nullopt;
    char chunk[65536];
    const ssize_t n = recv(socket_, chunk, sizeof chunk, 0);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) {
      closed_ = true;
      return std::nullopt;
    }
    buffer_.append(chunk, static_cast<std::size_t>(n));
  }
}

}  // namespace orvo::emu::mozc
