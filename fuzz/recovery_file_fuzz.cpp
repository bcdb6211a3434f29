// Recovery copies as a crash, a full disk or anyone's hand may leave them:
// refused with a reason, or read back into a record that writes the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/recovery_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const orvo::files::RecoveryDecoded decoded = orvo::files::DecodeRecovery(bytes, "1000");
  if (decoded.record.has_value() != (decoded.problem == orvo::files::RecoveryProblem::kNone)) std::abort();
  if (decoded.record && orvo::files::EncodeRecovery(*decoded.record) != bytes) std::abort();
  return 0;
}
