// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmMEMO: the user's memo file "Orvo_メモ.txt" of the program folder, shown
// read from disk each time it opens and never written back. A file that is
// missing, unreadable, too long or not text in the code page is named in a
// message, and the window closes itself.
#include "toolkit/forms/command_button_control.h"
#include "toolkit/forms/form.h"
#include "toolkit/window_context.h"
#include "toolkit/forms/text_box_control.h"


namespace orvo::help {

class MemoWindow : public forms::Form {
 public:
  static constexpr int kTag = 6;
  // The document's limit: a memo longer than that is not read.
  static constexpr long long kMemoLimit = 60000;

  explicit MemoWindow(const WindowContext& context);
  ~MemoWindow() override;

  // The file looked for.
  ustring MemoPath() const;
  // Shows it modally over the main window; returns once it has closed.
  void Open();
  bool LoadFailed() const { return load_failed_; }

  forms::TextBoxControl txtMEMO;
  forms::CommandButtonControl cmdOK;

 protected:
  void OnLoad() override;
  void OnActivate() override;
  void OnQueryUnload(bool& cancel, forms::UnloadMode mode) override;
  void OnClick(forms::Control& control) override;

 private:
  void INIT_F7();
  const char16_t* ReadMemo(ustring& memo) const;
  void Fail(const char16_t* message);

  WindowContext p_;
  bool load_failed_ = false;
};

}  // namespace orvo::help
