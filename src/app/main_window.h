#pragma once
// The editor's main window: the document text box (a non-wrapping and a
// wrapping one), the toolbar with the input-method and IME buttons, the cell
// and mode displays, the status line, the menus, the hidden boxes that mirror
// the IME, and the timer for deferred warnings. It sees every key first.
#include <array>
#include <memory>

#include "app/forms/controls.h"
#include "platform/edit_control.h"
#include "platform/timer.h"
#include "platform/windowing.h"

namespace orvo {

class Program;

class MainWindow : public KeyHandler {
 public:
  explicit MainWindow(Program& program);
  ~MainWindow() override;

  void Load();
  void Activate();
  void Close();  // asks, leaves braille mode, releases keys and ends the program
  bool Closed() const { return closed_; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Minimized() const { return minimized_; }
  void Repaint() {}

  // The text box that holds the document now (index 1 while wrapping).
  EditControl& ActiveTextBox() { return *boxes_[static_cast<std::size_t>(active_)]; }
  EditControl& txtJOV(int index) { return *boxes_[static_cast<std::size_t>(index)]; }
  int ActiveIndex() const { return active_; }
  void FocusTextBox();

  // Key preview: the window sees every key before the text box.
  void KeyDown(int& key, int shift) override;
  void KeyUp(int& key, int shift) override;

  // Clicks.
  void ClickType();  // cmdTYPE
  void ClickIme();   // cmdIME
  void ClickMode();  // lblMODE
  void TextMouseUp(int button);

  ustring Caption;
  forms::HiddenText txtIN, txtHEN, txtOUT, txtKAN;
  forms::Label lblTENJI, lblMODE;
  forms::Label lblKETA, lblGYO, lblAllGYO, lblFileSIZE;
  forms::CommandButton cmdMEMO, cmdTYPE, cmdIME, cmdCOVER, cmdTOOL;
  forms::Menus menus;
  Timer Timer1;

 private:
  // The text box's own key handlers.
  class TextEvents : public KeyHandler {
   public:
    explicit TextEvents(Program& program) : p_(program) {}
    void KeyDown(int& key, int shift) override;
    void KeyUp(int& key, int shift) override;

   private:
    Program& p_;
  };

  void CreateMenus();
  void InitFonts();

  Program& p_;
  std::array<std::unique_ptr<EditControl>, 2> boxes_;
  int active_ = 0;
  TextEvents text_events_;
  bool enabled_ = true;
  bool minimized_ = false;
  bool closed_ = false;
  bool first_activated_ = false;
};

}  // namespace orvo
