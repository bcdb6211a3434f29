// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/mozc/mozc_start.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/emulated/mozc/helper_process.h"
#include "platform/emulated/mozc/mozc_engine.h"

namespace orvo::emu::mozc {
namespace {

namespace fs = std::filesystem;

// What the test conversion converts: any reading with kanji for it.
constexpr char16_t kTestReading[] = u"へんかん";

bool IsFolder(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

std::string HomeFolder(const std::string& given) {
  if (!given.empty()) return given;
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
    return entry->pw_dir;
  }
  return {};
}

// The program as execvp would find it; empty when it would not.
std::string FindProgram(const std::string& name) {
  if (name.find('/') != std::string::npos) return access(name.c_str(), X_OK) == 0 ? name : "";
  const char* path = std::getenv("PATH");
  std::string_view rest = path != nullptr ? path : "/usr/bin:/bin";
  while (!rest.empty()) {
    const std::size_t colon = rest.find(':');
    const std::string folder(rest.substr(0, colon));
    rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    const std::string candidate = (folder.empty() ? std::string(".") : folder) + "/" + name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

}  // namespace

std::string MozcProfileFolder(const std::string& home) {
  if (home.empty()) return {};
  // mozc's own order: an old ~/.mozc first, then the XDG configuration folder.
  if (const fs::path old = fs::path(home) / ".mozc"; IsFolder(old)) return old.string();
  fs::path config = fs::path(home) / ".config";
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') config = xdg;
  if (const fs::path folder = config / "mozc"; IsFolder(folder)) return folder.string();
  return {};
}

std::unique_ptr<ConversionEngine> MakeMozcEngine(const MozcOptions& options, std::string* error) {
  auto fail = [error](std::string message) {
    if (error) *error = std::move(message);
    return nullptr;
  };
  const int uid = options.uid >= 0 ? options.uid : static_cast<int>(geteuid());
  if (uid == 0) return fail("mozc converts nothing for the superuser");
  const std::string helper = FindProgram(options.helper);
  if (helper.empty()) return fail(options.helper + " is not installed (Debian: emacs-mozc-bin)");
  const std::string home = HomeFolder(options.home);
  const std::string profile = MozcProfileFolder(home);
  if (profile.empty()) {
    return fail("mozc has no profile folder for this user in " + home +
                " (mozc has not been set up for this user)");
  }
  // mozc's server does not come up without it: no need to wait for that.
  if (access(profile.c_str(), W_OK | X_OK) != 0) {
    return fail("mozc's profile folder " + profile + " cannot be written, so mozc cannot start");
  }
  std::string why;
  std::unique_ptr<HelperProcess> process = HelperProcess::Start({helper}, options.home, &why);
  if (!process) return fail(why);
  auto session = std::make_unique<MozcSession>(std::move(process), options.timeouts);
  if (!session->Open(&why)) return fail("mozc did not start: " + why);
  auto engine = std::make_unique<MozcEngine>(std::move(session), options.learning);
  if (!engine->SetString(kTestReading) || engine->SegmentCount() == 0) {
    return fail("mozc did not convert: " +
                (engine->Failure().empty() ? std::string("no candidates came back") : engine->Failure()));
  }
  engine->Follow(u"");
  return engine;
}

}  // namespace orvo::emu::mozc
