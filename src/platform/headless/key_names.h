#pragma once
// Key names of the key scripts, with the virtual key and the scan byte a real
// keyboard sends for each.
#include <cstdint>
#include <optional>
#include <string_view>

namespace orvo::headless {

struct NamedKey {
  std::uint8_t vk;
  std::uint8_t scan;
};

// A letter or digit, or a name such as Space, Enter, F5 (in any letter case).
std::optional<NamedKey> LookupKey(std::string_view name);

}  // namespace orvo::headless
