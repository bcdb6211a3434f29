// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The common dialogs of a scripted run: the script's next line answers each
// dialog that opens ("dialog PATH", "dialog cancel", "colour R G B",
// "colour cancel"), as the person at the dialog would. A dialog that no line
// answers is the script's error, never a wait.
#include <functional>
#include <string>
#include <vector>

#include "platform/common_dialogs.h"
#include "frontends/script/key_script.h"

namespace orvo::script {

struct ShownDialog {
  std::string kind;  // "open", "save" or "colour"
  ustring title;
  ustring file_name;  // the name offered
  ustring answer;     // the path chosen; empty when cancelled
  ustring folder;     // where a file dialog started; empty: the desktop's choice
};

class ScriptedDialogs : public CommonDialogs {
 public:
  // The next step of the script when it answers a dialog; null otherwise (the
  // source then records why the run stops).
  using AnswerSource = std::function<const ScriptStep*(const std::string& what)>;

  // Relative paths in answers are taken in `folder` (the program folder).
  explicit ScriptedDialogs(ustring folder) : folder_(std::move(folder)) {}
  void SetAnswerSource(AnswerSource source) { source_ = std::move(source); }

  FileDialogAnswer ShowFile(const FileDialogRequest& request) override;
  ColourDialogAnswer ShowColour(const ColourDialogRequest& request) override;

  const std::vector<ShownDialog>& Shown() const { return shown_; }

 private:
  ustring folder_;
  AnswerSource source_;
  std::vector<ShownDialog> shown_;
};

// What a file dialog makes of a name the user typed: the folder for a
// relative one, the default extension for one without any.
ustring CompletePath(const ustring& typed, const ustring& folder, const FileDialogRequest& request);

}  // namespace orvo::script
