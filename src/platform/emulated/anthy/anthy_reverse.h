// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Readings of written text by anthy's reverse conversion, in a context of
// its own: nothing is committed, so anthy learns nothing from it.
#include <memory>
#include <string>

#include "platform/emulated/anthy/anthy_engine.h"
#include "platform/text_readings.h"

struct anthy_context;

namespace orvo::emu {

class AnthyLibrary;

class AnthyReverse : public TextReadings {
 public:
  ~AnthyReverse() override;
  AnthyReverse(const AnthyReverse&) = delete;
  AnthyReverse& operator=(const AnthyReverse&) = delete;

  // Empty for a text holding a NUL or a lone surrogate, or one anthy refuses.
  ustring ReadingOf(ustring_view text) override;

 private:
  friend std::unique_ptr<TextReadings> MakeAnthyReverse(const AnthyOptions&, std::string*);
  AnthyReverse(std::shared_ptr<AnthyLibrary> library, anthy_context* context);

  std::shared_ptr<AnthyLibrary> library_;
  anthy_context* context_;
};

// With the options of the conversion engine, so that both share one start of
// anthy; nullptr and `error` when anthy cannot start.
std::unique_ptr<TextReadings> MakeAnthyReverse(const AnthyOptions& options, std::string* error);

}  // namespace orvo::emu
