#pragma once
// The main window on the screen: menus, the toolbar strip, the cell and mode
// displays, the text box and the status line, all drawn from the main
// window's control models by Sync(), which redraws them after the forms
// runtime reported a change. Clicks, menu choices, moves, resizes and
// closing go back to the models; the view decides nothing itself.
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/forms/label_control.h"
#include "app/main_window.h"

class QLabel;
class QMenu;
class QPushButton;

namespace orvo {
class MainWindow;
class Program;
}  // namespace orvo

namespace orvo::qt {

class ClickLabel;
class DocumentEdit;
class DocumentPane;

class MainView : public QMainWindow {
  Q_OBJECT

 public:
  // settle: runs after every event passed on (pending events, then a sync).
  MainView(Program& program, std::function<void()> settle);
  ~MainView() override;

  void Sync();

  DocumentEdit& Text();
  DocumentPane& Pane() { return *pane_; }
  QAction* MenuAction(const std::string& name) const;
  QPushButton* Button(const std::string& name) const;
  QLabel* Label(const std::string& name) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  struct LabelSlot {
    QLabel* widget;
    const forms::LabelControl* model;
    QString spoken;  // the caption last told to screen readers
  };

  MainWindow& W();
  void BuildMenus();
  void BuildMenu(const forms::MenuEntry& entry, QMenu* owner);
  void BuildControls();
  void Forward(const std::function<void(MainWindow&)>& action);
  void TellGeometry();
  void SyncMenus();
  void SyncControls();
  void SyncGeometry();

  Program& program_;
  std::function<void()> settle_;
  std::map<std::string, QAction*> actions_;
  std::map<std::string, QPushButton*> buttons_;
  std::map<std::string, LabelSlot> labels_;
  QWidget* bar_ = nullptr;
  QWidget* status_ = nullptr;
  std::unique_ptr<DocumentPane> pane_;
  forms::FrameInsets insets_{-1, -1, -1, -1};  // as last told to the window
  int subscription_ = 0;
  bool dirty_ = true;  // the forms runtime reported a change since the last sync
  bool applying_ = false;  // geometry set by Sync, not by the person
};

}  // namespace orvo::qt
