// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/form_window.h"

#include "frontends/win32/accessible_names.h"
#include "frontends/win32/native_peers.h"
#include "platform/win32/wide_text.h"
#include "frontends/win32/window_classes.h"

namespace orvo::win32 {
namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME;

}  // namespace

FormWindow::FormWindow(forms::Form& form, GdiFonts& fonts, AccessibleNames& names, std::function<void()> settle,
                       Options options)
    : settle_(std::move(settle)), options_(options) {
  RegisterOnce(kFormClass, Procedure, true);
  RegisterOnce(kHolderClass, HolderProcedure, true);
  const DWORD style = options_.top_level ? kDialogStyle : (WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
  const DWORD ex_style = options_.top_level ? kDialogExStyle : WS_EX_CONTROLPARENT;
  window_ = CreateWindowExW(ex_style, kFormClass, Wide(form.Caption()).c_str(), style, 0, 0, 0, 0, options_.parent,
                            nullptr, GetModuleHandleW(nullptr), this);
  context_.root = window_;
  context_.fonts = &fonts;
  context_.names = &names;
  context_.act = [this](std::function<void()> action) { Act(action); };
  frontend::FormPeer& peer = *this;
  mirror_ = std::make_unique<frontend::FormMirror>(form, peer);
}

FormWindow::~FormWindow() {
  GiveOwnerBack();
  mirror_.reset();
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyLater(window_);
  }
  if (back_ != nullptr) DeleteObject(back_);
}

void FormWindow::Sync() { mirror_->Sync(); }

std::unique_ptr<frontend::ControlPeer> FormWindow::MakePeer(forms::Control& control, frontend::ControlPeer* holder) {
  const ControlKindRow* row = RowFor(control.Kind());
  if (row == nullptr) return nullptr;
  NativePeer* native = NativeOf(holder);
  return row->make(control, native != nullptr ? native->Window() : window_, context_);
}

void FormWindow::ShowWindow(const frontend::WindowLook& look) {
  if (back_ == nullptr || back_colour_ != look.back) {
    if (back_ != nullptr) DeleteObject(back_);
    back_colour_ = look.back;
    back_ = CreateSolidBrush(back_colour_);
    InvalidateRect(window_, nullptr, TRUE);
  }
  if (!options_.top_level) return;
  const std::wstring title = Wide(look.caption);
  wchar_t now[512] = {};
  GetWindowTextW(window_, now, 512);
  if (title != now) SetWindowTextW(window_, title.c_str());
  RECT outer{0, 0, look.inner.width, look.inner.height};
  AdjustWindowRectEx(&outer, kDialogStyle, FALSE, kDialogExStyle);
  SetWindowPos(window_, nullptr, look.outer.left, look.outer.top, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  const bool visible = IsWindowVisible(window_) != FALSE;
  if (look.shown && !visible) {
    if (look.modal && options_.parent != nullptr && IsWindowEnabled(options_.parent)) {
      EnableWindow(options_.parent, FALSE);
      owner_disabled_ = true;
    }
    // Shown without taking the keyboard: the program's active window takes it (FormWindows).
    ::ShowWindow(window_, SW_SHOWNA);
  } else if (!look.shown && visible) {
    GiveOwnerBack();  // first, so that the owner is the window that comes forward
    ::ShowWindow(window_, SW_HIDE);
  }
}

void FormWindow::GiveOwnerBack() {
  if (!owner_disabled_) return;
  owner_disabled_ = false;
  if (options_.parent != nullptr) EnableWindow(options_.parent, TRUE);
}

void FormWindow::FocusMoved(frontend::ControlPeer* peer) {
  if (!options_.top_level) return;  // the window that holds this one decides where its keyboard is
  NativePeer* native = NativeOf(peer);
  HWND target = native != nullptr ? native->KeyboardWindow() : nullptr;
  if (target != nullptr && IsWindowVisible(target)) SetFocus(target);
}

void FormWindow::Unloaded() {
  GiveOwnerBack();
  if (options_.top_level) ::ShowWindow(window_, SW_HIDE);
}

void FormWindow::Act(const std::function<void()>& action) {
  if (Model() == nullptr) return;
  // The action may unload the form and take this window with it: nothing of it is read afterwards.
  const std::function<void()> settle = settle_;
  action();
  if (settle) settle();
}

NativePeer* FormWindow::Find(std::string_view name, int index) const {
  return NativeOf(mirror_->Find(name, index));
}

LRESULT CALLBACK FormWindow::Procedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(l_param);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr || self->window_ != window) return DefWindowProcW(window, message, w_param, l_param);
  return self->Handle(message, w_param, l_param);
}

LRESULT FormWindow::Handle(UINT message, WPARAM w_param, LPARAM l_param) {
  LRESULT result = 0;
  if (ChildMessage(message, w_param, l_param, result)) return result;
  switch (message) {
    case WM_ERASEBKGND: {
      RECT inside;
      GetClientRect(window_, &inside);
      FillRect(reinterpret_cast<HDC>(w_param), &inside, back_ != nullptr ? back_ : GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_CLOSE:
      // The model decides: its close box, when it has one, unloads it.
      if (Model() != nullptr && Model()->CloseEnabled()) {
        forms::Form* form = Model();
        Act([form] { form->Close(); });
      }
      return 0;
    case WM_SYSCOMMAND:
      // The program's menus open when the program asks, never by the system's menu keys.
      if ((w_param & 0xFFF0) == SC_KEYMENU) return 0;
      break;
    default:
      break;
  }
  return DefWindowProcW(window_, message, w_param, l_param);
}

}  // namespace orvo::win32
