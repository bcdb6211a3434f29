// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window on the screen: its menu bar, its inner area drawn by the
// generic form window (toolbar, cell and mode displays, status line) and
// the document, the active text box's own edit control, laid where the
// window puts its text. Menu choices, moves, resizes, drops and closing go
// back to the models; the view decides nothing.
#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <string>
#include <vector>

#include "frontends/shared/menu_protocol.h"
#include "frontends/win32/form_window.h"
#include "frontends/win32/menu_bar.h"
#include "frontends/win32/uia_notices.h"
#include "frontends/win32/win32_api.h"
#include <shellapi.h>  // after windows.h
#include "toolkit/forms/window_state.h"

namespace orvo {
class MainWindow;
class Program;
}  // namespace orvo

namespace orvo::win32 {

class NativeWindowing;

class MainFrame : private frontend::MenuScreen {
 public:
  // settle: runs after every event passed on (pending events, then a sync).
  MainFrame(Program& program, NativeWindowing& windowing, GdiFonts& fonts, AccessibleNames& names,
            std::function<void()> settle);
  ~MainFrame() override;
  MainFrame(const MainFrame&) = delete;
  MainFrame& operator=(const MainFrame&) = delete;

  HWND Window() const { return window_; }
  void Show();
  void Sync();
  // Tells screen readers what the program decided is to be said after one input.
  void Announce(const std::vector<ustring>& lines);
  const UiaNotices& Notices() const { return notices_; }
  FormWindow& Inner() { return *inner_; }
  // Whether the system's menu loop has the keyboard (a drop-down or pop-up is open).
  bool MenuOpen() const { return menu_open_; }
  // The active document's window.
  HWND Document();

  // The window's outer size, place and state, as a person would change them.
  void Resize(int width, int height);
  void Move(int left, int top);
  void SetState(WindowState state);

 private:
  MainWindow& W();
  void OpenDropDown(const forms::MenuEntry& top) override;
  void OpenPopUp(const forms::MenuEntry& menu) override;
  void ChooseCommand(const forms::MenuEntry& top) override;
  void Forward(const std::function<void(MainWindow&)>& action);
  void SyncMenus();
  void SyncGeometry();
  void ShowDocument();
  void TellGeometry();
  void TellState(WPARAM how);
  void MenuCommand(UINT command);
  void OpenMenu(WPARAM position, LPARAM popup);
  void MenusClosed();
  void ReleaseHeldOnce();
  void FilesDropped(HDROP drop);
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param);
  LRESULT Handle(UINT message, WPARAM w_param, LPARAM l_param);

  Program& program_;
  NativeWindowing& windowing_;
  std::function<void()> settle_;
  HWND window_ = nullptr;
  std::unique_ptr<FormWindow> inner_;
  MenuBar menus_bar_;
  std::unique_ptr<frontend::MenuProtocol> menus_;
  UiaNotices notices_;
  int subscription_ = 0;
  bool window_dirty_ = true;
  bool menus_rebuild_ = true;
  std::map<const forms::MenuEntry*, bool> menus_dirty_;
  bool menu_open_ = false;     // between the menu loop's start and its closing handled
  bool chosen_ = false;        // an item was chosen in the open menus
  bool release_held_ = false;  // the keys held are yet to come up for the program
  bool key_menu_ = false;      // the program asked for the system's menu keys once
  const forms::MenuEntry* pop_up_ = nullptr;  // asked for, not yet opened
  struct MenuAsked {
    WPARAM letter;
    LPARAM pop_up;
  };
  std::optional<MenuAsked> deferred_menu_;  // asked for inside a handler, opened after it
  bool applying_ = false;      // the window is being moved to the model's place
  int icon_id_ = -2;           // the picture the window's icons show
  HICON icons_[2] = {nullptr, nullptr};  // large and small
  void SyncIcon();
};

}  // namespace orvo::win32
