// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every scripted run does first, as a person at the screen would: waits
// until the start-up splash's OK button has appeared (600 ms of the
// program's clock), then presses Enter on it. The tests, the benchmarks, the
// script runners and the end-to-end checks all begin with these lines.
#include <string_view>

namespace orvo::script {

inline constexpr std::string_view kStartPrelude = "wait 600\ntap Enter\n";

}  // namespace orvo::script
