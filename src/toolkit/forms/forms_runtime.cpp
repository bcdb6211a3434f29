// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/forms/forms_runtime.h"

#include <algorithm>
#include <cmath>

#include "toolkit/forms/placement.h"

namespace orvo::forms {
namespace {

// Whether `form` is `top` or is owned, at any remove, by it.
bool OwnedBy(const Form& form, const Form* top) {
  for (const Form* f = &form; f != nullptr; f = f->OwnerForm()) {
    if (f == top) return true;
  }
  return false;
}

}  // namespace

FormsRuntime::FormsRuntime(Windowing& windowing, Screen& screen)
    : windowing_(windowing), screen_(screen) {}

FormsRuntime::~FormsRuntime() = default;

bool FormsRuntime::Load(Form& form) {
  if (form.loaded_) return true;
  form.loaded_ = true;
  form.visible_ = false;
  form.placed_ = false;
  form.focused_ = nullptr;
  loaded_.push_back(&form);
  Notify(FormsEvent::Kind::kLoaded, form);
  form.OnLoad();
  return form.loaded_;
}

bool FormsRuntime::Show(Form& form, Form* owner) {
  if (owner != nullptr && (!owner->loaded_ || owner == &form)) owner = nullptr;
  if (!modal_.empty() && !OwnedBy(form, modal_.back()) &&
      (owner == nullptr || !OwnedBy(*owner, modal_.back()))) {
    return false;  // the modal form holds the keyboard
  }
  if (!Load(form)) return false;
  if (owner != nullptr) form.owner_ = owner;
  Reveal(form);
  if (form.loaded_ && form.visible_) Activate(form);
  return form.loaded_;
}

bool FormsRuntime::ShowModal(Form& form, Form* owner) {
  if (form.visible_) return false;
  if (owner != nullptr && (!owner->loaded_ || owner == &form)) owner = nullptr;
  if (!modal_.empty() && (owner == nullptr || !OwnedBy(*owner, modal_.back()))) {
    owner = modal_.back();  // a modal form over a modal form stays over it
  }
  if (!Load(form)) return false;
  form.owner_ = owner;
  const bool owner_was_enabled = owner != nullptr && owner->enabled_;
  Form* before = FormOf(windowing_.ActiveWindow());
  if (owner != nullptr) owner->SetEnabled(false);
  modal_.push_back(&form);
  Reveal(form);
  bool first = true;
  // The desktop's loop takes the keyboard for the form; the form's own focus
  // is given on the loop's first look, before any input.
  const bool finished = windowing_.RunModal(form, [&] {
    if (first) {
      first = false;
      if (form.loaded_ && form.visible_) Activate(form);
    }
    return !form.loaded_ || !form.visible_;
  });
  std::erase(modal_, &form);
  if (active_ == &form) Deactivate(form);
  // The owner gets back the state it had, not simply "enabled".
  if (owner != nullptr && owner->loaded_) owner->SetEnabled(owner_was_enabled);
  // The keyboard goes back where the person was: to the owner, or to another
  // of its windows that was active when the box came (the find dialog whose
  // search ended in a message).
  Form* next = owner != nullptr ? owner : before;
  if (owner != nullptr && before != nullptr && before != &form && before->loaded_ && before->visible_ &&
      before->owner_ == owner) {
    next = before;
  }
  if (next != nullptr && next != &form && next->loaded_ && !Activate(*next)) {
    active_ = FormOf(windowing_.ActiveWindow());
  }
  return finished;
}

void FormsRuntime::Hide(Form& form) {
  if (!form.loaded_ || !form.visible_) return;
  form.visible_ = false;
  Notify(FormsEvent::Kind::kHidden, form);
  LeaveActive(form);
}

bool FormsRuntime::Unload(Form& form, UnloadMode mode) {
  if (!form.loaded_) return true;
  if (form.unloading_) return false;  // already on its way out
  form.unloading_ = true;
  bool cancel = false;
  form.OnQueryUnload(cancel, mode);
  if (!cancel) {
    const std::vector<Form*> forms = loaded_;
    for (Form* owned : forms) {
      if (owned->owner_ == &form && !Unload(*owned, UnloadMode::kOwner)) {
        cancel = true;
        break;
      }
    }
  }
  if (cancel || !form.loaded_) {
    form.unloading_ = false;
    return !form.loaded_;
  }
  form.OnUnload();
  const bool was_active = active_ == &form;
  const bool was_visible = form.visible_;
  Form* owner = form.owner_;
  form.visible_ = false;
  form.loaded_ = false;
  form.focused_ = nullptr;
  form.owner_ = nullptr;
  std::erase(loaded_, &form);
  if (was_active) active_ = nullptr;
  if (windowing_.ActiveWindow() == &form && !IsModal(form)) {
    windowing_.SetFocus(nullptr, nullptr);
    windowing_.SetActiveWindow(nullptr);
  }
  form.unloading_ = false;
  if (was_visible) Notify(FormsEvent::Kind::kHidden, form);
  Notify(FormsEvent::Kind::kUnloaded, form);
  if (was_active && !IsModal(form) && owner != nullptr) Activate(*owner);
  return true;
}

bool FormsRuntime::Activate(Form& form) {
  if (!MayActivate(form)) return false;
  if (active_ == &form && windowing_.ActiveWindow() == &form) {
    form.SyncFocus();
    return true;
  }
  Form* previous = active_;
  active_ = &form;
  if (previous != nullptr && previous != &form && previous->loaded_) {
    previous->OnDeactivate();
    Notify(FormsEvent::Kind::kDeactivated, *previous);
    if (active_ != &form) return false;  // its handler activated another
  }
  windowing_.SetActiveWindow(&form);
  if (form.focused_ != nullptr && !form.focused_->CanFocus()) form.focused_ = nullptr;
  form.SyncFocus();
  Notify(FormsEvent::Kind::kActivated, form);
  form.OnActivate();
  // Activate may have placed the focus itself, or closed the form.
  if (active_ != &form || !form.loaded_) return false;
  if (form.focused_ == nullptr) {
    if (Control* first = form.FirstTabStop()) form.FocusControl(first);
  }
  return true;
}

Form* FormsRuntime::ActiveForm() const { return FormOf(windowing_.ActiveWindow()); }

bool FormsRuntime::IsModal(const Form& form) const {
  return std::find(modal_.begin(), modal_.end(), &form) != modal_.end();
}

Form* FormsRuntime::FindByTag(int tag) const {
  for (Form* f : loaded_) {
    if (f->tag_ == tag) return f;
  }
  return nullptr;
}

Rect FormsRuntime::CentredRect(const Form& form, const Form* over) const {
  const Rect screen{0, 0, static_cast<int>(std::lround(screen_.WidthTwips())),
                    static_cast<int>(std::lround(screen_.HeightTwips()))};
  const bool use_over =
      over != nullptr && over != &form && over->loaded_ && over->state_ != WindowState::kMinimized;
  const Size size{form.outer_.width, form.outer_.height};
  return CentredOver(use_over ? over->outer_ : screen, size, screen);
}

void FormsRuntime::Centre(Form& form, const Form* over) { form.Move(CentredRect(form, over)); }

int FormsRuntime::Subscribe(Observer observer) {
  observers_.push_back(std::make_unique<Subscription>(Subscription{next_id_, std::move(observer)}));
  return next_id_++;
}

void FormsRuntime::Unsubscribe(int id) {
  for (const auto& s : observers_) {
    if (s->id == id) s->id = 0;
  }
  if (telling_ == 0) std::erase_if(observers_, [](const auto& s) { return s->id == 0; });
}

void FormsRuntime::Notify(FormsEvent::Kind kind, Form& form) { Notify(FormsEvent{kind, &form}); }

void FormsRuntime::Notify(const FormsEvent& event) {
  // Those subscribed while this event is told hear the next one.
  const std::size_t count = observers_.size();
  ++telling_;
  struct Told {
    FormsRuntime& runtime;
    ~Told() {
      if (--runtime.telling_ == 0) std::erase_if(runtime.observers_, [](const auto& s) { return s->id == 0; });
    }
  } told{*this};
  for (std::size_t i = 0; i < count; ++i) {
    Subscription* s = observers_[i].get();
    if (s->id != 0) s->observer(event);
  }
}

void FormsRuntime::Detach(Form& form) {
  const bool was_loaded = form.loaded_;
  std::erase(loaded_, &form);
  std::erase(modal_, &form);
  if (active_ == &form) active_ = nullptr;
  for (Form* f : loaded_) {
    if (f->owner_ == &form) f->owner_ = nullptr;
  }
  if (windowing_.ActiveWindow() == &form) {
    windowing_.SetFocus(nullptr, nullptr);
    windowing_.SetActiveWindow(nullptr);
  }
  form.loaded_ = false;
  if (was_loaded) Notify(FormsEvent::Kind::kUnloaded, form);
}

void FormsRuntime::Reveal(Form& form) {
  if (form.visible_) return;
  const bool first = !form.placed_;
  if (first) {
    form.placed_ = true;
    if (form.start_ == StartPosition::kCentreOwner) Centre(form, form.owner_);
    if (form.start_ == StartPosition::kCentreScreen) Centre(form, nullptr);
  }
  form.visible_ = true;
  Notify(FormsEvent::Kind::kShown, form);
  if (first) form.Resized();
}

void FormsRuntime::LeaveActive(Form& form) {
  const bool was_active = active_ == &form;
  if (was_active) Deactivate(form);
  // A modal loop gives the keyboard back itself when it ends.
  if (IsModal(form)) return;
  if (windowing_.ActiveWindow() == &form) {
    windowing_.SetFocus(nullptr, nullptr);
    windowing_.SetActiveWindow(nullptr);
  }
  if (was_active && form.owner_ != nullptr) Activate(*form.owner_);
}

bool FormsRuntime::MayActivate(const Form& form) const {
  if (!form.loaded_ || !form.visible_ || !form.enabled_) return false;
  return modal_.empty() || OwnedBy(form, modal_.back());
}

void FormsRuntime::Deactivate(Form& form) {
  active_ = nullptr;
  if (!form.loaded_) return;
  form.OnDeactivate();
  Notify(FormsEvent::Kind::kDeactivated, form);
}

Form* FormsRuntime::FormOf(const KeyHandler* handler) const {
  for (Form* f : loaded_) {
    if (f == handler) return f;
  }
  return nullptr;
}

}  // namespace orvo::forms
