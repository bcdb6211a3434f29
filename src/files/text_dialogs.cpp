// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/text_dialogs.h"

#include "files/files_texts.h"

namespace orvo::files {
namespace {

constexpr int kMainWindow = 1;
constexpr std::uint32_t kWhite = 0xFFFFFF;

}  // namespace

ustring TextDialogs::ShowFile(const FileDialogRequest& request) {
  const FileDialogAnswer answer = dialogs_.ShowFile(request);
  if (answer.chosen && (request.flags & file_dialog_flag::kAllowMultiSelect) != 0) {
    messages_.Ask(kMainWindow, text::kMultipleFiles, message::kWarning);
    return {};
  }
  if (!answer.chosen) {
    if (answer.error != 0) TellFailure(answer.error_text, kMainWindow);
    return {};
  }
  return answer.path;
}

void TextDialogs::TellFailure(const ustring& description, int owner) {
  ustring told = text::kDialogError;
  told += description;
  messages_.Ask(owner, told, message::kWarning, app_.Title());
}

ustring TextDialogs::ShowOpenTextDialog(const ustring& folder) {
  FileDialogRequest request;
  request.kind = FileDialogKind::kOpen;
  request.initial_folder = folder;
  request.title = text::kOpenTitle;
  request.filter = text::kFilter;
  request.filter_index = 1;
  request.flags = kOpenFlags;
  request.default_extension = text::kExtension;
  return ShowFile(request);
}

ustring TextDialogs::ShowSaveTextDialog(const ustring& suggested, const ustring& title, const ustring& folder) {
  FileDialogRequest request;
  request.kind = FileDialogKind::kSave;
  request.initial_folder = folder;
  request.title = title;
  request.file_name = suggested;
  request.filter = text::kFilter;
  request.filter_index = 1;
  request.flags = kSaveFlags;
  request.default_extension = text::kExtension;
  return ShowFile(request);
}

std::uint32_t TextDialogs::ShowColorDialogFor(std::uint32_t colour, int owner) {
  ColourDialogRequest request;
  request.colour = colour;
  request.flags = 1;  // start from the given colour
  request.custom.fill(kWhite);
  const ColourDialogAnswer answer = dialogs_.ShowColour(request);
  if (answer.chosen) return answer.colour;
  if (answer.error != 0) TellFailure(answer.error_text, owner);
  return colour;
}

}  // namespace orvo::files
