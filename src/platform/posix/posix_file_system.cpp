// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <locale.h>

#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace orvo::posix {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

std::string OsPath(const ustring& path) { return ToUtf8(path); }

// Closes a descriptor once, however the function that opened it returns.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now: a close that fails loses written data, so it is a failure.
  int Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

FileError Described(int number, const char* what) { return {number, FromUtf8(what)}; }

// The file a path ends at once its links are followed; empty with `error`
// set when a link leads nowhere.
std::string FinalTarget(const std::string& path, int* error) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
  if (!real) {
    *error = errno;
    return {};
  }
  return real.get();
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // the rename is done either way; this only makes it survive a power cut
  ::close(fd);
}

}  // namespace

FileError ErrnoError(int number) {
  // In the language of the locale's messages (LC_MESSAGES), as UTF-8 whatever its charset.
  const char* messages = std::setlocale(LC_MESSAGES, nullptr);
  const locale_t language = ::newlocale(LC_MESSAGES_MASK, messages != nullptr ? messages : "C", locale_t{});
  const locale_t in_utf8 = language != locale_t{} ? ::newlocale(LC_CTYPE_MASK, "C.UTF-8", language) : locale_t{};
  if (in_utf8 == locale_t{}) {
    if (language != locale_t{}) ::freelocale(language);
    return {number, FromUtf8(std::strerror(number))};
  }
  FileError error{number, FromUtf8(::strerror_l(number, in_utf8))};
  ::freelocale(in_utf8);  // language with it: newlocale made one of the two
  return error;
}

PosixFileSystem::PosixFileSystem() {
  char buffer[PATH_MAX];
  if (::getcwd(buffer, sizeof buffer) != nullptr) start_folder_ = buffer;
}

FileInfo PosixFileSystem::Info(const ustring& path) const {
  struct stat st {};
  const std::string p = OsPath(path);
  if (p.empty() || ::stat(p.c_str(), &st) != 0) return {};
  FileInfo info;
  if (S_ISREG(st.st_mode)) {
    info.kind = FileKind::kRegular;
    info.length = st.st_size;
    // No write permission for anyone counts as read-only even for an all-powerful user.
    info.read_only = ::access(p.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0;
  } else {
    info.kind = S_ISDIR(st.st_mode) ? FileKind::kFolder : FileKind::kOther;
  }
  return info;
}

FileRead PosixFileSystem::Read(const ustring& path, long long limit) const {
  FileRead result;
  if (const int e = Fault(FileStep::kOpen)) return {{}, ErrnoError(e), false};
  // Not blocking: a pipe with no writer must not hold the program.
  Descriptor fd(::open(OsPath(path).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) return {{}, ErrnoError(errno), false};
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return {{}, ErrnoError(errno), false};
  if (S_ISDIR(st.st_mode)) return {{}, ErrnoError(EISDIR), false};
  if (!S_ISREG(st.st_mode)) return {{}, Described(EINVAL, "not a regular file"), false};
  const std::size_t cap = static_cast<std::size_t>(limit < 0 ? 0 : limit);
  result.bytes.reserve(std::min<std::size_t>(static_cast<std::size_t>(st.st_size), cap));
  char chunk[kChunk];
  for (;;) {
    if (const int e = Fault(FileStep::kRead)) return {{}, ErrnoError(e), false};
    const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return {{}, ErrnoError(errno), false};
    if (n == 0) break;
    if (result.bytes.size() + static_cast<std::size_t>(n) > cap) {
      return {{}, ErrnoError(EFBIG), true};
    }
    result.bytes.append(chunk, static_cast<std::size_t>(n));
  }
  return result;
}

FileError PosixFileSystem::Replace(const ustring& path, std::string_view bytes) {
  int link_error = 0;
  const std::string target = FinalTarget(OsPath(path), &link_error);
  if (target.empty()) return ErrnoError(link_error != 0 ? link_error : ENOENT);
  struct stat st {};
  mode_t mode = NewFileMode();
  bool existed = false;
  if (::stat(target.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return ErrnoError(EISDIR);
    if (!S_ISREG(st.st_mode)) return Described(EINVAL, "not a regular file");
    if (::access(target.c_str(), W_OK) != 0) return ErrnoError(errno);
    if ((st.st_mode & 0222) == 0) return ErrnoError(EACCES);
    mode = st.st_mode & 07777;
    existed = true;
  } else if (errno != ENOENT) {
    return ErrnoError(errno);
  }

  const std::string folder = FolderOf(target);
  const std::size_t slash = target.rfind('/');
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  std::string temp = folder + "/." + name + ".XXXXXX";
  if (const int e = Fault(FileStep::kCreate)) return ErrnoError(e);
  Descriptor fd(::mkostemp(temp.data(), O_CLOEXEC));
  if (fd.get() < 0) return ErrnoError(errno);
  const auto fail = [&temp](int number) {
    ::unlink(temp.c_str());
    return ErrnoError(number);
  };

  std::size_t done = 0;
  while (done < bytes.size()) {
    if (const int e = Fault(FileStep::kWrite)) return fail(e);
    const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return fail(n < 0 ? errno : ENOSPC);
    done += static_cast<std::size_t>(n);
  }
  if (::fchmod(fd.get(), mode) != 0) return fail(errno);
  if (existed && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
    // Keeps the owner where this user may; otherwise the file becomes theirs, as any save does.
    (void)!::fchown(fd.get(), st.st_uid, st.st_gid);
  }
  if (const int e = Fault(FileStep::kFlush)) return fail(e);
  if (::fsync(fd.get()) != 0) return fail(errno);
  if (const int e = fd.Close()) return fail(e);
  if (const int e = Fault(FileStep::kRename)) return fail(e);
  if (::rename(temp.c_str(), target.c_str()) != 0) return fail(errno);
  SyncFolder(folder);
  return {};
}

FileError PosixFileSystem::Rename(const ustring& from, const ustring& to) {
  if (const int e = Fault(FileStep::kRename)) return ErrnoError(e);
  if (::rename(OsPath(from).c_str(), OsPath(to).c_str()) != 0) return ErrnoError(errno);
  return {};
}

FileError PosixFileSystem::Remove(const ustring& path) {
  if (const int e = Fault(FileStep::kRemove)) return ErrnoError(e);
  if (::unlink(OsPath(path).c_str()) != 0) return ErrnoError(errno);
  return {};
}

ustring PosixFileSystem::Absolute(const ustring& path) const {
  if (path.empty() || path.front() == u'/' || start_folder_.empty()) return path;
  ustring absolute = FromUtf8(start_folder_);
  if (absolute.back() != u'/') absolute += u'/';
  absolute += path;
  return absolute;
}

}  // namespace orvo::posix
