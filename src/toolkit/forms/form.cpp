// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/forms/form.h"

#include <algorithm>
#include <cstddef>

#include "toolkit/forms/command_button_control.h"
#include "toolkit/forms/forms_runtime.h"
#include "toolkit/forms/mnemonic.h"
#include "toolkit/forms/picture_box_control.h"
#include "toolkit/forms/text_box_control.h"
#include "platform/keys.h"

namespace orvo::forms {
namespace {

constexpr int kCtrlAlt = shift_mask::kCtrl | shift_mask::kAlt;
constexpr int kAllShifts = shift_mask::kShift | kCtrlAlt;

}  // namespace

Form::Form(FormsRuntime& runtime, std::string name) : runtime_(runtime), name_(std::move(name)) {
  menu_bar_.SetChangeSink([this](const MenuEntry& entry, MenuChange change) {
    shortcut_codes_known_ = false;
    NotifyChanged(change == MenuChange::kChildren ? FormsEvent::Part::kMenuChildren : FormsEvent::Part::kMenu,
                  nullptr, &entry);
  });
}

Form::~Form() {
  menu_bar_.SetChangeSink(nullptr);
  runtime_.Detach(*this);
}

Windowing& Form::windowing() const { return runtime_.windowing(); }

void Form::SetCaption(ustring caption) {
  caption_ = std::move(caption);
  NotifyChanged();
}

void Form::SetIcon(int picture) {
  icon_ = picture;
  NotifyChanged();
}

void Form::SetDescription(ustring text) {
  description_ = std::move(text);
  NotifyChanged();
}

void Form::SetBackColor(std::uint32_t rgb) {
  back_ = rgb;
  NotifyChanged();
}

void Form::SetEnabled(bool enabled) {
  enabled_ = enabled;
  SyncFocus();  // a disabled window keeps no keyboard focus, so nothing types into it
  NotifyChanged();
}

void Form::Move(const Rect& outer_twips) {
  const bool resized = outer_twips.width != outer_.width || outer_twips.height != outer_.height;
  outer_ = outer_twips;
  NotifyChanged();
  if (resized && loaded_) Resized();
}

void Form::SetState(WindowState state) {
  state_ = state;
  NotifyChanged();
  if (loaded_) Resized();
}

void Form::Resized() {
  const Size inner = InnerPx();
  for (Control* c : tab_order_) {
    if (auto* strip = dynamic_cast<PictureBoxControl*>(c)) strip->FitTo(inner);
  }
  OnResize();
}

void Form::SetInsets(const FrameInsets& insets) {
  const Size before = InnerPx();
  insets_ = insets;
  NotifyChanged();
  // A thicker or thinner frame is a new inner size: the layout follows it.
  if (loaded_ && !(InnerPx() == before)) Resized();
}

Size Form::InnerPx() const {
  const double tx = runtime_.screen().TwipsPerPixelX();
  const double ty = runtime_.screen().TwipsPerPixelY();
  const int outer_w = tx > 0 ? static_cast<int>(outer_.width / tx) : 0;
  const int outer_h = ty > 0 ? static_cast<int>(outer_.height / ty) : 0;
  return {std::max(0, outer_w - insets_.left - insets_.right),
          std::max(0, outer_h - insets_.top - insets_.bottom)};
}

Control* Form::FindControl(std::string_view name, int index) const {
  for (Control* c : tab_order_) {
    if (c->Name() == name && c->Index() == index) return c;
  }
  return nullptr;
}

bool Form::FocusControl(Control* control) {
  if (control != nullptr && (&control->Owner() != this || !control->CanFocus())) return false;
  if (control == focused_) {
    SyncFocus();
    return true;
  }
  Control* old = focused_;
  focused_ = control;
  if (old != nullptr) OnLostFocus(*old);
  // A handler may have moved the focus on; the desktop follows where it ended.
  if (control != nullptr && focused_ == control) OnGotFocus(*control);
  SyncFocus();
  NotifyChanged();
  return true;
}

void Form::FocusNext(bool backwards) {
  std::vector<Control*> stops;
  for (Control* c : tab_order_) {
    if (c->IsTabStopNow() || c == focused_) stops.push_back(c);
  }
  if (stops.empty()) return;
  const auto n = static_cast<std::ptrdiff_t>(stops.size());
  const auto at = std::find(stops.begin(), stops.end(), focused_);
  std::ptrdiff_t i = at == stops.end() ? (backwards ? 0 : -1) : at - stops.begin();
  for (std::ptrdiff_t step = 1; step <= n; ++step) {
    Control* c = stops[static_cast<std::size_t>(((i + (backwards ? -step : step)) % n + n) % n)];
    if (c->IsTabStopNow()) {
      FocusControl(c);
      return;
    }
  }
}

CommandButtonControl* Form::DefaultButton() const {
  for (Control* c : tab_order_) {
    if (auto* b = dynamic_cast<CommandButtonControl*>(c); b != nullptr && b->IsDefault()) return b;
  }
  return nullptr;
}

CommandButtonControl* Form::CancelButton() const {
  for (Control* c : tab_order_) {
    if (auto* b = dynamic_cast<CommandButtonControl*>(c); b != nullptr && b->IsCancel()) return b;
  }
  return nullptr;
}

bool Form::ChooseMenu(std::string_view name) {
  MenuEntry* entry = menu_bar_.Find(name);
  if (entry == nullptr || entry->IsSeparator() || !entry->Usable() || !enabled_) return false;
  OnMenuClick(*entry);
  return true;
}

bool Form::Close() { return close_enabled_ && runtime_.Unload(*this, UnloadMode::kCloseBox); }

void Form::SetCloseEnabled(bool enabled) {
  close_enabled_ = enabled;
  NotifyChanged();
}

void Form::KeyDown(int& key_code, int shift) {
  drop_char_ = false;
  if (!enabled_ || !loaded_) {
    key_code = 0;  // a disabled window takes no input
    drop_char_ = true;
    return;
  }
  if (MenuShortcut(key_code, shift)) {
    key_code = 0;
    drop_char_ = true;
    return;
  }
  // A one-line box never takes Tab or Enter as text, whoever handles the key.
  auto* box = dynamic_cast<TextBoxControl*>(focused_);
  if (box != nullptr && !box->Multiline() && (key_code == vk::kTab || key_code == vk::kReturn)) {
    drop_char_ = true;
  }
  if (key_preview_ || focused_ == nullptr) OnKeyDown(key_code, shift);
  if (key_code != 0 && Navigate(key_code, shift)) {
    key_code = 0;
    drop_char_ = true;
  }
}

void Form::KeyRepeat(int& key_code, int shift) {
  if (loaded_ && enabled_ && (key_preview_ || focused_ == nullptr)) OnKeyRepeat(key_code, shift);
  if (key_code == 0) {
    drop_char_ = true;
    return;
  }
  KeyDown(key_code, shift);
}

void Form::KeyUp(int& key_code, int shift) {
  if (!enabled_ || !loaded_) {
    key_code = 0;
    return;
  }
  if (key_preview_ || focused_ == nullptr) OnKeyUp(key_code, shift);
}

void Form::KeyPress(char16_t& ch) {
  if (drop_char_ || !enabled_ || !loaded_) ch = 0;
  drop_char_ = false;
}

bool Form::MenuKey(char16_t letter) {
  if (!enabled_ || !loaded_) return false;
  for (const auto& top : menu_bar_.Children()) {
    if (top->IsSeparator() || !top->Usable()) continue;
    if (letter != 0 && !IsMnemonicKey(letter, MnemonicOf(top->Caption()))) continue;
    menu_opened_ = top.get();
    NotifyChanged(FormsEvent::Part::kMenuOpen, nullptr, top.get());
    return true;
  }
  return false;
}

void Form::PopUp(const MenuEntry& menu) {
  if (!enabled_ || !loaded_ || menu.Parent() != &menu_bar_) return;
  menu_opened_ = &menu;
  NotifyChanged(FormsEvent::Part::kMenuOpen, nullptr, &menu);
}

bool Form::Navigate(int key_code, int shift) {
  const bool keeps = focused_ != nullptr && focused_->TakesKey(key_code);
  if ((shift & kCtrlAlt) == 0) {
    if (key_code == vk::kTab && !keeps) {
      FocusNext((shift & shift_mask::kShift) != 0);
      return true;
    }
    if (key_code == vk::kReturn && !keeps) {
      CommandButtonControl* b = DefaultButton();
      return b != nullptr && b->Press();
    }
    if (key_code == vk::kEscape && !keeps) {
      CommandButtonControl* b = CancelButton();
      return b != nullptr && b->Press();
    }
    return false;
  }
  if ((shift & kCtrlAlt) == shift_mask::kAlt) return PressMnemonic(key_code);
  return false;
}

bool Form::PressMnemonic(int key_code) {
  // The search starts after the focused control, so a repeated key visits each owner in turn.
  const auto n = tab_order_.size();
  if (n == 0) return false;
  const auto at = std::find(tab_order_.begin(), tab_order_.end(), focused_);
  const std::size_t start =
      at == tab_order_.end() ? 0 : static_cast<std::size_t>(at - tab_order_.begin()) + 1;
  for (std::size_t k = 0; k < n; ++k) {
    Control* c = tab_order_[(start + k) % n];
    if (c->Kind() == ControlKind::kTextBox || c->Kind() == ControlKind::kListBox) continue;
    if (!c->ShownInFrames() || !c->EnabledInFrames()) continue;
    if (IsMnemonicKey(key_code, c->Mnemonic())) {
      c->MnemonicAction();
      return true;
    }
  }
  return false;
}

bool Form::MenuShortcut(int key_code, int shift) {
  // Most keys are no entry's shortcut: the codes that are, gathered again
  // after any change of the menus, turn them away without a walk of the tree.
  if (!shortcut_codes_known_) {
    shortcut_codes_.clear();
    menu_bar_.FindIf([this](const MenuEntry& e) {
      if (e.Key().key_code != 0) shortcut_codes_.push_back(e.Key().key_code);
      return false;
    });
    shortcut_codes_known_ = true;
  }
  if (std::find(shortcut_codes_.begin(), shortcut_codes_.end(), key_code) == shortcut_codes_.end()) return false;
  const Shortcut pressed{key_code, shift & kAllShifts};
  MenuEntry* entry = menu_bar_.FindIf([&pressed](const MenuEntry& e) {
    return e.Key().key_code != 0 && e.Key() == pressed && e.Usable() && !e.IsSeparator();
  });
  if (entry == nullptr) return false;
  OnMenuClick(*entry);
  return true;
}

Control* Form::FirstTabStop() const {
  for (Control* c : tab_order_) {
    if (c->IsTabStopNow()) return c;
  }
  for (Control* c : tab_order_) {
    if (c->CanFocus()) return c;
  }
  return nullptr;
}

void Form::Register(Control* control) {
  tab_order_.push_back(control);
  NotifyChanged(FormsEvent::Part::kControlAdded, control);
}

void Form::Unregister(Control* control) {
  std::erase(tab_order_, control);
  if (focused_ == control) {
    focused_ = nullptr;  // no events: the control is half gone
    SyncFocus();
  }
  NotifyChanged(FormsEvent::Part::kControlRemoved, control);
}

void Form::MoveInTabOrder(Control* control, int index) {
  const auto at = std::find(tab_order_.begin(), tab_order_.end(), control);
  if (at == tab_order_.end()) return;
  tab_order_.erase(at);
  const int last = static_cast<int>(tab_order_.size());
  tab_order_.insert(tab_order_.begin() + std::clamp(index, 0, last), control);
  NotifyChanged();
}

void Form::ControlChanged(Control& control) {
  // The focus does not stay on a control that was hidden or disabled.
  if (focused_ != nullptr && !focused_->CanFocus()) {
    Control* gone = focused_;
    FocusNext();
    if (focused_ == gone) FocusControl(nullptr);
  }
  NotifyChanged(FormsEvent::Part::kControl, &control);
}

void Form::NotifyChanged(FormsEvent::Part part, Control* control, const MenuEntry* menu) {
  if (loaded_) runtime_.Notify({FormsEvent::Kind::kChanged, this, part, control, menu});
}

bool Form::IsKeyTarget() const {
  return loaded_ && runtime_.active_ == this && runtime_.windowing().ActiveWindow() == this;
}

void Form::SyncFocus() {
  if (!IsKeyTarget()) return;
  Control* target = enabled_ ? focused_ : nullptr;
  runtime_.windowing().SetFocus(target, target != nullptr ? target->Edit() : nullptr);
}

}  // namespace orvo::forms
