// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <algorithm>
#include <random>
#include <string>

#include "platform/win32/long_path.h"
#include "platform/win32/system_error.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_texts.h"

namespace orvo::win32 {
namespace {

constexpr DWORD kChunk = 64 * 1024;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Closes a handle once, however the function that opened it returns.
class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() {
    if (ok()) CloseHandle(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool ok() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
  HANDLE get() const { return h_; }
  // Closes now; a close that fails may lose written data.
  DWORD Close() {
    const HANDLE h = h_;
    h_ = INVALID_HANDLE_VALUE;
    return CloseHandle(h) ? 0 : GetLastError();
  }

 private:
  HANDLE h_;
};

bool IsFolder(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// The file a path ends at once its links are followed; the path itself when
// it is no link. Empty with `error` set when a link leads nowhere.
std::wstring FinalTarget(const std::wstring& path, DWORD attributes, DWORD* error) {
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return path;
  Handle h(CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!h.ok()) {
    *error = GetLastError();
    return {};
  }
  std::wstring target(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleW(h.get(), target.data(), static_cast<DWORD>(target.size()),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) {
      *error = GetLastError();
      return {};
    }
    if (length < target.size()) {
      target.resize(length);
      return target;
    }
    target.resize(length + 1);
  }
}

// A name beside `target` that nothing has yet: ".NAME.XXXXXX".
std::wstring TempNameBeside(const std::wstring& target) {
  static std::mt19937 random(std::random_device{}());
  const std::size_t slash = target.find_last_of(L"\\/");
  const std::wstring folder = slash == std::wstring::npos ? L"" : target.substr(0, slash + 1);
  const std::wstring name = slash == std::wstring::npos ? target : target.substr(slash + 1);
  constexpr wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
  std::wstring suffix(6, L'a');
  for (wchar_t& c : suffix) c = kLetters[random() % (std::size(kLetters) - 1)];
  return folder + L"." + name + L"." + suffix;
}

// A failure in the program's own words, where the system's would mislead.
FileError Said(DWORD number, const char16_t* text) { return {static_cast<int>(number), text}; }

// A sharing violation, said as a person understands it.
FileError Refusal(DWORD number) {
  if (number == ERROR_SHARING_VIOLATION || number == ERROR_LOCK_VIOLATION) return Said(number, texts::kInUse);
  return SystemError(number);
}

}  // namespace

FileError FolderFailure() { return Said(ERROR_DIRECTORY, texts::kIsFolder); }
FileError TooLongFailure() { return Said(ERROR_FILE_TOO_LARGE, texts::kTooLong); }
FileError ReadOnlyFailure() { return Said(ERROR_FILE_READ_ONLY, texts::kReadOnly); }
FileError InUseFailure() { return Said(ERROR_SHARING_VIOLATION, texts::kInUse); }

Win32FileSystem::Win32FileSystem() {
  const DWORD need = GetCurrentDirectoryW(0, nullptr);
  std::wstring folder(need, L'\0');
  const DWORD length = need == 0 ? 0 : GetCurrentDirectoryW(need, folder.data());
  if (length > 0 && length < need) start_folder_ = FromWide(std::wstring_view(folder.data(), length));
}

FileInfo Win32FileSystem::Info(const ustring& path) const {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (path.empty() || !GetFileAttributesExW(SystemPath(path).c_str(), GetFileExInfoStandard, &data)) return {};
  FileInfo info;
  if (IsFolder(data.dwFileAttributes)) {
    info.kind = FileKind::kFolder;
  } else if ((data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) != 0) {
    info.kind = FileKind::kOther;
  } else {
    info.kind = FileKind::kRegular;
    info.length = static_cast<long long>((static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
    info.read_only = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
  }
  return info;
}

FileRead Win32FileSystem::Read(const ustring& path, long long limit) const {
  FileRead result;
  if (const DWORD e = Fault(FileStep::kOpen)) return {{}, SystemError(e), false};
  const std::wstring p = SystemPath(path);
  const DWORD attributes = GetFileAttributesW(p.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && IsFolder(attributes)) {
    return {{}, FolderFailure(), false};
  }
  // Others may go on reading and writing it: reading never waits for them.
  Handle h(CreateFileW(p.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h.ok()) return {{}, Refusal(GetLastError()), false};
  if (GetFileType(h.get()) != FILE_TYPE_DISK) return {{}, Said(ERROR_BAD_FILE_TYPE, texts::kNotAFile), false};
  const std::size_t cap = static_cast<std::size_t>(std::max(limit, 0LL));
  LARGE_INTEGER size{};
  if (GetFileSizeEx(h.get(), &size)) {
    result.bytes.reserve(std::min<std::size_t>(static_cast<std::size_t>(size.QuadPart), cap));
  }
  std::string chunk(kChunk, '\0');
  for (;;) {
    if (const DWORD e = Fault(FileStep::kRead)) return {{}, SystemError(e), false};
    DWORD n = 0;
    if (!ReadFile(h.get(), chunk.data(), kChunk, &n, nullptr)) return {{}, Refusal(GetLastError()), false};
    if (n == 0) break;
    if (result.bytes.size() + n > cap) return {{}, TooLongFailure(), true};
    result.bytes.append(chunk.data(), n);
  }
  return result;
}

FileError Win32FileSystem::Replace(const ustring& path, std::string_view bytes) {
  const std::wstring given = SystemPath(path);
  const DWORD attributes = GetFileAttributesW(given.c_str());
  const bool existed = attributes != INVALID_FILE_ATTRIBUTES;
  if (!existed && GetLastError() != ERROR_FILE_NOT_FOUND) return SystemError(GetLastError());
  DWORD link_error = 0;
  const std::wstring target = existed ? FinalTarget(given, attributes, &link_error) : given;
  if (target.empty()) return SystemError(link_error);
  if (existed) {
    if (IsFolder(attributes)) return FolderFailure();
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return ReadOnlyFailure();
    // Another program that holds the file and lets no one write it keeps it:
    // said now, before anything is written.
    Handle probe(CreateFileW(target.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!probe.ok()) return Refusal(GetLastError());
  }

  if (const DWORD e = Fault(FileStep::kCreate)) return SystemError(e);
  std::wstring temp;
  HANDLE created = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
    temp = TempNameBeside(target);
    created = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (created == INVALID_HANDLE_VALUE) return Refusal(GetLastError());
  Handle h(created);
  const auto fail = [&temp](DWORD number) {
    DeleteFileW(temp.c_str());
    return Refusal(number);
  };
  const auto fail_open = [&h, &fail](DWORD number) {
    h.Close();
    return fail(number);
  };

  std::size_t done = 0;
  while (done < bytes.size()) {
    if (const DWORD e = Fault(FileStep::kWrite)) return fail_open(e);
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kChunk));
    DWORD n = 0;
    if (!WriteFile(h.get(), bytes.data() + done, want, &n, nullptr)) return fail_open(GetLastError());
    if (n == 0) return fail_open(ERROR_DISK_FULL);
    done += n;
  }
  if (const DWORD e = Fault(FileStep::kFlush)) return fail_open(e);
  if (!FlushFileBuffers(h.get())) return fail_open(GetLastError());
  if (const DWORD e = h.Close()) return fail(e);
  if (const DWORD e = Fault(FileStep::kRename)) return fail(e);
  if (existed) {
    // The old file's security and creation time go to the new one.
    if (!ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
      return fail(GetLastError());
    }
    // And its attributes (hidden, system, ...), which not every ReplaceFileW keeps.
    SetFileAttributesW(target.c_str(), attributes & kKeptAttributes);
  } else if (!MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
    return fail(GetLastError());
  }
  return {};
}

FileError Win32FileSystem::Rename(const ustring& from, const ustring& to) {
  if (const DWORD e = Fault(FileStep::kRename)) return SystemError(e);
  if (!MoveFileExW(SystemPath(from).c_str(), SystemPath(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return Refusal(GetLastError());
  }
  return {};
}

FileError Win32FileSystem::Remove(const ustring& path) {
  if (const DWORD e = Fault(FileStep::kRemove)) return SystemError(e);
  if (!DeleteFileW(SystemPath(path).c_str())) return Refusal(GetLastError());
  return {};
}

ustring Win32FileSystem::LongPath(const ustring& path) const {
  const std::wstring p = SystemPath(path);
  const DWORD need = GetLongPathNameW(p.c_str(), nullptr, 0);
  if (need == 0) return {};
  std::wstring long_form(need, L'\0');
  const DWORD length = GetLongPathNameW(p.c_str(), long_form.data(), need);
  if (length == 0 || length >= need) return {};
  long_form.resize(length);
  // A path without short names stays as it was written.
  if (CompareStringOrdinal(long_form.c_str(), -1, p.c_str(), -1, TRUE) == CSTR_EQUAL) return path;
  return FromWide(WithoutPrefix(long_form));
}

ustring Win32FileSystem::Absolute(const ustring& path) const {
  const bool drive = path.size() >= 3 && path[1] == u':' && (path[2] == u'\\' || path[2] == u'/');
  const bool share = path.starts_with(u"\\\\") || path.starts_with(u"//");
  if (path.empty() || drive || share || start_folder_.empty()) return path;
  if (path.front() == u'\\' || path.front() == u'/') return start_folder_.substr(0, 2) + path;  // the drive's root
  ustring absolute = start_folder_;
  if (absolute.back() != u'\\' && absolute.back() != u'/') absolute += u'\\';
  return absolute + path;
}

}  // namespace orvo::win32
