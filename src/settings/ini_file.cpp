// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_file.h"

#include <system_error>

#include "settings/settings_texts.h"

namespace orvo::settings {
namespace {

FileError NotInCodePage() {
  return {static_cast<int>(std::errc::illegal_byte_sequence), text::kNotInCodePage};
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

bool IniFile::SetINIpath(const ustring& path) {
  path_ = path;
  loaded_ = false;
  return files_.Info(path_).kind != FileKind::kMissing;
}

bool IniFile::Load() {
  if (loaded_) return !read_failure_;
  loaded_ = true;
  oversized_ = false;
  read_failure_ = {};
  profile_ = ProfileText();
  encoding_ = {};
  // A missing file is an empty one: the first write makes it.
  if (files_.Info(path_).kind == FileKind::kMissing) return true;
  FileRead read = files_.Read(path_, kMaxIniBytes);
  if (read.too_long) {
    oversized_ = true;
    read_failure_ = read.error;
    return false;
  }
  if (read.error) {
    read_failure_ = read.error;
    return false;
  }
  // Text in no code page is read in the system's: its lines are kept as they are all the same.
  encoding_ = files::DetectEncoding(read.bytes, pages_).value_or(files::FileEncoding{});
  if (encoding_.byte_order_mark) read.bytes.erase(0, kByteOrderMark.size());
  profile_ = ProfileText(std::move(read.bytes));
  return true;
}

bool IniFile::Readable() {
  // An oversized file is read as an empty one.
  if (Load() || oversized_) return true;
  failure_ = read_failure_;
  return false;
}

std::optional<std::string> IniFile::Raw(const ustring& section, const ustring& key) const {
  return profile_.Value(CodePage().Encode(section, nullptr), CodePage().Encode(key, nullptr));
}

std::int32_t IniFile::iReadINI(const ustring& section, const ustring& key, std::int32_t fallback) {
  if (!Readable()) return 0;
  const auto raw = Raw(section, key);
  return raw ? LeadingNumber(*raw).value_or(fallback) : fallback;
}

ustring IniFile::sReadINI(const ustring& section, const ustring& key, const ustring& fallback) {
  if (!Readable()) return {};
  const auto raw = Raw(section, key);
  return raw ? CodePage().Decode(*raw, nullptr) : fallback;
}

bool IniFile::CanHold(const ustring& value) {
  if (!Load()) return true;
  int lost = 0;
  CodePage().Encode(value, &lost);
  return lost == 0;
}

bool IniFile::SaveINI(const ustring& section, const ustring& key, const ustring& value) {
  return SaveINI(std::vector<IniEntry>{{section, key, value}});
}

bool IniFile::SaveINI(const std::vector<IniEntry>& entries) {
  failure_ = {};
  // What could not be read cannot be kept: the file is left as it is.
  if (!Load()) {
    failure_ = read_failure_;
    return false;
  }
  ProfileText changed = profile_;
  for (const IniEntry& entry : entries) {
    int lost = 0;
    const std::string value = CodePage().Encode(entry.value, &lost);
    if (lost > 0) {
      failure_ = NotInCodePage();
      return false;
    }
    changed.Set(CodePage().Encode(entry.section, nullptr), CodePage().Encode(entry.key, nullptr), value);
  }
  std::string bytes = changed.Bytes();
  if (encoding_.byte_order_mark) bytes.insert(0, kByteOrderMark);
  if (FileError error = files_.Replace(path_, bytes)) {
    failure_ = std::move(error);
    return false;
  }
  profile_ = std::move(changed);
  return true;
}

}  // namespace orvo::settings
