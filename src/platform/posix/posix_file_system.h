// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files on a POSIX system. Paths are UTF-8 on disk. Every step that can fail
// passes a hook first, so tests can make any one of them fail as a full disk
// or a broken device would.
#include <functional>
#include <string>

#include "platform/file_system.h"

namespace orvo::posix {

enum class FileStep { kOpen, kRead, kCreate, kWrite, kFlush, kRename, kRemove };

class PosixFileSystem : public FileSystem {
 public:
  // The folder relative paths are resolved against: the current one now.
  PosixFileSystem();

  FileInfo Info(const ustring& path) const override;
  FileRead Read(const ustring& path, long long limit) const override;
  FileError Replace(const ustring& path, std::string_view bytes) override;
  FileError Rename(const ustring& from, const ustring& to) override;
  FileError Remove(const ustring& path) override;
  ustring Absolute(const ustring& path) const override;

  // Asked before each step: an errno value makes the step fail with it, 0 lets it run.
  using FaultHook = std::function<int(FileStep)>;
  void SetFaultHook(FaultHook hook) { fault_ = std::move(hook); }

 private:
  int Fault(FileStep step) const { return fault_ ? fault_(step) : 0; }

  std::string start_folder_;
  FaultHook fault_;
};

// The platform's failure for an errno value, described in the user's language
// where the system has the description in it.
FileError ErrnoError(int number);

}  // namespace orvo::posix
