// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The emulated edit control as a subject of the edit-control contract: it
// draws nothing, so the lines it shows are the lines of its text.
#include <vector>

#include "platform/emulated/edit/edit_control_contract.h"
#include "platform/emulated/edit/edit_control_model.h"

namespace orvo::testing {

struct ModelSubject {
  static constexpr const char* kName = "Model";
  void SetViewSize(int columns, int lines) { edit.SetViewSize(columns, lines); }
  std::vector<int> ShownLines() const { return LineLengths(edit.Text()); }
  emu::EditControlModel edit;
};

}  // namespace orvo::testing
