// SPDX-License-Identifier: GPL-3.0-or-later
#include "soak_system.h"

#include <filesystem>

#if defined(_WIN32)
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <random>
#else
#include <sys/resource.h>
#include <unistd.h>

#include <fstream>
#endif

namespace orvo::soak {

#if defined(_WIN32)

namespace {

PROCESS_MEMORY_COUNTERS Counters() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters;
}

}  // namespace

long long ResidentKb() { return static_cast<long long>(Counters().WorkingSetSize / 1024); }
long long PeakKb() { return static_cast<long long>(Counters().PeakWorkingSetSize / 1024); }

std::string MakeScratchFolder() {
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("orvo-soak-" + std::to_string(random()));
    if (CreateDirectoryW(path.wstring().c_str(), nullptr)) return path.string();
  }
  return {};
}

#else

long long ResidentKb() {
  std::ifstream statm("/proc/self/statm");
  long long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long long PeakKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

std::string MakeScratchFolder() {
  const std::filesystem::path base =
      std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
  std::string pattern = (base / "orvo-soak-XXXXXX").string();
  return mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
}

#endif

}  // namespace orvo::soak
