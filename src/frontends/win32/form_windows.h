// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every form of the program other than the main window, each in a window of
// its own over the main window: made when the form loads, gone when it
// unloads (after the message that unloaded it).
#include <functional>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "frontends/win32/form_window.h"
#include "toolkit/forms/forms_runtime.h"

namespace orvo::win32 {

class FormWindows {
 public:
  FormWindows(forms::FormsRuntime& runtime, GdiFonts& fonts, AccessibleNames& names, std::function<void()> settle);
  ~FormWindows();
  FormWindows(const FormWindows&) = delete;
  FormWindows& operator=(const FormWindows&) = delete;

  // Forms this set leaves alone (the main window, which has a window of its own).
  void Skip(std::function<bool(const forms::Form&)> test) { skip_ = std::move(test); }
  // The window the others stand over.
  void SetOwner(HWND owner) { owner_ = owner; }
  void Sync();
  // The windows of unloaded forms go: called where no message of theirs is being handled.
  void Collect() { gone_.clear(); }
  FormWindow* Find(std::string_view form_name) const;
  // The window of the program's active form among these, or null.
  HWND ActiveWindow() const;
  // The window of the main form, which is not among these.
  void SetMainWindow(HWND main) { main_ = main; }

 private:
  void Heard(const forms::FormsEvent& e);

  forms::FormsRuntime& runtime_;
  GdiFonts& fonts_;
  AccessibleNames& names_;
  std::function<void()> settle_;
  std::function<bool(const forms::Form&)> skip_;
  HWND owner_ = nullptr;
  HWND main_ = nullptr;
  const forms::Form* last_active_ = nullptr;  // whose window took the keyboard last
  // The window of the form the program made active takes the keyboard when that changes.
  void FollowActive();
  int subscription_ = 0;
  bool dirty_ = true;
  std::map<forms::Form*, std::unique_ptr<FormWindow>> windows_;
  std::vector<std::unique_ptr<FormWindow>> gone_;
};

}  // namespace orvo::win32
