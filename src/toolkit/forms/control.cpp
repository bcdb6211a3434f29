// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/forms/control.h"

#include "toolkit/forms/form.h"
#include "toolkit/forms/mnemonic.h"

namespace orvo::forms {

Control::Control(Form& form, ControlKind kind, std::string name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index), tab_stop_(true) {
  form_.Register(this);
}

Control::~Control() { form_.Unregister(this); }

void Control::SetCaption(ustring caption) {
  caption_ = std::move(caption);
  Changed();
}

char16_t Control::Mnemonic() const { return MnemonicOf(caption_); }

void Control::SetBounds(const Rect& bounds) {
  bounds_ = bounds;
  Changed();
}

void Control::MoveTo(int left, int top) { SetBounds({left, top, bounds_.width, bounds_.height}); }

void Control::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}

void Control::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

bool Control::ShownInFrames() const {
  for (const Control* c = this; c != nullptr; c = c->container_) {
    if (!c->visible_) return false;
  }
  return true;
}

bool Control::EnabledInFrames() const {
  for (const Control* c = this; c != nullptr; c = c->container_) {
    if (!c->enabled_) return false;
  }
  return true;
}

int Control::TabIndex() const {
  const auto& order = form_.Controls();
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (order[i] == this) return static_cast<int>(i);
  }
  return -1;
}

void Control::SetTabIndex(int index) { form_.MoveInTabOrder(this, index); }

void Control::SetTabStop(bool tab_stop) {
  tab_stop_ = tab_stop;
  Changed();
}

void Control::SetToolTip(ustring text) {
  tooltip_ = std::move(text);
  Changed();
}

void Control::SetAccessibleDescription(std::optional<ustring> text) {
  description_ = std::move(text);
  Changed();
}

ustring Control::AccessibleName() const {
  return accessible_name_ ? *accessible_name_ : StripMnemonic(caption_);
}

void Control::SetAccessibleName(std::optional<ustring> name) {
  accessible_name_ = std::move(name);
  Changed();
}

void Control::SetLive(bool live) {
  live_ = live;
  Changed();
}

void Control::SetFont(const FontSpec& font) {
  font_ = font;
  Changed();
}

void Control::SetForeColor(std::uint32_t rgb) {
  fore_ = rgb;
  Changed();
}

void Control::SetBackColor(std::uint32_t rgb) {
  back_ = rgb;
  Changed();
}

void Control::SetPicture(int picture) {
  picture_ = picture;
  Changed();
}

void Control::SetFace(std::shared_ptr<const Bitmap> face) {
  if (face == face_) return;
  face_ = std::move(face);
  Changed();
}

bool Control::SetContainer(Control* holder) {
  if (holder != nullptr && (!holder->HoldsControls() || &holder->form_ != &form_)) return false;
  // A holder inside itself would hide and disable nothing but loop for ever.
  for (const Control* c = holder; c != nullptr; c = c->container_) {
    if (c == this) return false;
  }
  container_ = holder;
  Changed();
  return true;
}

bool Control::CanFocus() const { return ShownInFrames() && EnabledInFrames(); }

bool Control::IsTabStopNow() const { return tab_stop_ && CanFocus(); }

bool Control::TakesKey(int) const { return false; }

bool Control::HasFocus() const { return form_.Focused() == this; }

bool Control::SetFocus() { return form_.FocusControl(this); }

bool Control::Usable() const { return form_.Enabled() && ShownInFrames() && EnabledInFrames(); }

void Control::Click() {
  if (Usable()) RaiseClick();
}

void Control::DoubleClick() {
  if (Usable()) form_.OnDoubleClick(*this);
}

void Control::MouseDown(int button) {
  if (Usable()) form_.OnMouseDown(*this, button);
}

void Control::MnemonicAction() {
  if (CanFocus()) SetFocus();
}

void Control::KeyDown(int& key_code, int shift) {
  if (!Usable()) {
    key_code = 0;  // a disabled control takes no keys
    return;
  }
  form_.OnControlKeyDown(*this, key_code, shift);
  if (key_code != 0) OwnKeyDown(key_code, shift);
}

void Control::KeyUp(int& key_code, int shift) {
  if (!Usable()) {
    key_code = 0;
    return;
  }
  form_.OnControlKeyUp(*this, key_code, shift);
  OwnKeyUp(key_code, shift);
}

void Control::OwnKeyDown(int&, int) {}
void Control::OwnKeyUp(int&, int) {}

void Control::RaiseClick() { form_.OnClick(*this); }

void Control::RaiseChange() { form_.OnChange(*this); }

void Control::Changed() {
  Sync();
  form_.ControlChanged(*this);
}

}  // namespace orvo::forms
