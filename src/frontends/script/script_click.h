// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A key script's click and menu choice, the same in every front end: the control found by the
// form's name, the button going down on it, then the click itself.
#include "app/program.h"
#include "frontends/script/key_script.h"

namespace orvo::script {

// A control of a loaded form; lblSTYLE2 also finds lblSTYLE[2].
forms::Control* FindScriptControl(Program& program, const ControlRef& ref);

// False when no loaded form has the control. Of the main window's controls
// only cmdTYPE, cmdIME and lblMODE answer the click; the others see the button
// go down. Pending events are the caller's.
bool ClickScriptControl(Program& program, const ControlRef& ref);

// A key script's menu item, chosen as a click on the menu would: nothing
// happens while a modal window has the main window disabled. False when the
// menu has no such item.
bool ChooseScriptMenu(Program& program, const std::string& item);

// frmMAIN.cmdBTN[1], as messages name a control.
std::string ControlName(const ControlRef& ref);

}  // namespace orvo::script
