// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A helper program run as a child process, its standard input and output one
// socket to this process (so writing to a helper that died fails instead of
// raising SIGPIPE), its standard error discarded. The child is ended and
// reaped when this object goes.
#include <sys/types.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/emulated/mozc/helper_transport.h"

namespace orvo::emu::mozc {

class HelperProcess : public HelperTransport {
 public:
  // nullptr and `error` when the program cannot be started. argv[0] is the
  // program's path; `home`, when not empty, is its $HOME.
  static std::unique_ptr<HelperProcess> Start(const std::vector<std::string>& argv,
                                              const std::string& home, std::string* error);
  ~HelperProcess() override;
  HelperProcess(const HelperProcess&) = delete;
  HelperProcess& operator=(const HelperProcess&) = delete;

  bool Send(std::string_view line) override;
  std::optional<std::string> ReadLine(int timeout_ms) override;

  pid_t Pid() const { return pid_; }

 private:
  HelperProcess(pid_t pid, int socket) : pid_(pid), socket_(socket) {}
  // Waits up to `timeout_ms` for the child to end; true when it has.
  bool WaitForExit(int timeout_ms);

  pid_t pid_;
  int socket_;
  std::string buffer_;  // read but not yet returned
  bool closed_ = false;
};

}  // namespace orvo::emu::mozc
