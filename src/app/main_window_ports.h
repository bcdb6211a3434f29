// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window as the braille and editing modules reach it: each port a
// narrow view of its controls. The modules are made before the window is, so
// the ports find the window through the program when they are used.
#include "braille/braille_menus.h"
#include "braille/cell_display.h"
#include "braille/editor_window.h"
#include "braille/ime_mirrors.h"
#include "braille/side_windows.h"
#include "braille/warning_timer.h"
#include "editing/document_boxes.h"
#include "editing/find_keys.h"
#include "editing/status_line.h"
#include "files/document_window.h"
#include "files/recent_files.h"
#include "toolkit/main_window_port.h"

namespace orvo::forms {
class TextBoxControl;
}

namespace orvo {

class Program;
class MainWindow;

class MainWindowPorts final : public braille::CellDisplay,
                              public braille::ImeMirrors,
                              public braille::BrailleMenus,
                              public braille::EditorWindow,
                              public braille::SideWindows,
                              public braille::WarningTimer,
                              public editing::DocumentBoxes,
                              public editing::StatusLine,
                              public files::DocumentWindow,
                              public files::RecentMenu,
                              public editing::FindKeys,
                              public MainWindowPort {
 public:
  explicit MainWindowPorts(Program& program) : p_(program) {}

  // CellDisplay
  const ustring& Cells() const override;
  void ShowCells(const ustring& cells) override;
  void ShowMode(const ustring& caption) override;
  void SetDisplayTips(const ustring& mode_tip, const ustring& cells_tip) override;

  // ImeMirrors
  const ustring& MirrorText(braille::MirrorBox box) const override;
  void SetMirrorText(braille::MirrorBox box, const ustring& text) override;

  // BrailleMenus
  void ShowBrailleMenus(bool braille) override;
  void SetMethodPicture(int picture) override;
  void SetImePicture(int picture) override;
  void SetCoverVisible(bool visible) override;
  void SetToolVisible(bool visible) override;

  // EditorWindow
  EditControl& ActiveTextBox() override;
  EditControl& TypingBox() override;
  bool WindowEnabled() const override;
  bool WindowMinimized() const override;
  void CloseWindow() override;

  // SideWindows
  bool FindOpen() const override;
  bool FindHasKeyboard() const override;
  bool HelperOpen() const override;
  bool DiagramsOpen() const override;
  void ShowHelper() override;
  void UnloadHelper() override;
  void ShowDiagrams() override;
  void UnloadDiagrams() override;
  void ShowMemo() override;
  void ActivateFind() override;
  void UnloadFind() override;

  // WarningTimer
  void SetWarningTimer(bool running) override;

  // DocumentBoxes
  EditControl& DocumentBox(int index) override;
  int ActiveBoxIndex() const override;
  void SetActiveBoxIndex(int index) override;
  void SetBoxVisible(int index, bool visible) override;
  void SetBoxBackColor(int index, std::uint32_t colour) override;
  void SetBoxForeColor(int index, std::uint32_t colour) override;
  void SetBoxFont(int index, const FontSpec& font) override;
  void SetWrapNoticeVisible(bool visible) override;
  void SetFontResetEnabled(bool enabled) override;
  bool DocumentWindowEnabled() const override { return WindowEnabled(); }
  WindowHandle DocumentWindowTag() const override;

  // StatusLine
  void ShowStatus(const editing::StatusFigures& figures) override;

  // DocumentWindow (ActiveTextBox and the rest as above)
  bool WordWrap() const override;
  bool TurnWordWrapOff() override;
  void SetCaption(const ustring& caption) override;

  // RecentMenu
  ustring RecentCaption(int index) const override;
  void SetRecentCaption(int index, const ustring& caption) override;
  void SetRecentVisible(int index, bool visible) override;

  // FindKeys: the find dialog's keys to braille input
  bool BrailleMode() const override;
  void FormKeyDown(int& key, int shift) override;
  void FormKeyUp(int& key, int shift) override;
  void FormKeyRepeat(int& key) override;
  void DropHalfChord() override;
  void TextKeyDown(int& key, int shift) override;
  void TextKeyUp(int& key, int shift) override;

  // MainWindowPort: the main window as the secondary windows see it
  forms::Form& OwnerForm() override;
  void ActivateOwner() override;
  forms::TextBoxControl& DocumentControl() override;
  void ResetDotKeys() override;

 private:
  MainWindow& W() const;
  forms::TextBoxControl& Mirror(braille::MirrorBox box) const;

  Program& p_;
};

}  // namespace orvo
