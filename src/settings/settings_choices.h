// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the settings dialog offers: the standard sizes, the fonts that come in
// one size only, the swatch colours it starts with, and the factory look.
#include <array>
#include <cstdint>

#include "platform/text.h"
#include "toolkit/settings_record.h"

namespace orvo::settings {

// Points, in the order listed.
inline constexpr std::array<int, 16> kStandardSizes = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

// Fonts drawn at one size, compared exactly; choosing one sets this size.
inline constexpr std::array<const char16_t*, 4> kFixedSizeFonts = {u"System", u"Terminal", u"FixedSys",
                                                                   u"Smoll Fonts"};
inline constexpr int kFixedFontSize = 14;

// RGB (red in the low byte). Shown in two rows: 0 2 4 6 above, 1 3 5 7 below.
// clang-format off
inline constexpr std::array<std::uint32_t, 8> kSwatchColours = {
    0x000000u,  // 0 black
    0xFFFFFFu,  // 1 white
    0xFF0000u,  // 2 blue         (0, 0, 255)
    0xFFC0C0u,  // 3 pale blue    (192, 192, 255)
    0x0000FFu,  // 4 red          (255, 0, 0)
    0xFFC0FFu,  // 5 pale magenta (255, 192, 255)
    0x008000u,  // 6 dark green   (0, 128, 0)
    0xFFFFC0u,  // 7 pale cyan    (192, 255, 255)
};
// clang-format on

inline const SettingsRecord kFactoryDefaults{};

bool IsFixedSizeFont(ustring_view name);

}  // namespace orvo::settings
