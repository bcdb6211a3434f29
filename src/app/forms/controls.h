#pragma once
// Control models: what a window shows, kept apart from any toolkit. A front
// end renders these and feeds the user's events back to the window.
#include <map>
#include <optional>
#include <string>

#include "platform/text.h"

namespace orvo::forms {

struct Font {
  ustring name;
  int size = 9;
  bool bold = false;
};

struct Label {
  ustring Caption;
  ustring ToolTipText;
  bool Visible = true;
  Font font;
  int Left = 0;
  int Top = 0;
};

struct PictureBox {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool Visible = true;
  int Picture = -1;
};

struct CommandButton {
  ustring Caption;
  ustring ToolTipText;
  int Picture = -1;  // index into the window's picture set
  bool Visible = true;
  bool Enabled = true;
  int Left = 0;
  int Width = 0;
};

struct MenuItem {
  ustring Caption;
  bool Visible = true;
  bool Enabled = true;
  bool Checked = false;
  // Pictures of the window's picture set drawn as the check mark; none: the usual mark.
  std::optional<int> CheckedPicture;
  std::optional<int> UncheckedPicture;
};

// A hidden text box that only holds text for other code to read.
struct HiddenText {
  ustring Text;
};

// Menu items of one window, by their names (mnuFILE, mnuT_HELPER, ...).
using Menus = std::map<std::string, MenuItem>;

}  // namespace orvo::forms
