// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/form_windows.h"

namespace orvo::win32 {

FormWindows::FormWindows(forms::FormsRuntime& runtime, GdiFonts& fonts, AccessibleNames& names,
                         std::function<void()> settle)
    : runtime_(runtime), fonts_(fonts), names_(names), settle_(std::move(settle)) {
  subscription_ = runtime_.Subscribe([this](const forms::FormsEvent& e) { Heard(e); });
}

FormWindows::~FormWindows() { runtime_.Unsubscribe(subscription_); }

void FormWindows::Heard(const forms::FormsEvent& e) {
  if (e.kind == forms::FormsEvent::Kind::kUnloaded) {
    if (auto it = windows_.find(e.form); it != windows_.end()) {
      // The owner a modal window disabled is enabled before the window hides:
      // hidden first, the system would find no window of the program to
      // activate and hand the activation to another program.
      it->second->Unloaded();
      gone_.push_back(std::move(it->second));
      windows_.erase(it);
    }
    return;
  }
  dirty_ = true;
}

void FormWindows::Sync() {
  if (dirty_) {
    dirty_ = false;
    for (forms::Form* form : runtime_.Forms()) {
      if (windows_.count(form) != 0 || (skip_ && skip_(*form))) continue;
      windows_[form] = std::make_unique<FormWindow>(*form, fonts_, names_, settle_, FormWindow::Options{true, owner_});
    }
  }
  // A copy: showing a window may run events that reach this set.
  std::vector<FormWindow*> windows;
  for (auto& [form, window] : windows_) windows.push_back(window.get());
  for (FormWindow* window : windows) {
    for (const auto& [form, still] : windows_) {
      if (still.get() == window) {
        window->Sync();
        break;
      }
    }
  }
  FollowActive();
}

void FormWindows::FollowActive() {
  // The window of the form the program made active takes the keyboard when
  // that changes, and takes it back for as long as it is on another of the
  // program's own windows (one shown after it); a keyboard given to another
  // program is that person's choice.
  const forms::Form* active = runtime_.ActiveForm();
  HWND window = ActiveWindow();
  if (window == nullptr && active != nullptr && skip_ && skip_(*active)) window = main_;
  if (window == nullptr || !IsWindowVisible(window)) return;  // taken when it shows
  HWND foreground = GetForegroundWindow();
  DWORD process = 0;
  if (foreground != nullptr) GetWindowThreadProcessId(foreground, &process);
  const bool elsewhere_here = foreground != window && process == GetCurrentProcessId();
  if (active == last_active_ && !elsewhere_here) return;
  last_active_ = active;
  if (foreground != window) SetForegroundWindow(window);
}

FormWindow* FormWindows::Find(std::string_view form_name) const {
  for (const auto& [form, window] : windows_) {
    if (form->Name() == form_name) return window.get();
  }
  return nullptr;
}

HWND FormWindows::ActiveWindow() const {
  const forms::Form* active = runtime_.ActiveForm();
  for (const auto& [form, window] : windows_) {
    if (form == active) return window->Window();
  }
  return nullptr;
}

}  // namespace orvo::win32
