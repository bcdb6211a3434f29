// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three dialogs the program asks for: a text file to open, a name to save
// a text under, and a colour for the settings. Each call makes its dialog
// afresh, so nothing (folder, custom colours) is kept between uses.
#include <cstdint>

#include "toolkit/message_box.h"
#include "platform/app_host.h"
#include "platform/common_dialogs.h"

namespace orvo::files {

// The dialogs' flags: file and path must exist, no read-only box (open);
// long names, ask before overwriting, no read-only box (save).
inline constexpr std::uint32_t kOpenFlags = 0x1804;
inline constexpr std::uint32_t kSaveFlags = 0x00200006;

class TextDialogs {
 public:
  TextDialogs(CommonDialogs& dialogs, MessageBox& messages, const AppHost& app)
      : dialogs_(dialogs), messages_(messages), app_(app) {}

  // The chosen full path; empty when cancelled or failed (a failure is told).
  // folder: where the dialog starts (the document's folder); empty: the
  // desktop's choice (the user's home folder).
  ustring ShowOpenTextDialog(const ustring& folder = {});
  ustring ShowSaveTextDialog(const ustring& suggested, const ustring& title, const ustring& folder = {});
  // The chosen colour; the given one when cancelled or failed.
  std::uint32_t ShowColorDialogFor(std::uint32_t colour, int owner);

 private:
  ustring ShowFile(const FileDialogRequest& request);
  void TellFailure(const ustring& description, int owner);

  CommonDialogs& dialogs_;
  MessageBox& messages_;
  const AppHost& app_;
};

}  // namespace orvo::files
