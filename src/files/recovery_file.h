// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recovery copy's bytes: a short header, then the text in UTF-8.
//
//   ORVO-RECOVERY 2
//   user 1000              who wrote it (the system's user id)
//   path /home/a/memo.txt  the file the text belongs to; empty for a new text
//   ends lf                how that file ends its lines (lf or asis)
//   length 1234            bytes of text after the blank line
//   check 89abcdef01234567 FNV-1a of the path and the text, in hex
//
// A copy that is not exactly this shape, written by another version or
// another user, or whose text does not match its check is refused as a whole.
#include <optional>
#include <string>
#include <string_view>

#include "files/text_file.h"
#include "platform/text.h"

namespace orvo::files {

inline constexpr int kRecoveryVersion = 2;
// More than any text of the size limit takes in UTF-8, with its header.
inline constexpr long long kMaxRecoveryBytes = 256 * 1024;

struct RecoveryRecord {
  ustring text;  // as the text box holds it (CR LF), a reading still composing included
  ustring path;
  LineEnds ends = LineEnds::kLf;
  std::string user;
};

enum class RecoveryProblem {
  kNone,
  kNotACopy,      // no header: another file, binary bytes
  kOtherVersion,  // a header of an older (or newer) program
  kDamaged,       // cut short, a header line wrong, the check fails, not UTF-8
  kOtherUser,
  kTooLarge,
};

struct RecoveryDecoded {
  std::optional<RecoveryRecord> record;
  RecoveryProblem problem = RecoveryProblem::kNone;
};

std::string EncodeRecovery(const RecoveryRecord& record);
// `user`: who reads it now; a copy of anyone else is refused.
RecoveryDecoded DecodeRecovery(std::string_view bytes, std::string_view user);

}  // namespace orvo::files
