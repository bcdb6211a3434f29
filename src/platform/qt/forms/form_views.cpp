#include "platform/qt/forms/form_views.h"

#include "platform/qt/forms/form_view.h"

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
}

FormView* FormViews::Find(std::string_view form_name) const {
  for (const auto& [form, view] : views_) {
    if (form->Name() == form_name) return view;
  }
  return nullptr;
}

}  // namespace orvo::qt
