// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_failure.h"

#include <string>

#include "files/files_texts.h"

namespace orvo::files {

ustring FailureText(const ustring& tag, const FileError& error, const ustring& path) {
  ustring told = tag;
  told.append(FromUtf8(std::to_string(error.number))).append(u" ").append(error.description);
  if (!path.empty()) told.append(u"\r\n\r\n").append(text::kFailedFile).append(path);
  return told;
}

}  // namespace orvo::files
