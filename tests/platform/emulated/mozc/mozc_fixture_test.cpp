// SPDX-License-Identifier: GPL-3.0-or-later
// The real mozc's setup for the tests of this folder (mozc_fixture.h).
#include "mozc_fixture.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace orvo::emu::testing {

std::string WhyNoMozc() {
  const char* test_home = std::getenv("ORVO_MOZC_TEST_HOME");
  const char* home = std::getenv("HOME");
  if (test_home == nullptr || home == nullptr || std::string(test_home) != home) {
    return "not run through run-unprivileged (the real mozc is used only with a throwaway home)";
  }
  if (geteuid() == 0) return "running as root, for whom mozc converts nothing";
  if (access("/usr/bin/mozc_emacs_helper", X_OK) != 0) {
    return "mozc is not installed (Debian: mozc-server, emacs-mozc-bin)";
  }
  return {};
}

std::unique_ptr<ConversionEngine> RealMozc() {
  std::string error;
  auto engine = mozc::MakeMozcEngine({}, &error);
  EXPECT_NE(engine, nullptr) << error;
  return engine;
}

int EndOwnServers(const std::string& home) {
  const std::string mark = "HOME=" + (home.empty() ? std::string(std::getenv("HOME")) : home);
  int ended = 0;
  DIR* proc = opendir("/proc");
  if (proc == nullptr) return 0;
  while (const dirent* entry = readdir(proc)) {
    const std::string pid = entry->d_name;
    if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
    struct stat owner {};
    if (stat(("/proc/" + pid).c_str(), &owner) != 0 || owner.st_uid != getuid()) continue;
    std::ifstream comm("/proc/" + pid + "/comm");
    std::string name;
    if (!std::getline(comm, name) || name != "mozc_server") continue;
    std::ifstream environ("/proc/" + pid + "/environ", std::ios::binary);
    const std::string env((std::istreambuf_iterator<char>(environ)), std::istreambuf_iterator<char>());
    if (env.find(mark + '\0') == std::string::npos) continue;
    if (kill(std::stoi(pid), SIGKILL) == 0) ++ended;
  }
  closedir(proc);
  return ended;
}

}  // namespace orvo::emu::testing
