// SPDX-License-Identifier: GPL-3.0-or-later
// The program's folders and the platform's interface headers stay portable:
// no Qt, POSIX or other OS header is included there, directly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace orvo::testing {
namespace {

namespace fs = std::filesystem;

struct Rule {
  std::string_view header;  // a name, or a folder when it ends in '/'
  std::string_view what;
};

// Standard C and C++ headers (<csignal>, <cstdio>, ...) are portable and allowed.
// clang-format off
constexpr Rule kForbidden[] = {
    {"unistd.h", "POSIX"},  {"fcntl.h", "POSIX"},    {"dirent.h", "POSIX"},   {"pthread.h", "POSIX"},
    {"signal.h", "POSIX"},  {"iconv.h", "POSIX"},    {"dlfcn.h", "POSIX"},    {"poll.h", "POSIX"},
    {"netdb.h", "POSIX"},   {"termios.h", "POSIX"},  {"pwd.h", "POSIX"},      {"grp.h", "POSIX"},
    {"glob.h", "POSIX"},    {"fnmatch.h", "POSIX"},  {"libgen.h", "POSIX"},   {"langinfo.h", "POSIX"},
    {"sched.h", "POSIX"},   {"semaphore.h", "POSIX"}, {"spawn.h", "POSIX"},   {"syslog.h", "POSIX"},
    {"utime.h", "POSIX"},   {"sys/", "POSIX"},       {"netinet/", "POSIX"},   {"arpa/", "POSIX"},
    {"windows.h", "Windows"}, {"windowsx.h", "Windows"}, {"winuser.h", "Windows"}, {"winbase.h", "Windows"},
    {"imm.h", "Windows"},   {"commctrl.h", "Windows"}, {"commdlg.h", "Windows"}, {"shellapi.h", "Windows"},
    {"shlobj.h", "Windows"}, {"objbase.h", "Windows"}, {"mmsystem.h", "Windows"}, {"tchar.h", "Windows"},
    {"io.h", "Windows"},    {"direct.h", "Windows"}, {"process.h", "Windows"},
    {"X11/", "X11"},        {"xcb/", "X11"},         {"wayland-", "Wayland"}, {"anthy/", "anthy"},
};
// clang-format on

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// Why an included header is not portable; nothing when it is.
std::optional<std::string> Forbidden(std::string_view header) {
  // Qt's headers: <QString>, <QtCore/...>, <Qt>.
  if (header.size() >= 2 && header[0] == 'Q' && std::isupper(static_cast<unsigned char>(header[1])))
    return "Qt";
  if (header.starts_with("Qt")) return "Qt";
  const std::string lower = Lower(header);
  for (const Rule& rule : kForbidden) {
    const std::string name = Lower(rule.header);
    const bool folder = name.back() == '/' || name.back() == '-';
    if (folder ? lower.starts_with(name) : lower == name) return std::string(rule.what);
  }
  return std::nullopt;
}

fs::path SourceRoot() {
  const char* source = std::getenv("ORVO_SOURCE_DIR");
  return source != nullptr ? fs::path(source) : fs::path(ORVO_SOURCE_TREE);
}

// The files that must stay portable: the program's folders, and the platform's
// interface headers (not its implementations in the folders below).
std::vector<fs::path> PortableFiles() {
  const fs::path src = SourceRoot() / "src";
  std::vector<fs::path> files;
  for (const char* folder : {"toolkit", "app", "braille", "editing", "files", "settings", "help", "readings"}) {
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(src / folder, ec); !ec && it != fs::end(it);
         it.increment(ec)) {
      const auto ext = it->path().extension();
      if (it->is_regular_file() && (ext == ".h" || ext == ".cpp")) files.push_back(it->path());
    }
  }
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(src / "platform", ec)) {
    if (entry.is_regular_file() && entry.path().extension() == ".h") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(Layout, TellsPortableHeadersFromTheOthers) {
  for (std::string_view h :
       {"QString", "QtCore/QObject", "Qt", "unistd.h", "sys/stat.h", "Windows.h", "X11/Xlib.h",
        "iconv.h", "dlfcn.h", "signal.h", "anthy/anthy.h"}) {
    EXPECT_TRUE(Forbidden(h)) << h;
  }
  for (std::string_view h : {"string", "csignal", "cstdio", "app/program.h", "platform/keys.h",
                             "queue", "system_error", "iostream", "optional"}) {
    EXPECT_FALSE(Forbidden(h)) << h;
  }
}

TEST(Layout, TheProgramAndThePlatformInterfacesIncludeNoOsOrQtHeader) {
  const std::vector<fs::path> files = PortableFiles();
  ASSERT_GT(files.size(), 20u) << "no sources under " << SourceRoot();
  const std::regex include(R"(^\s*#\s*include\s*[<"]([^>"]+)[>"])");
  for (const fs::path& file : files) {
    std::ifstream in(file);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      std::smatch m;
      if (!std::regex_search(line, m, include)) continue;
      if (const auto what = Forbidden(m[1].str())) {
        ADD_FAILURE() << fs::relative(file, SourceRoot()).string() << ":" << number << ": includes "
                      << m[1].str() << ", a " << *what << " header";
      }
    }
  }
}

}  // namespace
}  // namespace orvo::testing
