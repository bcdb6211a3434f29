// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of every control model on a form: what a front end needs to draw
// it and a screen reader to name it, and the focus and key routing that all
// kinds share. Controls register with their form when made, so the order of
// construction is the first tab order.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/window_utils/bitmap.h"

#include "platform/edit_control.h"
#include "platform/font_metrics.h"
#include "platform/geometry.h"
#include "platform/text.h"
#include "platform/windowing.h"

namespace orvo::forms {

class Form;

enum class ControlKind {
  kLabel,
  kCommandButton,
  kPictureBox,
  kTextBox,
  kListBox,
  kOptionButton,
  kCheckBox,
  kFrame,
};

namespace colour {
inline constexpr std::uint32_t kBlack = 0x000000u;
inline constexpr std::uint32_t kWhite = 0xFFFFFFu;
inline constexpr std::uint32_t kButtonFace = 0xC0C0C0u;
}  // namespace colour

inline constexpr int kNoPicture = -1;

class Control : public KeyHandler {
 public:
  // index: the place in an indexed set of controls of one name, -1 when alone.
  Control(Form& form, ControlKind kind, std::string name, int index = -1);
  ~Control() override;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Form& Owner() const { return form_; }
  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  int Index() const { return index_; }

  const ustring& Caption() const { return caption_; }
  void SetCaption(ustring caption);
  char16_t Mnemonic() const;

  // Pixels of the form's inner area.
  const Rect& Bounds() const { return bounds_; }
  void SetBounds(const Rect& bounds);
  void MoveTo(int left, int top);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Visible (enabled) itself and in every frame around it.
  bool ShownInFrames() const;
  bool EnabledInFrames() const;

  int TabIndex() const;
  void SetTabIndex(int index);  // the others move along, as in a designer
  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool tab_stop);

  // The tooltip is also what a screen reader gives as the description,
  // unless a description of its own was given (a picture's text alternative).
  const ustring& ToolTip() const { return tooltip_; }
  void SetToolTip(ustring text);
  const ustring& AccessibleDescription() const { return description_ ? *description_ : tooltip_; }
  void SetAccessibleDescription(std::optional<ustring> text);
  // The caption as read aloud unless a name was given.
  ustring AccessibleName() const;
  // The name given for readers, if any (AccessibleName without the copy).
  const std::optional<ustring>& GivenAccessibleName() const { return accessible_name_; }
  void SetAccessibleName(std::optional<ustring> name);
  // A live display: screen readers hear each change of its caption.
  bool Live() const { return live_; }
  void SetLive(bool live);

  const FontSpec& Font() const { return font_; }
  void SetFont(const FontSpec& font);
  std::uint32_t ForeColor() const { return fore_; }
  void SetForeColor(std::uint32_t rgb);
  std::uint32_t BackColor() const { return back_; }
  void SetBackColor(std::uint32_t rgb);
  int Picture() const { return picture_; }
  void SetPicture(int picture);
  // A picture drawn under the caption and the picture, from the top left (a
  // button's gradient face, the splash's background); null for none. Shared:
  // the same face serves every button drawn with it.
  const std::shared_ptr<const Bitmap>& Face() const { return face_; }
  void SetFace(std::shared_ptr<const Bitmap> face);

  // The frame or picture box that holds this control (its bounds are then
  // inside the holder's); null: the form itself.
  Control* Container() const { return container_; }
  // False, and nothing changes, for a holder of another kind or one inside this control.
  bool SetContainer(Control* holder);
  // Whether controls of this kind hold others.
  bool HoldsControls() const { return kind_ == ControlKind::kFrame || kind_ == ControlKind::kPictureBox; }

  // Whether the control may take the focus now (its kind, visible, enabled).
  virtual bool CanFocus() const;
  // Whether Tab stops here now.
  virtual bool IsTabStopNow() const;
  // Keys the focused control keeps from the form's navigation (Enter, Esc, Tab).
  virtual bool TakesKey(int key_code) const;
  // The platform edit control behind a text box; null for other kinds.
  virtual EditControl* Edit() { return nullptr; }

  bool HasFocus() const;
  bool SetFocus();  // false when it cannot take the focus
  // A person's click and double click, as a front end reports them.
  virtual void Click();
  void DoubleClick();
  // A mouse button going down on the control (before any click); button: 1 left, 2 right.
  void MouseDown(int button);
  // What Alt with the caption's access key does.
  virtual void MnemonicAction();

  // The control's key events (the desktop calls them for the focused control),
  // then the kind's own keyboard action for keys nobody cancelled.
  void KeyDown(int& key_code, int shift) final;
  void KeyUp(int& key_code, int shift) final;

 protected:
  // Usable by a person: its form enabled, itself visible and enabled in its frames.
  bool Usable() const;
  virtual void OwnKeyDown(int& key_code, int shift);
  virtual void OwnKeyUp(int& key_code, int shift);
  // Called after any property changed, for kinds that mirror them elsewhere.
  virtual void Sync() {}
  void RaiseClick();
  void RaiseChange();
  // Tells the form (and so the front ends) that this control's properties changed.
  void Changed();

 private:
  Form& form_;
  ControlKind kind_;
  std::string name_;
  int index_;
  ustring caption_;
  Rect bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  bool tab_stop_;
  ustring tooltip_;
  std::optional<ustring> description_;
  std::optional<ustring> accessible_name_;
  bool live_ = false;
  FontSpec font_;
  std::uint32_t fore_ = colour::kBlack;
  std::uint32_t back_ = colour::kButtonFace;
  int picture_ = kNoPicture;
  std::shared_ptr<const Bitmap> face_;
  Control* container_ = nullptr;
};

}  // namespace orvo::forms
