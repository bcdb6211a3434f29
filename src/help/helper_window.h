// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmHELPER: the braille chart beside the editor, worked from the keyboard
// alone so that both hands stay on the dot keys: I/M and O/U scroll by line
// and page, C/V and </> move it within the work area, Y shows its key list,
// F4 hands the keyboard back without closing, Space hides it. Hidden, it
// keeps its scroll position and size for the next showing.
#include "toolkit/forms/command_button_control.h"
#include "toolkit/forms/form.h"
#include "toolkit/window_context.h"
#include "toolkit/forms/label_control.h"
#include "toolkit/forms/picture_box_control.h"
#include "toolkit/forms/text_box_control.h"


namespace orvo::help {

class HelperWindow : public forms::Form {
 public:
  static constexpr int kTag = 4;
  static constexpr int kMoveStep = 300;  // twips per move key
  static constexpr int kWidthPx = 183;
  static constexpr int kShortHeightPx = 303;
  static constexpr int kTallHeightPx = 402;  // with the key list

  explicit HelperWindow(const WindowContext& context);
  ~HelperWindow() override;

  // Loads it over the main window, or shows it again as it was hidden.
  void Open();
  bool LoadFailed() const { return load_failed_; }
  bool KeysShown() const { return keys_shown_; }

  forms::TextBoxControl txtROLL;
  forms::LabelControl lblN;
  forms::PictureBoxControl Line1, Line2;
  forms::LabelControl lblM;
  forms::CommandButtonControl Command1;

 protected:
  void OnLoad() override;
  void OnActivate() override;
  void OnQueryUnload(bool& cancel, forms::UnloadMode mode) override;
  void OnClick(forms::Control& control) override;
  void OnGotFocus(forms::Control& control) override;
  void OnMouseDown(forms::Control& control, int button) override;
  void OnKeyDown(int& key, int shift) override;
  void OnControlKeyDown(forms::Control& control, int& key, int shift) override;

 private:
  void Scroll(int request);
  void MoveBy(int dx, int dy);
  void ToggleKeys();
  void GiveKeyboardBack();
  void Close();

  WindowContext p_;
  bool load_failed_ = false;
  bool keys_shown_ = false;
};

}  // namespace orvo::help
