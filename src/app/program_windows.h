// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The secondary windows the program has: the find dialog and the key
// diagrams, loaded afresh each time they open; the braille helper, loaded
// once and kept, hidden, between showings until it is unloaded; the memo.
#include <memory>
#include <vector>

#include "app/secondary_windows.h"

namespace orvo {

class Program;
class SplashWindow;
namespace editing {
class FindWindow;
}
namespace help {
class HelperWindow;
class DiagramsWindow;
class MemoWindow;
}  // namespace help

class ProgramWindows : public SecondaryWindows {
 public:
  explicit ProgramWindows(Program& program);
  ~ProgramWindows() override;

  void ShowHelper() override;
  void UnloadHelper() override;
  void ShowDiagrams() override;
  void UnloadDiagrams() override;
  void ShowMemo() override;
  void ShowFind(int mode) override;
  void ActivateFind() override;
  void UnloadFind() override;
  forms::TextBoxControl* FindTypingBox() const override;
  // The find dialog while it is loaded; null otherwise.
  editing::FindWindow* Find() const;
  void ShowSplash() override;
  // The splash or version window while it is loaded; null otherwise.
  SplashWindow* Splash() const;
  // The helper and the diagrams while they are loaded; null otherwise.
  help::HelperWindow* Helper() const;
  help::DiagramsWindow* Diagrams() const;

 private:
  Program& p_;
  std::unique_ptr<editing::FindWindow> find_;
  std::unique_ptr<SplashWindow> splash_;
  std::unique_ptr<help::HelperWindow> helper_;
  std::unique_ptr<help::DiagramsWindow> diagrams_;
  std::unique_ptr<help::MemoWindow> memo_;
  std::vector<std::unique_ptr<editing::FindWindow>> retired_find_;  // closed, perhaps still in a handler
};

}  // namespace orvo
