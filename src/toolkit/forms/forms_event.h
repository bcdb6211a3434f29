// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the forms runtime tells front ends: a window loaded, shown, hidden,
// activated, changed or unloaded, and for a change the part that changed.
namespace orvo::forms {

class Control;
class Form;
class MenuEntry;

struct FormsEvent {
  enum class Kind { kLoaded, kShown, kHidden, kActivated, kDeactivated, kChanged, kUnloaded };
  // What a kChanged is about, so a view redraws only that.
  enum class Part {
    kForm,            // the window itself: caption, icon, place, state, focus, enabling
    kControl,         // one control's properties
    kControlAdded,    // a control being made on a loaded form: read it at the next sync, not now
    kControlRemoved,  // a control going away (it is half gone: read nothing but its address)
    kMenu,            // one menu entry's properties
    kMenuChildren,    // entries added under or removed from `menu`
    kMenuOpen,        // the keyboard asks for the top-level `menu` to open on the screen
  };
  Kind kind;
  Form* form;
  Part part = Part::kForm;
  Control* control = nullptr;
  const MenuEntry* menu = nullptr;
};

}  // namespace orvo::forms
