#pragma once
// The system clipboard in its plain-text form.
#include "platform/text.h"

namespace orvo {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // The clipboard's text; empty when it holds none (or only something else).
  virtual ustring Text() const = 0;
  virtual void SetText(ustring_view text) = 0;
};

}  // namespace orvo
