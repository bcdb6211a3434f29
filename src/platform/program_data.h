// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own read-only data (the braille chart and the like), shipped
// in its data folder beside it. Texts there are read as a document is
// (files/text_file.h): UTF-8 when they are valid UTF-8, else CP932, whatever
// the system's code page, so that every system reads them alike.
#include <optional>
#include <string_view>

#include "platform/text.h"

namespace orvo {

// The data folder's version stamp: the build's version (CMake's PROJECT_VERSION).
inline constexpr char kVersionStamp[] = "version";

class ProgramData {
 public:
  virtual ~ProgramData() = default;
  // The text of the data file `name` ("chart/braille_chart.txt"); nothing
  // when it is missing, longer than `limit` bytes, or text in neither code page.
  virtual std::optional<ustring> Text(std::string_view name, long long limit) const = 0;
};

}  // namespace orvo
