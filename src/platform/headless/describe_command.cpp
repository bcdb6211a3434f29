#include "platform/headless/describe_command.h"

#include "platform/headless/headless_texts.h"
#include "platform/text.h"
#include "readings/describer.h"

namespace orvo::headless {

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    int more = 0;
    char32_t c = 0;
    if (b < 0x80) {
      ++i;
      continue;
    } else if (b >= 0xC2 && b < 0xE0) {
      more = 1, c = b & 0x1F;
    } else if (b >= 0xE0 && b < 0xF0) {
      more = 2, c = b & 0x0F;
    } else if (b >= 0xF0 && b < 0xF5) {
      more = 3, c = b & 0x07;
    } else {
      return false;
    }
    if (more >= static_cast<int>(bytes.size() - i)) return false;  // cut short
    for (int k = 1; k <= more; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      c = (c << 6) | (next & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    if (c < kLeast[more] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return false;
    i += more + 1;
  }
  return true;
}

int DescribeCommand(std::string_view utf8, std::ostream& out, std::ostream& err) {
  if (!IsValidUtf8(utf8)) {
    err << texts::kDescribeNotUtf8;
    return 2;
  }
  out << ToUtf8(readings::Describe(FromUtf8(utf8))) << "\n";
  return 0;
}

}  // namespace orvo::headless
