// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The braille modules wired together as the program wires them, over an
// emulated desktop and one emulated text box, with fakes for every port of
// the main window. The rig stands where the window does: it previews every
// key for chord capture and hands the text box's keys on, so the program's
// own synthetic keys come back through the handlers as they do in a session.
#include <initializer_list>
#include <memory>
#include <vector>

#include "braille/cell_conversion.h"
#include "braille/chord_capture.h"
#include "braille/fakes/fake_ports.h"
#include "braille/ime_control.h"
#include "braille/input_modes.h"
#include "braille/input_state.h"
#include "braille/key_synth.h"
#include "braille/window_hook.h"
#include "platform/emulated/desktop.h"
#include "platform/emulated/emulated_ime.h"
#include "platform/emulated/text_box.h"
#include "platform/windowing.h"
#include "support/fake_synth_host.h"

namespace orvo::test_support {

class BrailleRig {
 public:
  BrailleRig()
      : box_owner_(desktop.CreateEditControl()),
        box(dynamic_cast<emu::TextBox&>(*box_owner_)),
        window(box) {
    desktop.SetActiveWindow(&preview_);
    ime.Create();
    state.ImeOpen = true;  // as the main window leaves it after loading
    FocusBox();
  }

  // Braille mode on, as F1 turns it on; what it told the host is forgotten.
  void EnterBraille() {
    modes.CMD_TYPE(braille::TypeSwitch::kF1);
    host.messages.clear();
  }

  // A person's keys through the one input queue, as the window would receive them.
  void Press(int key) { Post(key, false); }
  void Release(int key) { Post(key, true); }
  void Tap(int key) {
    Press(key);
    Release(key);
  }
  // The dot keys pressed together and released in the same order.
  void Chord(std::initializer_list<int> dots) {
    for (int k : dots) Press(k);
    for (int k : dots) Release(k);
  }

  bool Composing() { return box.Ime().Composing(); }

  emu::Desktop desktop;
  emu::EmulatedIme ime_service{desktop};

 private:
  std::unique_ptr<EditControl> box_owner_;

 public:
  emu::TextBox& box;
  braille::InputState state;
  FakeSynthHost host{desktop};
  FakeCellDisplay display;
  FakeImeMirrors mirrors;
  FakeBrailleMenus menus;
  FakeEditorWindow window;
  FakeSideWindows side;
  FakeWarningTimer timer;
  FakeTextMoves text;
  bool keys_focused = false;  // keystroke synthesis asked for the focus

  braille::KeySynth keys{desktop, state, capitals_};
  braille::InputModes modes{
      state, keys, {host, display, menus, window, side}, {chords, conversion, ime}};
  braille::CellConversion conversion{state, keys, {host, display, mirrors, window}, {modes, ime}};
  braille::ImeControl ime{
      state, keys, {host, ime_service, mirrors, menus, window}, {modes, conversion}};
  braille::ChordCapture chords{
      state, keys, {host, display, mirrors, window, side, timer, text}, {conversion, modes, ime}};
  braille::WindowHook hook{state, {host, desktop, window, side, timer}, modes};

 private:
  // The host as keystroke synthesis sees it: the capital counter is the
  // conversion's, and its focus requests are kept apart from the modules' own.
  struct CapitalsHost : braille::KeySynthHost {
    explicit CapitalsHost(BrailleRig& rig_) : rig(rig_) {}
    void DoEvents() override { rig.host.DoEvents(); }
    void FocusTextBox() override { rig.keys_focused = true; }
    MessageResult MsgBox(const ustring& text_, MessageFlags flags) override { return rig.host.MsgBox(text_, flags); }
    void ResetCapitalCount() override { rig.conversion.SetCapitalCount(0); }
    BrailleRig& rig;
  };
  struct Preview : KeyHandler {
    explicit Preview(BrailleRig& rig_) : rig(rig_) {}
    void KeyDown(int& key, int shift) override { rig.chords.FormKeyDown(key, shift); }
    void KeyUp(int& key, int shift) override { rig.chords.FormKeyUp(key, shift); }
    BrailleRig& rig;
  };
  struct BoxKeys : KeyHandler {
    explicit BoxKeys(BrailleRig& rig_) : rig(rig_) {}
    void KeyDown(int& key, int shift) override { rig.chords.TextKeyDown(key, shift); }
    void KeyUp(int& key, int shift) override { rig.chords.TextKeyUp(key, shift); }
    BrailleRig& rig;
  };

  void FocusBox() { desktop.SetFocus(&box_keys_, &box); }
  void Post(int key, bool up) {
    desktop.PostKey({static_cast<std::uint8_t>(key), 0, up, false});
    desktop.DoEvents();
  }

  CapitalsHost capitals_{*this};
  Preview preview_{*this};
  BoxKeys box_keys_{*this};
};

}  // namespace orvo::test_support
