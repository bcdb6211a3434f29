#include "frontends/qt/text_rescue.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "frontends/qt/qt_texts.h"

namespace orvo::qt {
namespace {

constexpr int kMaxSameSecond = 100;

TextRescue* g_armed = nullptr;

void RescueAtExit() {
  try {
    if (g_armed != nullptr) g_armed->Rescue();
  } catch (...) {
    // Nothing may escape an exit handler; the run is ending either way.
  }
}

void EndBySignal(int signal) {
  std::signal(signal, SIG_DFL);
  std::raise(signal);
  std::_Exit(128 + signal);
}

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

RescueResult Failure(int error) { return {false, "", std::strerror(error)}; }

// The first name of the second not taken yet; empty when all are.
std::string FreePath(const std::string& folder, const std::string& name) {
  const std::string stem = name.substr(0, name.size() - 4);
  for (int n = 1; n <= kMaxSameSecond; ++n) {
    const std::string path =
        folder + "/" + (n == 1 ? name : stem + "-" + std::to_string(n) + ".txt");
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 && errno == ENOENT) return path;
  }
  return {};
}

}  // namespace

bool NeedsRescue(bool ended_normally, const RescueSnapshot& snapshot) {
  return !ended_normally && snapshot.modified && !snapshot.text.empty();
}

std::string RescueFileName(const std::tm& local) {
  char stamp[32];
  if (std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local) == 0) stamp[0] = '\0';
  return std::string("rescued-") + stamp + ".txt";
}

RescueResult WriteRescueFile(const std::string& folder, const std::string& bytes,
                             std::time_t when) {
  std::tm local{};
  if (::localtime_r(&when, &local) == nullptr) return Failure(EINVAL);
  std::string temp = folder + "/.rescued-XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return Failure(errno);
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  const std::string path = ok ? FreePath(folder, RescueFileName(local)) : std::string();
  if (ok && path.empty()) error = EEXIST;
  if (path.empty() || ::rename(temp.c_str(), path.c_str()) != 0) {
    if (!path.empty()) error = errno;
    ::unlink(temp.c_str());
    return Failure(error);
  }
  // The new name survives a power cut only once the folder is on disk too.
  if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return {true, path, ""};
}

TextRescue::TextRescue(Source source, std::string folder)
    : source_(std::move(source)),
      folder_(std::move(folder)),
      clock_([] { return std::time(nullptr); }),
      after_signal_(EndBySignal),
      bridge_({SIGTERM, SIGHUP},
              [this](int signal) {
                Rescue();
                after_signal_(signal);
              },
              true) {}

TextRescue::~TextRescue() {
  if (g_armed == this) g_armed = nullptr;
}

bool TextRescue::Arm() {
  if (g_armed == this) return true;
  if (g_armed != nullptr) return false;
  static const bool registered = std::atexit(RescueAtExit) == 0;
  if (!registered) return false;
  g_armed = this;
  return true;
}

bool TextRescue::ListenForSignals() { return bridge_.Listen(); }

RescueResult TextRescue::Rescue() {
  if (done_) return {};
  const RescueSnapshot snapshot = source_();
  if (!NeedsRescue(ended_normally_, snapshot)) return {};
  RescueResult result = writer_ ? writer_(snapshot) : WriteRescueFile(folder_, ToUtf8(snapshot.text), clock_());
  done_ = result.written;
  if (result.written) {
    std::fprintf(stderr, texts::kRescued, result.path.c_str());
    std::fprintf(stderr, texts::kRescuedEnglish, result.path.c_str());
  } else {
    std::fprintf(stderr, texts::kRescueFailed, result.error.c_str());
    std::fprintf(stderr, texts::kRescueFailedEnglish, folder_.c_str(), result.error.c_str());
  }
  std::fflush(stderr);
  return result;
}

}  // namespace orvo::qt
