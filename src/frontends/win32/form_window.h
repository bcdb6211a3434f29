// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Any form of the forms runtime on the screen: the form mirror's Windows
// side. It makes a native peer per control by the kind's row and, as a
// window of its own, follows the form's caption, place, size, showing and
// modality (a modal form disables the window it stands over). Mouse actions
// go to the control models; keys never stop here (the message loop routes
// them through the program's handlers).
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "frontends/shared/form_mirror.h"
#include "frontends/win32/native_peer.h"

namespace orvo::win32 {

class FormWindow : private frontend::FormPeer {
 public:
  struct Options {
    // A window of its own (true), or the inner area of the window `parent`.
    bool top_level = true;
    // The window it stands over (top level) or lies in.
    HWND parent = nullptr;
  };

  // settle: runs after a person's action reached a model.
  FormWindow(forms::Form& form, GdiFonts& fonts, AccessibleNames& names, std::function<void()> settle,
             Options options);
  ~FormWindow() override;
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Null once the form was unloaded.
  forms::Form* Model() const { return mirror_->Model(); }
  HWND Window() const { return window_; }
  // Brings the windows up to date with what the runtime reported since the last time.
  void Sync();

  NativePeer* Find(std::string_view name, int index = -1) const;
  // Gone from the screen: the owner it disabled enabled first, then hidden.
  void Unloaded() override;
  // Controls no row knows how to draw, by name: a new kind needs its row.
  const std::vector<std::string>& Undrawn() const { return mirror_->Undrawn(); }

 private:
  std::unique_ptr<frontend::ControlPeer> MakePeer(forms::Control& control, frontend::ControlPeer* holder) override;
  void ShowWindow(const frontend::WindowLook& look) override;
  void FocusMoved(frontend::ControlPeer* peer) override;
  void Act(const std::function<void()>& action);
  void GiveOwnerBack();
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param);
  LRESULT Handle(UINT message, WPARAM w_param, LPARAM l_param);

  std::function<void()> settle_;
  Options options_;
  HWND window_ = nullptr;
  HBRUSH back_ = nullptr;
  COLORREF back_colour_ = 0;
  bool owner_disabled_ = false;  // by this form, shown modal
  PeerContext context_;
  std::unique_ptr<frontend::FormMirror> mirror_;
};

}  // namespace orvo::win32
