// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A view for every loaded form that has no window of its own: each is made
// when its form loads, drawn at every sync, and goes when its form unloads.
// They are dialogs over the program's main window.
#include <functional>
#include <map>
#include <string_view>

#include "toolkit/forms/forms_runtime.h"
#include "frontends/qt/keyboard_focus.h"

class QWidget;

namespace orvo::qt {

class FormView;

class FormViews {
 public:
  // settle: runs after a person's action reached a model.
  FormViews(forms::FormsRuntime& runtime, std::function<void()> settle);
  ~FormViews();
  FormViews(const FormViews&) = delete;
  FormViews& operator=(const FormViews&) = delete;

  // The window the dialogs stay over (null: none yet).
  void SetOwnerWindow(QWidget* window);
  // Forms drawn by a view of their own (the main window) get none here.
  void Skip(std::function<bool(const forms::Form&)> test) { skip_ = std::move(test); }

  void Sync();
  // The view of a loaded form by its name, or null.
  FormView* Find(std::string_view form_name) const;
  // Which of the program's windows has the keyboard, as the window system says.
  KeyboardFocus& Keyboard() { return keyboard_; }

 private:
  void Heard(const forms::FormsEvent& event);
  void KeepOwnerKeyboard();

  forms::FormsRuntime& runtime_;
  std::function<void()> settle_;
  QWidget* owner_ = nullptr;
  std::function<bool(const forms::Form&)> skip_;
  int subscription_ = 0;
  std::map<const forms::Form*, FormView*> views_;
  KeyboardFocus keyboard_;
  const forms::Form* last_active_ = nullptr;  // the runtime's active form at the last sync
  bool dirty_ = true;
};

}  // namespace orvo::qt
