// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor's main window: the document text box (a non-wrapping and a
// wrapping one), the toolbar with the input-method and IME buttons, the cell
// and mode displays, the status line, the menus, the hidden boxes that mirror
// the IME, and the timer for deferred warnings. It sees every key first.
// Its menus are made and worked in main_window_menus.cpp from the table in
// main_window_menu_table.*, their entries' states kept in
// main_window_menu_states.cpp; closing is main_window_closing.cpp.
#include <array>
#include <string>

#include "toolkit/forms/command_button_control.h"
#include "toolkit/forms/form.h"
#include "toolkit/forms/label_control.h"
#include "toolkit/forms/picture_box_control.h"
#include "toolkit/forms/text_box_control.h"
#include "app/main_window_layout.h"
#include "toolkit/main_window_port.h"
#include "toolkit/window_utils/colour.h"
#include "platform/edit_control.h"
#include "platform/geometry.h"
#include "platform/timer.h"

namespace orvo {

class Program;

class MainWindow : public forms::Form {
 public:
  static constexpr int kTag = kMainWindowTag;

  explicit MainWindow(Program& program);
  ~MainWindow() override;

  // Loads, shows and activates the window.
  void Load();
  void Activate();
  // Closing by any means: asks first; false when the close was cancelled.
  bool Close();
  bool Closed() const { return closed_; }

  bool Minimized() const { return State() == WindowState::kMinimized; }

  // The text box that holds the document now (index 1 while wrapping).
  EditControl& ActiveTextBox() { return txtJOV(active_); }
  EditControl& txtJOV(int index) { return TextBoxAt(index).Box(); }
  forms::TextBoxControl& TextBoxAt(int index) { return text_boxes_[static_cast<std::size_t>(index)]; }
  int ActiveIndex() const { return active_; }
  void SetActiveIndex(int index) { active_ = index; }
  bool WordWrap() const { return active_ == 1; }
  void FocusTextBox();
  const Rect& TextRect() const { return text_rect_; }

  // A menu entry by its name (mnuFILE, mnuT_HELPER, ...); every name the window made.
  forms::MenuEntry& Menu(std::string_view name);
  const forms::MenuEntry& Menu(std::string_view name) const;
  // The history item 1 to 4 of the file menu.
  forms::MenuEntry& RecentItem(int index);
  // Opening a top-level menu, then choosing an item by its name.
  void OpenMenu(const std::string& top);
  void ChooseMenu(const std::string& item);
  // The menus opened from the bar closed with nothing chosen: braille input
  // comes back if they left it, and the keyboard goes back to the text.
  void MenuDismissed();
  // Chooses an item as a person would: opens its menu first.
  bool ClickMenu(const std::string& item);
  // The document text box's pop-up menu (mnuPOPUP), its items' states brought up to date.
  void OpenPopup();

  // Clicks and the application's activation.
  void ClickMemo();  // cmdMEMO
  void ClickType();  // cmdTYPE
  void ClickIme();   // cmdIME
  void ClickMode();  // lblMODE
  void TextMouseUp(int button);
  void AppActivation(bool active);

 private:
  std::array<forms::TextBoxControl, 2> text_boxes_;  // txtJOV: first in tab order

 public:
  forms::TextBoxControl txtIN, txtHEN, txtOUT, txtKAN;
  forms::LabelControl lblTENJI, lblMODE, lblTURN, lblBYTES;
  forms::LabelControl lblKETA, lblGYO, lblAllGYO, lblFileSIZE;
  std::array<forms::LabelControl, 4> lblSTYLE;
  forms::CommandButtonControl cmdMEMO, cmdTYPE, cmdIME, cmdCOVER, cmdTOOL;
  forms::PictureBoxControl picSTATUS, picCONER, picBAR;
  Timer Timer1;
  Colour ButtonFace = 0;  // the desktop's button colour, read at load
  Rect Restore;  // RestoreLeft, RestoreTop, RestoreWidth, RestoreHeight (twips)

 protected:
  void OnLoad() override;
  void OnActivate() override;
  void OnResize() override;
  void OnQueryUnload(bool& cancel, forms::UnloadMode mode) override;
  void OnUnload() override;
  void OnClick(forms::Control& control) override;
  void OnMouseDown(forms::Control& control, int button) override;
  void OnMenuClick(forms::MenuEntry& entry) override;
  void OnKeyDown(int& key, int shift) override;
  void OnKeyUp(int& key, int shift) override;
  void OnKeyRepeat(int& key, int shift) override;
  void OnKeysLost() override;
  void OnControlKeyDown(forms::Control& control, int& key, int shift) override;
  void OnControlKeyUp(forms::Control& control, int& key, int shift) override;

 private:
  void CreateMenus();
  void SET_SYS_COL();
  void BTN_BAK_GRADE();
  void InitFonts();
  void ApplySettings();
  void FirstActivation();
  // The braille font for the cell display, or the plain font and the display hidden.
  void UseBrailleFont();
  void SetToolWidth(int width);
  void ActivationSteps();
  void AfterMenuCommand();
  void OptionMenuStates();
  void FileMenuStates();
  void EditMenuStates();
  void PopupStates();
  void NextFind();
  void RestoreArea();
  void StretchArea(bool tall);  // to the work area's height, or its width
  bool IsDocumentBox(const forms::Control& control) const;
  void Shutdown();

  Program& p_;
  int active_ = 0;
  Rect text_rect_;
  bool closed_ = false;
  bool menu_open_ = false;  // a menu of the bar is open, nothing chosen yet
  bool first_activated_ = false;
  bool resizing_ = false;
};

}  // namespace orvo
