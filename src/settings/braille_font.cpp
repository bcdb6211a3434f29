// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/braille_font.h"

#include "settings/settings_texts.h"

namespace orvo::settings {

void BrailleFont::Tell(const ustring& text) { messages_.Ask(1, text, message::kWarning, u""); }

bool BrailleFont::RegisterBrailleFont() {
  // An installed font is used where it is and never taken away.
  if (ustring installed = fonts_.InstalledFont(text::kBrailleFontFace); !installed.empty()) {
    BrailleFontPath = std::move(installed);
    return true;
  }
  const ustring folder = fonts_.FontFolder();
  BrailleFontPath = folder;
  if (!folder.empty() && folder.back() != separator_) BrailleFontPath.push_back(separator_);
  BrailleFontPath += text::kBrailleFontFile;
  if (folder.empty() || !files_.IsFile(BrailleFontPath)) {
    Tell(text::kBrailleFontMissing);
    return false;
  }
  const bool added = fonts_.AddFont(BrailleFontPath);
  yield_();
  if (!added) {
    Tell(text::kBrailleFontNotAdded);
    return false;
  }
  yield_();
  BrailleFontRegistered = true;
  return true;
}

void BrailleFont::UnregisterBrailleFont() {
  if (BrailleFontPath.empty()) {
    Tell(text::kBrailleFontNoPath);
    return;
  }
  fonts_.RemoveFont(BrailleFontPath);  // a font that will not go is left as it is
  BrailleFontRegistered = false;
}

}  // namespace orvo::settings
