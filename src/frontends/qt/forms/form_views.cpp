// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/forms/form_views.h"

#include "frontends/qt/forms/form_view.h"

#include <vector>

namespace orvo::qt {

FormViews::FormViews(forms::FormsRuntime& runtime, std::function<void()> settle)
    : runtime_(runtime), settle_(std::move(settle)) {
  subscription_ = runtime_.Subscribe([this](const forms::FormsEvent& e) { Heard(e); });
}

FormViews::~FormViews() {
  runtime_.Unsubscribe(subscription_);
  for (auto& [form, view] : views_) delete view;
}

void FormViews::SetOwnerWindow(QWidget* window) {
  owner_ = window;
  for (auto& [form, view] : views_) view->setParent(owner_, view->windowFlags());
}

void FormViews::Heard(const forms::FormsEvent& e) {
  if (e.kind == forms::FormsEvent::Kind::kUnloaded) {
    if (auto it = views_.find(e.form); it != views_.end()) {
      // It may be running the click that unloaded its form: it goes once that has returned.
      it->second->hide();
      it->second->deleteLater();
      views_.erase(it);
    }
    return;
  }
  dirty_ = true;
}

void FormViews::Sync() {
  if (dirty_) {
    dirty_ = false;
    for (forms::Form* form : runtime_.Forms()) {
      if (views_.count(form) != 0 || (skip_ && skip_(*form))) continue;
      FormView::Options options;
      options.keyboard = &keyboard_;
      auto* view = new FormView(*form, settle_, std::move(options), owner_);
      if (owner_ != nullptr) view->setParent(owner_, view->windowFlags());
      views_[form] = view;
    }
  }
  // A copy: showing a window may run events that reach this list.
  std::vector<FormView*> views;
  for (auto& [form, view] : views_) views.push_back(view);
  for (FormView* view : views) {
    for (const auto& [form, still] : views_) {
      if (still == view) {
        view->Sync();
        break;
      }
    }
  }
  KeepOwnerKeyboard();
}

void FormViews::KeepOwnerKeyboard() {
  // The window the others stand over takes the keyboard back when one of
  // them closes or hides and the program makes it the active one again:
  // without a window manager nobody else gives it back, the keyboard falls
  // to the desktop's root, and the program would count itself left. Asked
  // once at that change, and again only while the keyboard is on another of
  // the program's windows, as the dialogs do.
  const forms::Form* active = runtime_.ActiveForm();
  const bool owner_active = active != nullptr && skip_ && skip_(*active) && active->Visible();
  const bool came_back = owner_active && last_active_ != active && last_active_ != nullptr;
  last_active_ = active;
  if (!owner_active || owner_ == nullptr || !owner_->isVisible()) return;
  if (!came_back && !keyboard_.OnAnotherWindowThan(*owner_)) return;
  owner_->raise();
  owner_->activateWindow();
}

FormView* FormViews::Find(std::string_view form_name) const {
  for (const auto& [form, view] : views_) {
    if (form->Name() == form_name) return view;
  }
  return nullptr;
}

}  // namespace orvo::qt
