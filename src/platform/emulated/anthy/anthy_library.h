// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// anthy is one per process: its settings, dictionary and learning data are
// global. Engines share one start of it with the same settings; the last one
// to go stops it, and the next start may use other settings.
#include <memory>
#include <string>

#include "platform/text.h"

struct anthy_context;

namespace orvo::emu {

class AnthyLibrary {
 public:
  struct Settings {
    // Absolute; anthy keeps its learning data in a ".anthy" folder inside.
    std::string home;
    bool learning = false;
    // Empty for the dictionary anthy is set up with.
    std::string dictionary;

    bool operator==(const Settings&) const = default;
  };

  // The running library when its settings are these, else a new start;
  // nullptr and `error` when anthy cannot start or runs with other settings.
  static std::shared_ptr<AnthyLibrary> Start(const Settings& settings, std::string* error);

  ~AnthyLibrary();
  AnthyLibrary(const AnthyLibrary&) = delete;
  AnthyLibrary& operator=(const AnthyLibrary&) = delete;

  // A conversion context taking and giving UTF-8; nullptr when anthy refuses.
  anthy_context* NewContext();

 private:
  AnthyLibrary() = default;
};

// A segment's candidate as text (NTH_UNCONVERTED_CANDIDATE: its reading);
// empty when anthy gives none.
ustring SegmentText(anthy_context* context, int segment, int candidate);

}  // namespace orvo::emu
