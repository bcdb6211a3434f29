// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files on disk as the program uses them: whole-file reads, whole-file
// replacement that never leaves a half-written file, and what a path names.
// Paths are the program's text; each platform turns them into its own.
#include <string>
#include <string_view>

#include "platform/text.h"

namespace orvo {

// A failure of the file system: the platform's number and its description.
struct FileError {
  int number = 0;  // 0: no failure
  ustring description;
  explicit operator bool() const { return number != 0; }
};

enum class FileKind {
  kMissing,  // nothing of that name (or a link to nothing)
  kRegular,
  kFolder,
  kOther,  // a device, a pipe, a socket
};

struct FileInfo {
  FileKind kind = FileKind::kMissing;
  long long length = 0;    // bytes, for a regular file
  bool read_only = false;  // this user may not write it
};

struct FileRead {
  std::string bytes;
  FileError error;
  bool too_long = false;  // longer than the limit: nothing was kept
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // What the path names now (links followed).
  virtual FileInfo Info(const ustring& path) const = 0;
  bool IsFile(const ustring& path) const { return Info(path).kind == FileKind::kRegular; }

  // The whole of a regular file of at most `limit` bytes. Anything else (a
  // folder, a device, a pipe, a file that grows past the limit while it is
  // read) is a failure; reading never waits for a writer.
  virtual FileRead Read(const ustring& path, long long limit) const = 0;

  // Makes the file hold exactly `bytes`: written beside it under another
  // name, flushed to disk, then renamed over it. The old file stays whole
  // until the new one is complete; a failure leaves it as it was and nothing
  // else behind. The file keeps its permissions; a link's target is replaced,
  // not the link. A file this user may not write is refused.
  virtual FileError Replace(const ustring& path, std::string_view bytes) = 0;

  virtual FileError Rename(const ustring& from, const ustring& to) = 0;
  virtual FileError Remove(const ustring& path) = 0;

  // The long form of a path that may be given in a short (8.3) form; empty
  // when it cannot be found. Systems without short names give it unchanged.
  virtual ustring LongPath(const ustring& path) const { return path; }

  // A path made absolute against the folder the program was started in.
  virtual ustring Absolute(const ustring& path) const = 0;
};

}  // namespace orvo
