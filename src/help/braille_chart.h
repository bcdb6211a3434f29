// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The braille chart the helper shows: a text of the program's data, sections
// of cells drawn three rows of two marks each with their readings beneath.
#include <optional>

#include "platform/program_data.h"

namespace orvo::help {

inline constexpr char kChartName[] = "chart/braille_chart.txt";
// Far above the chart's size: a file this long is not the chart.
inline constexpr long long kChartLimit = 1 << 20;

// The chart's text; nothing when it cannot be read or is text in neither UTF-8 nor CP932.
inline std::optional<ustring> LoadChart(const ProgramData& data) { return data.Text(kChartName, kChartLimit); }

}  // namespace orvo::help
