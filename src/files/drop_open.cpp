// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/drop_open.h"

#include "files/files_texts.h"

namespace orvo::files {

MessageResult DropOpen::Tell(const ustring& text, bool with_title) {
  return messages_.Ask(1, text, message::kWarning, with_title ? app_.Title() : ustring());
}

void DropOpen::FocusBack() {
  if (window_.WindowEnabled()) host_.FocusTextBox();
}

bool DropOpen::FitsSize(const ustring& path) {
  const FileInfo info = files_.Info(path);
  if (info.kind != FileKind::kRegular || info.length <= kMaxDocumentBytes) return true;
  ustring told = text::kTooLongHead;
  told.append(FileNameOf(path, app_.PathSeparator())).append(text::kTooLongIs).append(FormatSize(info.length));
  told.append(text::kTooLongBytes).append(u"\r\n\r\n").append(text::kTooLongOverDropped);
  told.append(u"\r\n\r\n").append(text::kTooLongCannot);
  Tell(told);
  return false;
}

void DropOpen::Dropped(const DroppedFiles& drop) {
  if (drop.paths.size() > 1) {
    Tell(text::kManyDropped);
    return;
  }
  if (!drop.file_list || drop.paths.empty()) {
    FocusBack();
    return;
  }
  const ustring& path = drop.paths.front();
  const DocumentState& state = documents_.State();
  if (!window_.ActiveTextBox().Text().empty() && path == state.CurrentPath) {
    Tell(text::kAlreadyOpenHead + state.CurrentName + text::kAlreadyOpenTail);
    return;
  }
  if (!HasTextExtension(path)) {
    // Refused once, and nothing more is tried.
    Tell(text::kOnlyText);
    FocusBack();
    return;
  }
  if (!FitsSize(path)) return;
  if (drop.copy_allowed) {
    documents_.State().PendingPath = path;
    documents_.State().OpenPathGiven = true;
    documents_.OpenDocument();
    host_.DoEvents();
  } else {
    Tell(text::kDropRefused);
  }
  FocusBack();
}

bool DropOpen::OpenCommandLine(ustring& command_line) {
  DocumentState& state = documents_.State();
  bool opened = false;
  if (!files_.IsFile(command_line)) {
    messages_.Ask(1, text::kCommandLineMissing + command_line, message::kWarning);
    host_.DoEvents();
  } else {
    command_line = files_.LongPath(command_line);
    if (command_line.empty()) {
      messages_.Ask(1, text::kLongPathError, message::kStop, app_.Title());
      state.OpenFailed = true;
    } else {
      ustring path = command_line;
      if (path.size() >= 4 && path.substr(path.size() - 4) == u".TXT") {
        // Where letter case matters in names, "memo.txt" may be another file or none.
        ustring lower = path;
        lower.replace(path.size() - 4, 4, u".txt");
        if (files_.IsFile(lower)) path = lower;
      }
      const auto failure_exit = [&state] {
        state.OpenFailed = true;
        state.ClearPending();
      };
      if (!HasTextExtension(path)) {
        Tell(text::kOnlyText);
        failure_exit();
      } else if (!FitsSize(path)) {
        failure_exit();
      } else {
        state.PendingPath = path;
        const EditControl& box = window_.ActiveTextBox();
        if (!box.Text().empty() && box.Modified()) {
          // A text put back from the recovery copy: the save question first, as before any open.
          state.OpenPathGiven = true;
          documents_.OpenDocument();
          opened = state.CurrentPath == path && !box.Modified();
        } else {
          documents_.OpenFromPath();
          opened = !state.OpenFailed;
        }
        if (!opened) failure_exit();
      }
    }
  }
  // A text put back before the command line keeps its name when nothing opened.
  if (!opened && state.Kind == DocumentKind::kNone) documents_.StartNew();
  state.OpenFailed = false;
  command_line.clear();
  return opened;
}

}  // namespace orvo::files
