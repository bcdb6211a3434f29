// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files on Windows, through the wide-character functions, long paths
// included. A file is replaced by writing a new one beside it, flushing it to
// the disk and swapping it in (ReplaceFileW keeps the old file's attributes
// and security); a read-only file, and one another program holds open without
// letting others write it, are refused before anything is written. Every step
// that can fail passes a hook first, so tests can make any one of them fail
// as a full disk or a broken device would.
#include <functional>

#include "platform/file_system.h"
#include "platform/win32/system_error.h"

namespace orvo::win32 {

enum class FileStep { kOpen, kRead, kCreate, kWrite, kFlush, kRename, kRemove };

class Win32FileSystem : public FileSystem {
 public:
  // The folder relative paths are resolved against: the current one now.
  Win32FileSystem();

  FileInfo Info(const ustring& path) const override;
  FileRead Read(const ustring& path, long long limit) const override;
  FileError Replace(const ustring& path, std::string_view bytes) override;
  FileError Rename(const ustring& from, const ustring& to) override;
  FileError Remove(const ustring& path) override;
  ustring LongPath(const ustring& path) const override;
  ustring Absolute(const ustring& path) const override;

  // Asked before each step: a Win32 error number makes the step fail with it, 0 lets it run.
  using FaultHook = std::function<unsigned long(FileStep)>;
  void SetFaultHook(FaultHook hook) { fault_ = std::move(hook); }

 private:
  unsigned long Fault(FileStep step) const { return fault_ ? fault_(step) : 0; }

  ustring start_folder_;
  FaultHook fault_;
};

// The failures said in the program's own words: a folder where a file was
// asked for, a file past the limit, a read-only file, a file another program
// holds without letting others write it.
FileError FolderFailure();
FileError TooLongFailure();
FileError ReadOnlyFailure();
FileError InUseFailure();

}  // namespace orvo::win32
