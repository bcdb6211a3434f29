// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files that reach the editor without the open dialog: one dropped on the
// text, or the one named on the command line.
#include <vector>

#include "toolkit/message_box.h"
#include "toolkit/program_host.h"
#include "files/document_lifecycle.h"
#include "platform/file_system.h"

namespace orvo::files {

struct DroppedFiles {
  std::vector<ustring> paths;
  bool file_list = true;     // the data is a list of files
  bool copy_allowed = true;  // the drop lets the file be copied
};

class DropOpen {
 public:
  DropOpen(ProgramHost& host, DocumentWindow& window, MessageBox& messages, const FileSystem& files,
           const AppHost& app, DocumentLifecycle& documents)
      : host_(host), window_(window), messages_(messages), files_(files), app_(app), documents_(documents) {}

  // A drop on the document.
  void Dropped(const DroppedFiles& drop);

  // The first activation's open of the command line's file; false when none
  // opened (the editor then starts with a new text).
  bool OpenCommandLine(ustring& command_line);

 private:
  // The size check of drops and the command line; false when it refused.
  bool FitsSize(const ustring& path);
  MessageResult Tell(const ustring& text, bool with_title = true);
  void FocusBack();

  ProgramHost& host_;
  DocumentWindow& window_;
  MessageBox& messages_;
  const FileSystem& files_;
  const AppHost& app_;
  DocumentLifecycle& documents_;
};

}  // namespace orvo::files
