// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Real keys as the emulated desktop takes them: the Windows virtual key and
// the set-1 scan byte of the same physical key on a Japanese (JIS) keyboard.
#include <cstdint>
#include <optional>

namespace orvo::qt {

struct MappedKey {
  std::uint8_t vk = 0;
  std::uint8_t scan = 0;
  bool operator==(const MappedKey&) const = default;
};

// native_code: the evdev-based key code of X11 and Wayland (0 when the
// platform gives none). It names the physical key, so the layout in use does
// not matter; a code the table does not know falls back to the Qt key, whose
// shifted JIS characters ('!', '*', '~', ...) are read as their unshifted key.
// Nothing: a key the program has no use for.
std::optional<MappedKey> MapKey(int qt_key, std::uint32_t native_code);

}  // namespace orvo::qt
