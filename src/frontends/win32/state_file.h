// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's state as JSON in a file, for checks from outside the
// program: written at the end, and, while the program runs, again a moment
// after each input that changed something (the file is replaced whole, so a
// reader never sees half of it).
#include <functional>
#include <string>

#include <nlohmann/json.hpp>

#include "platform/font_registry.h"
#include "platform/keyboard.h"

namespace orvo::win32 {

class StateFile {
 public:
  // dump: the state now; path: the file (UTF-8).
  StateFile(std::function<nlohmann::json()> dump, std::string path);
  // Writes the state; false when the file could not be written.
  bool Write();
  // Writes the state when it differs from the last one written; false on a failed write.
  bool WriteIfChanged();
  int Written() const { return written_; }

 private:
  std::function<nlohmann::json()> dump_;
  std::string path_;
  std::string last_;
  int written_ = 0;
};

// The modifier keys as the program's keyboard reads them (the queue's state),
// and as the system holds them this moment (GetAsyncKeyState).
nlohmann::json ModifierState(const Keyboard& keyboard);

// Where the system has the keyboard: the foreground window's title, and
// whether a window of this program has the focus.
nlohmann::json KeyboardPlace();

// The braille font's face as the system lists the fonts this process may
// use (EnumFontFamiliesEx), whatever the program believes of it.
nlohmann::json BrailleFaceListed(const FontRegistry& fonts);

// Replaces the file at `path` (UTF-8) with `bytes` through a file beside it; false on failure.
bool ReplaceFileWhole(const std::string& path, const std::string& bytes);

}  // namespace orvo::win32
