// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window_design.h"

#include "app/main_window.h"

namespace orvo {
namespace {

struct DesignRow {
  const char* name;
  int index;           // -1: not in an indexed set
  const char* holder;  // the strip it sits in; empty: the window itself
  Rect bounds;         // pixels, inside the holder
};

// The toolbar: memo, input method, IME, then the mode area (mode, cell and the
// cover over them in romaji mode) and the filler. The status line: the figures
// after their captions; the wrap indicator is placed by the layout rule.
// clang-format off
constexpr DesignRow kDesign[] = {
    {"picBAR",      -1, "",          {0, 0, 0, 29}},
    {"cmdMEMO",     -1, "picBAR",    {2, 2, 56, 24}},
    {"cmdTYPE",     -1, "picBAR",    {60, 2, 104, 24}},
    {"cmdIME",      -1, "picBAR",    {166, 2, 172, 24}},
    {"lblMODE",     -1, "picBAR",    {344, 4, 76, 20}},
    {"lblTENJI",    -1, "picBAR",    {420, 2, 26, 24}},
    {"cmdCOVER",    -1, "picBAR",    {342, 2, 106, 24}},
    {"cmdTOOL",     -1, "picBAR",    {kToolLeft, 2, 0, 24}},
    {"picSTATUS",   -1, "",          {0, 0, 0, 18}},
    {"lblSTYLE",     0, "picSTATUS", {4, 3, 96, 14}},
    {"lblFileSIZE", -1, "picSTATUS", {100, 1, 42, 16}},
    {"lblBYTES",    -1, "picSTATUS", {142, 2, 26, 14}},
    {"lblSTYLE",     1, "picSTATUS", {174, 3, 36, 14}},
    {"lblAllGYO",   -1, "picSTATUS", {210, 1, 36, 16}},
    {"lblSTYLE",     2, "picSTATUS", {250, 3, 48, 14}},
    {"lblGYO",      -1, "picSTATUS", {298, 1, 36, 16}},
    {"lblSTYLE",     3, "picSTATUS", {338, 3, 24, 14}},
    {"lblKETA",     -1, "picSTATUS", {362, 1, 40, 16}},
    {"lblTURN",     -1, "",          {0, 0, 132, 16}},
};
// clang-format on

}  // namespace

void PlaceDesignControls(MainWindow& window) {
  for (const DesignRow& row : kDesign) {
    forms::Control* control = window.FindControl(row.name, row.index);
    if (control == nullptr) continue;
    control->SetBounds(row.bounds);
    if (*row.holder != '\0') control->SetContainer(window.FindControl(row.holder));
  }
  window.picBAR.SetAlign(forms::Align::kTop);
  window.picSTATUS.SetAlign(forms::Align::kBottom);
  // Figures stand against what follows them, captions against what they name.
  for (forms::LabelControl* figure : {&window.lblFileSIZE, &window.lblAllGYO, &window.lblGYO, &window.lblKETA}) {
    figure->SetAlignment(forms::LabelControl::Alignment::kRight);
  }
  // The cell and the mode are what a braille writer checks after each cell.
  window.lblTENJI.SetLive(true);
  window.lblMODE.SetLive(true);
}

}  // namespace orvo
