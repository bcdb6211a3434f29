// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window of the program as a model: its frame (caption, icon, place and
// size, state), its controls in tab order, the focused one, its menus, and
// its events as virtual functions. As the active window it sees every key
// first: menu shortcuts, its own key preview, then Tab, Enter for the default
// button, Esc for the cancel button and Alt with an access key.
#include <string>
#include <vector>

#include "toolkit/forms/control.h"
#include "toolkit/forms/forms_event.h"
#include "toolkit/forms/menu_entry.h"
#include "toolkit/forms/window_state.h"
#include "platform/geometry.h"
#include "platform/text.h"
#include "platform/windowing.h"

namespace orvo::forms {

class CommandButtonControl;
class FormsRuntime;

// Why a form is being unloaded, as its query-unload event hears it.
enum class UnloadMode {
  kCloseBox = 0,  // the user closed the window
  kCode = 1,      // the program unloaded it
  kOwner = 5,     // its owner is being unloaded
};

// Where a form goes the first time it is shown after loading.
enum class StartPosition { kManual, kCentreOwner, kCentreScreen };

// The frame around the inner area, in pixels (borders, title and menu bar).
struct FrameInsets {
  int left = 4;
  int top = 23;
  int right = 4;
  int bottom = 4;
  bool operator==(const FrameInsets&) const = default;
};

class Form : public KeyHandler {
 public:
  // The runtime outlives the form.
  Form(FormsRuntime& runtime, std::string name);
  ~Form() override;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  FormsRuntime& Runtime() const { return runtime_; }
  Windowing& windowing() const;
  const std::string& Name() const { return name_; }

  const ustring& Caption() const { return caption_; }
  void SetCaption(ustring caption);
  int Icon() const { return icon_; }  // a picture id, kNoPicture for none
  void SetIcon(int picture);
  // What a screen reader says of the window when it comes, after its name.
  const ustring& Description() const { return description_; }
  void SetDescription(ustring text);
  // The colour of the window's inner area.
  std::uint32_t BackColor() const { return back_; }
  void SetBackColor(std::uint32_t rgb);
  int Tag() const { return tag_; }  // the number other code finds the window by
  void SetTag(int tag) { tag_ = tag; }

  bool Loaded() const { return loaded_; }
  bool Visible() const { return visible_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  Form* OwnerForm() const { return owner_; }

  // Outer rectangle in twips; a new size raises Resize on a loaded form.
  const Rect& OuterTwips() const { return outer_; }
  void Move(const Rect& outer_twips);
  WindowState State() const { return state_; }
  void SetState(WindowState state);  // raises Resize
  const FrameInsets& Insets() const { return insets_; }
  void SetInsets(const FrameInsets& insets);
  Size InnerPx() const;
  StartPosition Start() const { return start_; }
  void SetStart(StartPosition start) { start_ = start; }

  bool KeyPreview() const { return key_preview_; }
  void SetKeyPreview(bool preview) { key_preview_ = preview; }

  // Controls in tab order.
  const std::vector<Control*>& Controls() const { return tab_order_; }
  Control* FindControl(std::string_view name, int index = -1) const;
  Control* Focused() const { return focused_; }
  bool FocusControl(Control* control);  // null clears; false when it cannot take it
  // Moves to the next (or previous) Tab stop, round the end.
  void FocusNext(bool backwards = false);
  CommandButtonControl* DefaultButton() const;
  CommandButtonControl* CancelButton() const;

  MenuEntry& MenuBar() { return menu_bar_; }
  const MenuEntry& MenuBar() const { return menu_bar_; }
  // A person's choice of a menu entry (or opening of a menu); false when it
  // is unknown, a separator, or hidden or disabled along its path.
  bool ChooseMenu(std::string_view name);

  // The window's close box, and the Close command of its system menu; a
  // window whose Close is disabled is closed only by its own controls.
  bool Close();
  bool CloseEnabled() const { return close_enabled_; }
  void SetCloseEnabled(bool enabled);

  void KeyDown(int& key_code, int shift) final;
  void KeyUp(int& key_code, int shift) final;
  // A held key's repeat: the window's repeat handler first, then, unless it
  // cancelled the key, a key-down like any other.
  void KeyRepeat(int& key_code, int shift) final;
  void KeysLost() final { OnKeysLost(); }
  void KeyPress(char16_t& ch) final;
  // Alt with a top-level menu's access key opens that menu; F10 and Alt
  // alone the first one. The front end opens it on the screen (it hears a
  // kMenuOpen change) and the window's menu events follow as for a click.
  bool MenuKey(char16_t letter) final;
  // Shows a top-level menu the bar does not show (a hidden one) as a pop-up
  // menu at the focus: the front end hears a kMenuOpen change for it, and
  // the window's menu events follow as for the bar's menus.
  void PopUp(const MenuEntry& menu);
  // The menu last opened from the keyboard, until the next; null for none.
  const MenuEntry* MenuOpened() const { return menu_opened_; }

 protected:
  // Events. Key events of the form itself come with key preview set, or
  // when no control has the focus; a handler cancels a key by zeroing it.
  virtual void OnLoad() {}
  virtual void OnActivate() {}
  virtual void OnDeactivate() {}
  virtual void OnResize() {}
  virtual void OnQueryUnload(bool& cancel, UnloadMode mode) {
    (void)cancel;
    (void)mode;
  }
  virtual void OnUnload() {}
  virtual void OnClick(Control& control) { (void)control; }
  virtual void OnDoubleClick(Control& control) { (void)control; }
  virtual void OnMouseDown(Control& control, int button) {
    (void)control;
    (void)button;
  }
  virtual void OnChange(Control& control) { (void)control; }
  virtual void OnGotFocus(Control& control) { (void)control; }
  virtual void OnLostFocus(Control& control) { (void)control; }
  virtual void OnMenuClick(MenuEntry& entry) { (void)entry; }
  virtual void OnKeyDown(int& key_code, int shift) {
    (void)key_code;
    (void)shift;
  }
  virtual void OnKeyUp(int& key_code, int shift) {
    (void)key_code;
    (void)shift;
  }
  virtual void OnKeyRepeat(int& key_code, int shift) {
    (void)key_code;
    (void)shift;
  }
  virtual void OnKeysLost() {}
  virtual void OnControlKeyDown(Control& control, int& key_code, int shift) {
    (void)control;
    (void)key_code;
    (void)shift;
  }
  virtual void OnControlKeyUp(Control& control, int& key_code, int shift) {
    (void)control;
    (void)key_code;
    (void)shift;
  }

 private:
  friend class Control;
  friend class FormsRuntime;

  // Aligned strips follow the new size, then Resize is raised.
  void Resized();
  void Register(Control* control);
  void Unregister(Control* control);
  void MoveInTabOrder(Control* control, int index);
  void ControlChanged(Control& control);
  void NotifyChanged(FormsEvent::Part part = FormsEvent::Part::kForm, Control* control = nullptr,
                     const MenuEntry* menu = nullptr);
  bool IsKeyTarget() const;  // the desktop's active window and the runtime's
  void SyncFocus();
  bool Navigate(int key_code, int shift);
  bool PressMnemonic(int key_code);
  bool MenuShortcut(int key_code, int shift);
  Control* FirstTabStop() const;

  FormsRuntime& runtime_;
  std::string name_;
  ustring caption_;
  int icon_ = kNoPicture;
  std::uint32_t back_ = colour::kButtonFace;
  ustring description_;
  int tag_ = 0;
  bool loaded_ = false;
  bool visible_ = false;
  bool placed_ = false;
  bool unloading_ = false;
  bool enabled_ = true;
  bool key_preview_ = false;
  bool close_enabled_ = true;
  Form* owner_ = nullptr;
  Rect outer_{0, 0, 4800, 3600};
  WindowState state_ = WindowState::kNormal;
  FrameInsets insets_;
  StartPosition start_ = StartPosition::kCentreOwner;
  std::vector<Control*> tab_order_;
  Control* focused_ = nullptr;
  bool drop_char_ = false;  // the key just used by the form types nothing
  const MenuEntry* menu_opened_ = nullptr;
  std::vector<int> shortcut_codes_;  // the key codes of the menus' shortcuts
  bool shortcut_codes_known_ = false;
  MenuEntry menu_bar_;
};

}  // namespace orvo::forms
