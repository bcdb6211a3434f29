// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The braille font Orvoten.TTF (face "Orvoten Font"): used in place when the
// system has it installed, otherwise the copy in the program's font folder is
// added for the run and taken away again at the end.
#include <functional>
#include <utility>

#include "toolkit/message_box.h"
#include "platform/file_system.h"
#include "platform/font_registry.h"

namespace orvo::settings {

class BrailleFont {
 public:
  // `yield` lets pending events run, as the registration does around adding the font.
  BrailleFont(FontRegistry& fonts, const FileSystem& files, MessageBox& messages, char16_t separator,
              std::function<void()> yield)
      : fonts_(fonts), files_(files), messages_(messages), separator_(separator), yield_(std::move(yield)) {}

  // True when the braille font can be used; every failure has been told.
  bool RegisterBrailleFont();
  // Takes away the font this run added; the main window calls it only then.
  void UnregisterBrailleFont();

  // The file found: the installed one or the program's own copy; empty until
  // RegisterBrailleFont has looked.
  ustring BrailleFontPath;
  // Set only when this run added the font itself.
  bool BrailleFontRegistered = false;

 private:
  void Tell(const ustring& text);

  FontRegistry& fonts_;
  const FileSystem& files_;
  MessageBox& messages_;
  char16_t separator_;
  std::function<void()> yield_;
};

}  // namespace orvo::settings
