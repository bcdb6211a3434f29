#pragma once
// The editor's main window: the document text box (a non-wrapping and a
// wrapping one), the toolbar with the input-method and IME buttons, the cell
// and mode displays, the status line, the menus, the hidden boxes that mirror
// the IME, and the timer for deferred warnings. It sees every key first.
#include <array>
#include <memory>
#include <string>

#include "app/forms/controls.h"
#include "app/main_window_layout.h"
#include "platform/edit_control.h"
#include "platform/geometry.h"
#include "platform/timer.h"
#include "platform/windowing.h"

namespace orvo {

class Program;

// The frame around a window's inner area, in pixels (borders, title and menu bar).
struct FrameInsets {
  int left = 4;
  int top = 42;
  int right = 4;
  int bottom = 4;
};

class MainWindow : public KeyHandler {
 public:
  static constexpr int kTag = 1;

  explicit MainWindow(Program& program);
  ~MainWindow() override;

  void Load();
  void Activate();
  // Closing by any means: asks first; false when the close was cancelled.
  bool Close();
  bool Closed() const { return closed_; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  void Repaint() {}

  // Outer rectangle in twips, as other windows and the presets see it.
  const Rect& OuterTwips() const { return outer_; }
  void Move(const Rect& outer_twips);  // a new size raises a resize
  WindowState State() const { return state_; }
  void SetState(WindowState state);
  bool Minimized() const { return state_ == WindowState::kMinimized; }
  Size InnerPx() const;
  void SetFrameInsets(const FrameInsets& insets) { insets_ = insets; }

  // The text box that holds the document now (index 1 while wrapping).
  EditControl& ActiveTextBox() { return *boxes_[static_cast<std::size_t>(active_)]; }
  EditControl& txtJOV(int index) { return *boxes_[static_cast<std::size_t>(index)]; }
  int ActiveIndex() const { return active_; }
  void SetActiveIndex(int index) { active_ = index; }
  bool WordWrap() const { return active_ == 1; }
  void FocusTextBox();
  const Rect& TextRect() const { return text_rect_; }

  // Key preview: the window sees every key before the text box.
  void KeyDown(int& key, int shift) override;
  void KeyUp(int& key, int shift) override;

  // Menus: opening a top-level menu, then choosing an item by its name.
  void OpenMenu(const std::string& top);
  void ChooseMenu(const std::string& item);
  // Chooses an item as a person would: opens its menu first.
  bool ClickMenu(const std::string& item);

  // Clicks and the application's activation.
  void ClickType();  // cmdTYPE
  void ClickIme();   // cmdIME
  void ClickMode();  // lblMODE
  void TextMouseUp(int button);
  void AppActivation(bool active);

  ustring Caption;
  forms::HiddenText txtIN, txtHEN, txtOUT, txtKAN;
  forms::Label lblTENJI, lblMODE, lblTURN, lblBYTES;
  forms::Label lblKETA, lblGYO, lblAllGYO, lblFileSIZE;
  std::array<forms::Label, 4> lblSTYLE;
  forms::CommandButton cmdMEMO, cmdTYPE, cmdIME, cmdCOVER, cmdTOOL;
  forms::PictureBox picSTATUS, picCONER, picBAR;
  forms::Menus menus;
  Timer Timer1;
  Rect Restore;  // RestoreLeft, RestoreTop, RestoreWidth, RestoreHeight (twips)

 private:
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
  void ApplySettings();
  void Resize();
  void FirstActivation();
  void AfterMenuCommand();
  void OptionMenuStates();
  void SizePreset(const std::string& item);
  bool QueryUnload();
  void Shutdown();

  Program& p_;
  std::array<std::unique_ptr<EditControl>, 2> boxes_;
  int active_ = 0;
  TextEvents text_events_;
  Rect outer_{0, 0, 580 * 15, 420 * 15};
  Rect text_rect_;
  FrameInsets insets_;
  WindowState state_ = WindowState::kNormal;
  bool enabled_ = true;
  bool closed_ = false;
  bool first_activated_ = false;
  bool resizing_ = false;
};

}  // namespace orvo
