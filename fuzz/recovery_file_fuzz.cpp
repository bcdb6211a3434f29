// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery copies as a crash, a full disk or anyone's hand may leave them:
// refused with a reason, or read into a record that reads back the same once written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/recovery_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const orvo::files::RecoveryDecoded decoded = orvo::files::DecodeRecovery(bytes, "1000");
  if (decoded.record.has_value() != (decoded.problem == orvo::files::RecoveryProblem::kNone)) std::abort();
  if (!decoded.record) return 0;
  // Numbers may be written with leading zeros; the record itself reads back the same.
  const orvo::files::RecoveryDecoded again =
      orvo::files::DecodeRecovery(orvo::files::EncodeRecovery(*decoded.record), "1000");
  if (!again.record || again.record->text != decoded.record->text || again.record->path != decoded.record->path ||
      again.record->ends != decoded.record->ends) {
    std::abort();
  }
  return 0;
}
