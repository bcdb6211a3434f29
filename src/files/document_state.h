// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which file the text belongs to, and how the command in progress is going.
#include "files/text_file.h"
#include "platform/text.h"

namespace orvo::files {

enum class DocumentKind : int {
  kNone = 0,  // before the main window's first activation
  kNew = 1,   // a text not loaded from a file
  kFile = 2,  // loaded from or saved to a file
};

struct DocumentState {
  DocumentKind Kind = DocumentKind::kNone;
  ustring CurrentPath;
  ustring CurrentName;
  ustring PendingPath;
  ustring PendingName;
  ustring strSAVEtxt;  // the text captured for the save in progress
  LineEnds Ends = LineEnds::kLf;  // how the file on disk ends its lines
  FileEncoding Encoding;          // the code page it is in, and its byte-order mark
  // Outcomes, read and cleared by the command that asked.
  bool SaveCancelled = false;
  bool SaveDeclined = false;
  bool OpenFailed = false;
  bool OpenPathGiven = false;

  void ClearPending() {
    PendingPath.clear();
    PendingName.clear();
  }
};

}  // namespace orvo::files
