// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window on the screen: its menu bar, its inner area drawn by the
// generic form view (toolbar, cell and mode displays, status line) and the
// document widget showing the active text box. The menu bar follows the
// window's menu model, rebuilt when entries come or go. Clicks, menu choices,
// moves, resizes and closing go back to the models; the view decides nothing.
#include <QMainWindow>
#include <QRect>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "frontends/qt/main_strips.h"
#include "frontends/shared/menu_protocol.h"

class QLabel;
class QMenu;
class QPushButton;

namespace orvo {
class Program;
}  // namespace orvo

namespace orvo::qt {

class DocumentEdit;
class DocumentPane;
class FormView;
class MenuBarRows;
class ReaderNotices;

class MainView : public QMainWindow, private frontend::MenuScreen {
  Q_OBJECT

 public:
  // settle: runs after every event passed on (pending events, then a sync).
  MainView(Program& program, std::function<void()> settle);
  ~MainView() override;

  void Sync();
  // While a key is handled, the document alone is synced and painted first;
  // the other controls (the status line's figures, the cell and mode
  // displays) and the strips' layout follow at the first sync after.
  void HoldControls(bool held);
  // Tells screen readers what the program decided is to be said after one
  // input: its lines as one notice, so that none cuts the one before it short.
  void Announce(const std::vector<ustring>& lines);
  const ReaderNotices& Notices() const { return *notices_; }

  DocumentEdit& Text();
  DocumentPane& Pane() { return *pane_; }
  FormView& Inner() { return *inner_; }
  QAction* MenuAction(const std::string& name) const;
  MenuBarRows& Bar() const { return *bar_; }
  // A control's widget by name; an indexed one as "lblSTYLE1".
  QPushButton* Button(const std::string& name) const;
  QLabel* Label(const std::string& name) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  MainWindow& W();
  QWidget* Widget(const std::string& name) const;
  void BuildMenus();
  void BuildMenu(const forms::MenuEntry& entry, QMenu* owner);
  void SyncMenu(const forms::MenuEntry& entry);
  QAction* ActionOf(const forms::MenuEntry& entry) const;
  void OpenDropDown(const forms::MenuEntry& top) override;
  void OpenPopUp(const forms::MenuEntry& menu) override;
  void ChooseCommand(const forms::MenuEntry& top) override;
  void MenuClosed();
  void Forward(const std::function<void(MainWindow&)>& action);
  void TellGeometry();
  void SyncGeometry();

  Program& program_;
  std::function<void()> settle_;
  bool controls_held_ = false;
  StripLayout strips_;
  bool choice_coming_ = false;  // an item of a drop-down was chosen; its command is queued
  std::map<const forms::MenuEntry*, QAction*> actions_;
  std::map<std::string, QAction*> actions_by_name_;
  MenuBarRows* bar_ = nullptr;  // the window's menu bar
  FormView* inner_ = nullptr;  // the central widget
  std::unique_ptr<DocumentPane> pane_;
  ReaderNotices* notices_ = nullptr;  // a child without size
  forms::FrameInsets insets_{-1, -1, -1, -1};  // as last told to the window
  int subscription_ = 0;
  std::unique_ptr<frontend::MenuProtocol> menus_;
  bool window_dirty_ = true;  // caption or icon
  bool menus_rebuild_ = false;
  std::map<const forms::MenuEntry*, bool> menus_dirty_;
  bool applying_ = false;  // geometry set by Sync, not by the person
  QRect fitted_from_;      // the last frame the program asked for that the work area could not hold
};

}  // namespace orvo::qt
