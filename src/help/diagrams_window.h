// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmTenBMP: the four key diagrams, one in front at a time, chosen with F6,
// F4, F3 and F2 and closed with F5 or Space; every other key is swallowed.
// Each opening starts again with the overview in front.
#include <array>

#include "toolkit/forms/command_button_control.h"
#include "toolkit/forms/form.h"
#include "toolkit/window_context.h"
#include "toolkit/forms/picture_box_control.h"


namespace orvo::help {

class DiagramsWindow : public forms::Form {
 public:
  static constexpr int kTag = 5;
  static constexpr int kPictures = 4;

  explicit DiagramsWindow(const WindowContext& context);
  ~DiagramsWindow() override;

  // Shows it modally over the main window; returns once it has closed.
  void Open();
  int Front() const { return front_; }

  std::array<forms::PictureBoxControl, kPictures> imgKEY;
  std::array<forms::CommandButtonControl, kPictures> cmdBTN;
  forms::CommandButtonControl cmdCLOSE;

 protected:
  void OnLoad() override;
  void OnQueryUnload(bool& cancel, forms::UnloadMode mode) override;
  void OnClick(forms::Control& control) override;
  void OnKeyDown(int& key, int shift) override;

 private:
  void Select(int picture);
  void BringToFront(int picture);

  WindowContext p_;
  int front_ = 0;
};

}  // namespace orvo::help
