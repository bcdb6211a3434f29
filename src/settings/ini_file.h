// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file as one routine uses it: made for that use, pointed at the
// file, read or written, then dropped; nothing is kept between uses.
//
// The file is read once, on the first read or write, and at most
// kMaxIniBytes of it: a longer file is not a settings file this program wrote,
// so its reads give the defaults and writing into it is refused (rewriting it
// would mean dropping what could not be read). Names and values cross to the
// file in the code page the file is in, whichever program wrote it: valid
// UTF-8 is UTF-8 (a byte-order mark before it is kept), otherwise valid CP932
// is CP932; a file of ASCII alone, a new file and one that is text in none of
// them take the system code page. Every write keeps the file's code page and
// replaces the whole file at once through the file system, so the old file
// stays whole when a write fails.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/code_page.h"
#include "platform/file_system.h"
#include "files/text_file.h"
#include "platform/text.h"
#include "settings/profile_text.h"

namespace orvo::settings {

inline constexpr long long kMaxIniBytes = 1024 * 1024;

struct IniEntry {
  ustring section;
  ustring key;
  ustring value;
};

class IniFile {
 public:
  // `pages.standard` is the system code page.
  IniFile(FileSystem& files, const FileCodePages& pages) : files_(files), pages_(pages) {}

  // Keeps the path; true when something of that name exists (a file, or
  // anything else that then fails to be read).
  bool SetINIpath(const ustring& path);

  // The key's number (see LeadingNumber); the default when the key is absent,
  // empty or not a number. 0 when the file cannot be read (Failure() tells why).
  std::int32_t iReadINI(const ustring& section, const ustring& key, std::int32_t fallback);
  // The key's text, whole; the default when the key is absent. Empty when the
  // file cannot be read.
  ustring sReadINI(const ustring& section, const ustring& key, const ustring& fallback);

  // Writes one key; several keys in one replacement of the file. False when
  // nothing was written: Failure() tells why.
  bool SaveINI(const ustring& section, const ustring& key, const ustring& value);
  bool SaveINI(const std::vector<IniEntry>& entries);

  // The value can be written to the file and read back as it is: the file's
  // code page holds every character of it. True when the file cannot be read
  // (a write into it fails anyway).
  bool CanHold(const ustring& value);

  // The last failure to read or write; empty when there was none.
  const FileError& Failure() const { return failure_; }

 private:
  bool Load();
  bool Readable();
  std::optional<std::string> Raw(const ustring& section, const ustring& key) const;
  const SystemCodePage& CodePage() const { return files::CodePageOf(encoding_, pages_); }

  FileSystem& files_;
  const FileCodePages& pages_;
  ustring path_;
  bool loaded_ = false;
  bool oversized_ = false;
  FileError read_failure_;  // why the file could not be read
  FileError failure_;
  files::FileEncoding encoding_;  // the file's, as it was read
  ProfileText profile_;
};

}  // namespace orvo::settings
