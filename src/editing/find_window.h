// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmFIND: the modeless find and replace dialog over the main window, worked
// entirely from the keyboard: F3 finds, F4 replaces, F5 closes, Enter and
// Backspace move between the two boxes, Up and Down move the window within
// the work area. Its two boxes take braille as the document does (the
// dialog's own keys first). It reads and writes the program's search state.
#include <array>

#include "toolkit/forms/check_box_control.h"
#include "toolkit/forms/command_button_control.h"
#include "toolkit/forms/form.h"
#include "toolkit/window_context.h"
#include "editing/find_keys.h"
#include "editing/find_replace.h"
#include "toolkit/forms/frame_control.h"
#include "toolkit/forms/label_control.h"
#include "toolkit/forms/option_button_control.h"
#include "toolkit/forms/text_box_control.h"


namespace orvo::editing {

// What the dialog works on beside its window: the program's search state,
// the search itself, and braille input for its boxes.
struct FindPorts {
  SearchState& search;
  FindReplace& finder;
  FindKeys& keys;
};

class FindWindow : public forms::Form {
 public:
  static constexpr int kTag = 3;
  static constexpr int kMoveStep = 300;  // twips per Up or Down

  FindWindow(const WindowContext& context, const FindPorts& ports);
  ~FindWindow() override;

  // Opens for find or replace (find_mode), over the main window.
  void Open(int mode);
  // Brings the open dialog to the front with the keyboard in its search box.
  void ActivateSearchBox();

  forms::LabelControl Label1;
  forms::TextBoxControl txtFIND;
  forms::LabelControl Label2;
  forms::TextBoxControl txtREPLACE;
  forms::FrameControl fraDIRECTION;
  std::array<forms::OptionButtonControl, 2> optDirection;  // 0 upwards, 1 downwards
  forms::CheckBoxControl chkCASE;
  forms::CommandButtonControl cmdFIND, cmdREPLACE, cmdCLOSE;

 protected:
  void OnLoad() override;
  void OnActivate() override;
  void OnUnload() override;
  void OnClick(forms::Control& control) override;
  void OnChange(forms::Control& control) override;
  void OnKeyDown(int& key, int shift) override;
  void OnKeyUp(int& key, int shift) override;
  void OnKeyRepeat(int& key, int shift) override;
  void OnKeysLost() override;
  void OnGotFocus(forms::Control& control) override;
  void OnControlKeyDown(forms::Control& control, int& key, int shift) override;
  void OnControlKeyUp(forms::Control& control, int& key, int shift) override;

 private:
  void FindClicked();
  void ReplaceClicked();
  void MoveBy(int twips);
  void SelectReplaceStart();  // the first len(txtFIND) characters of txtREPLACE
  bool IsBox(const forms::Control& control) const { return &control == &txtFIND || &control == &txtREPLACE; }

  WindowContext p_;
  FindPorts f_;
  bool first_activated_ = false;
};

}  // namespace orvo::editing
