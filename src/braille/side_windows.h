// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The secondary windows braille keys open and close: the braille helper, the
// key diagrams, the memo and the find dialog.
namespace orvo::braille {

class SideWindows {
 public:
  virtual ~SideWindows() = default;
  virtual bool FindOpen() const = 0;
  // The find dialog is open and has the keyboard (braille types into its boxes).
  virtual bool FindHasKeyboard() const = 0;
  virtual bool HelperOpen() const = 0;
  virtual bool DiagramsOpen() const = 0;
  virtual void ShowHelper() = 0;
  virtual void UnloadHelper() = 0;
  virtual void ShowDiagrams() = 0;
  virtual void UnloadDiagrams() = 0;
  virtual void ShowMemo() = 0;
  virtual void ActivateFind() = 0;
  virtual void UnloadFind() = 0;
};

}  // namespace orvo::braille
