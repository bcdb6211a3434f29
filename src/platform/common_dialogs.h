// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's common dialogs: choosing a file to open or a name to save
// under, and choosing a colour. Each call is modal and returns when the user
// has answered.
#include <array>
#include <cstdint>

#include "platform/text.h"

namespace orvo {

// Flags of a file dialog, as the desktop's own dialogs take them.
namespace file_dialog_flag {
inline constexpr std::uint32_t kOverwritePrompt = 0x2;
inline constexpr std::uint32_t kHideReadOnly = 0x4;
inline constexpr std::uint32_t kAllowMultiSelect = 0x200;
inline constexpr std::uint32_t kPathMustExist = 0x800;
inline constexpr std::uint32_t kFileMustExist = 0x1000;
inline constexpr std::uint32_t kLongNames = 0x200000;
}  // namespace file_dialog_flag

enum class FileDialogKind { kOpen, kSave };

struct FileDialogRequest {
  FileDialogKind kind = FileDialogKind::kOpen;
  ustring title;
  ustring file_name;    // the name offered at first
  ustring initial_folder;
  ustring filter;       // "description|pattern|description|pattern"
  int filter_index = 1;
  ustring default_extension;  // added to a name typed without one
  std::uint32_t flags = 0;
};

struct FileDialogAnswer {
  bool chosen = false;  // false: cancelled, or the dialog failed (see error)
  ustring path;         // the full path chosen
  ustring file_title;   // its name without the folder
  int error = 0;        // a failure of the dialog itself; 0 for a cancel
  ustring error_text;
};

struct ColourDialogRequest {
  std::uint32_t colour = 0;  // red + 256 green + 65536 blue
  std::array<std::uint32_t, 16> custom{};
  std::uint32_t flags = 0;
};

struct ColourDialogAnswer {
  bool chosen = false;
  std::uint32_t colour = 0;
  int error = 0;
  ustring error_text;
};

class CommonDialogs {
 public:
  virtual ~CommonDialogs() = default;
  virtual FileDialogAnswer ShowFile(const FileDialogRequest& request) = 0;
  virtual ColourDialogAnswer ShowColour(const ColourDialogRequest& request) = 0;
};

}  // namespace orvo
