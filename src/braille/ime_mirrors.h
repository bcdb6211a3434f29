// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hidden boxes that mirror the IME's strings after every key, so the
// braille keys can tell what is composed and what was last confirmed.
#include "platform/text.h"

namespace orvo::braille {

enum class MirrorBox {
  kReading,        // txtIN: the composition's reading
  kComposed,       // txtHEN: the composition as converted so far
  kResultReading,  // txtOUT: the reading of the last confirmed text
  kResult,         // txtKAN: the last confirmed text
};

class ImeMirrors {
 public:
  virtual ~ImeMirrors() = default;
  virtual const ustring& MirrorText(MirrorBox box) const = 0;
  virtual void SetMirrorText(MirrorBox box, const ustring& text) = 0;
};

}  // namespace orvo::braille
