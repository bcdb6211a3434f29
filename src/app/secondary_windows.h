// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The secondary windows as the main window reaches them: the braille helper,
// the key diagrams, the memo and the find dialog. Each is loaded and unloaded on demand.
namespace orvo {

namespace forms {
class TextBoxControl;
}

class SecondaryWindows {
 public:
  virtual ~SecondaryWindows() = default;
  virtual void ShowHelper() = 0;      // loads it modeless over the main window, or activates it
  virtual void UnloadHelper() = 0;
  virtual void ShowDiagrams() = 0;    // modal
  virtual void UnloadDiagrams() = 0;
  // The memo, modal, with braille mode left while it is open and taken up again after.
  virtual void ShowMemo() = 0;
  virtual void ShowFind(int mode) = 0;  // loads the find dialog afresh, for find (1) or replace (2)
  virtual void ActivateFind() = 0;    // activates the find dialog and focuses its search box
  virtual void UnloadFind() = 0;
  // The find dialog's box that has the keyboard while the dialog is the active
  // window (braille types there), or null.
  virtual forms::TextBoxControl* FindTypingBox() const { return nullptr; }
  // The splash at start-up, the version window afterwards (modeless, the main window disabled).
  virtual void ShowSplash() = 0;
};

// Until those windows exist: opening one does nothing, so no flag is set.
class NoSecondaryWindows : public SecondaryWindows {
 public:
  void ShowHelper() override {}
  void UnloadHelper() override {}
  void ShowDiagrams() override {}
  void UnloadDiagrams() override {}
  void ShowMemo() override {}
  void ShowFind(int) override {}
  void ActivateFind() override {}
  void UnloadFind() override {}
  void ShowSplash() override {}
};

}  // namespace orvo
