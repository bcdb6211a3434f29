#pragma once
// The program's own read-only data (the braille chart and the like), shipped
// in its data folder beside it. Texts there are CP932 bytes whatever the
// system's code page, so that every system reads them alike.
#include <optional>
#include <string_view>

#include "platform/text.h"

namespace orvo {

class ProgramData {
 public:
  virtual ~ProgramData() = default;
  // The text of the data file `name` ("chart/braille_chart.txt"); nothing
  // when it is missing, longer than `limit` bytes, or not valid CP932.
  virtual std::optional<ustring> Cp932Text(std::string_view name, long long limit) const = 0;
};

}  // namespace orvo
