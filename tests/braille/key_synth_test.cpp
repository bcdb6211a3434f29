// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/key_synth.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/emulated/desktop.h"
#include "platform/keys.h"
#include "support/fake_synth_host.h"
#include "support/key_strokes.h"

namespace orvo::braille {
namespace {

using namespace test_support;

// What the main window's key preview saw of one event as it was dispatched.
struct Seen {
  bool busy;     // SynthBusy
  bool focused;  // the text box had been given the focus
  bool ctrl;     // Ctrl read as down
};

struct Rig : KeyHandler {
  emu::Desktop desktop;
  InputState state;
  FakeSynthHost host{desktop};
  KeySynth keys{desktop, state, host};
  std::vector<Seen> seen;

  Rig() { desktop.SetActiveWindow(this); }

  void KeyDown(int&, int) override { Record(); }
  void KeyUp(int&, int) override { Record(); }
  void Record() { seen.push_back({state.SynthBusy, host.focused, desktop.IsDown(vk::kControl)}); }

  // Braille mode with the latch down, as the operations are used there.
  void EnterBraille() {
    state.BrailleMode = true;
    keys.LATCH_ON();
  }
  void Forget() {
    desktop.ClearSyntheticLog();
    seen.clear();
    host.focused = false;
    host.messages.clear();
    host.capital_resets = 0;
  }
  Strokes Sent() const { return StrokesOf(desktop.SyntheticLog()); }
};

// What holds after any operation: nothing left to dispatch, SynthBusy off,
// and no key down but the modifiers that the latch or a pass-through holds.
void ExpectSettled(const Rig& rig) {
  EXPECT_FALSE(rig.state.SynthBusy);
  EXPECT_TRUE(rig.desktop.Queue().Empty());
  EXPECT_EQ(rig.desktop.IsDown(vk::kControl), rig.state.LatchHeld || rig.state.CtrlPass);
  EXPECT_EQ(rig.desktop.IsDown(vk::kMenu), rig.state.LatchHeld || rig.state.AltPass);
  for (int key = 0; key < 256; ++key) {
    if (key == vk::kControl || key == vk::kMenu) continue;
    EXPECT_FALSE(rig.desktop.IsDown(static_cast<std::uint8_t>(key)))
        << "key " << key << " left down";
  }
}

// Every event of the operation came back through the key handlers while
// SynthBusy was set and after the focus had gone to the text box.
void ExpectSeenBusyAndFocused(const Rig& rig) {
  EXPECT_EQ(rig.seen.size(), rig.desktop.SyntheticLog().size());
  for (const Seen& s : rig.seen) {
    EXPECT_TRUE(s.busy);
    EXPECT_TRUE(s.focused);
  }
}

Strokes Wrapped(const Strokes& inner) {
  return Strokes{kCtrlUp, kAltUp} + inner + Strokes{kAltDn, kCtrlDn};
}
Strokes WithShift(const Strokes& inner) { return Strokes{kShiftDn} + inner + Strokes{kShiftUp}; }
Strokes WithCtrl(const Strokes& inner) { return Strokes{kCtrlDn} + inner + Strokes{kCtrlUp}; }

TEST(Latch, OnAndOff) {
  struct Case {
    const char* name;
    bool held_before;
    std::function<void(KeySynth&)> op;
    Strokes expected;
    bool held_after;
  };
  // clang-format off
  const Case cases[] = {
      {"on", false, [](KeySynth& k) { k.LATCH_ON(); }, {kAltDn, kCtrlDn}, true},
      {"on twice", false, [](KeySynth& k) { k.LATCH_ON(); k.LATCH_ON(); }, {kAltDn, kCtrlDn}, true},
      {"on while held", true, [](KeySynth& k) { k.LATCH_ON(); }, {}, true},
      {"off", true, [](KeySynth& k) { k.LATCH_OFF(); }, {kCtrlUp, kAltUp}, false},
      {"off while not held", false, [](KeySynth& k) { k.LATCH_OFF(); }, {}, false},
      {"off twice", true, [](KeySynth& k) { k.LATCH_OFF(); k.LATCH_OFF(); }, {kCtrlUp, kAltUp},
       false},
      {"enter while not held", false, [](KeySynth& k) { k.SEND_LATCH_ENTER(); }, {}, false},
      {"enter", true, [](KeySynth& k) { k.SEND_LATCH_ENTER(); },
       {kAltUp, Dn(0x0D, 0x1C), Up(0x0D, 0x1C), kAltDn}, true},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    if (c.held_before) rig.EnterBraille();
    rig.Forget();
    c.op(rig.keys);
    EXPECT_EQ(rig.Sent(), c.expected);
    EXPECT_EQ(rig.state.LatchHeld, c.held_after);
    ExpectSeenBusyAndFocused(rig);
    ExpectSettled(rig);
  }
}

TEST(Latch, EnterKeepsCtrlDownThroughout) {
  Rig rig;
  rig.EnterBraille();
  rig.Forget();
  rig.keys.SEND_LATCH_ENTER();
  ASSERT_EQ(rig.seen.size(), 4u);
  for (const Seen& s : rig.seen) EXPECT_TRUE(s.ctrl);
}

struct KeyPair {
  int code;
  std::uint8_t vk;
  std::uint8_t scan;
};

// The editing keys with the scan bytes the program sends for them.
// clang-format off
constexpr KeyPair kEditKeys[] = {
    {0x08, 0x08, 0x0E}, {0x09, 0x09, 0x0F}, {0x0D, 0x0D, 0x1C}, {0x1B, 0x1B, 0x00},
    {0x20, 0x20, 0x34}, {0x25, 0x25, 0x3B}, {0x26, 0x26, 0x3A}, {0x27, 0x27, 0x3C},
    {0x28, 0x28, 0x3D}, {0x2E, 0x2E, 0x39}, {0x76, 0x76, 0x68}, {0x77, 0x77, 0x69},
    {0x78, 0x78, 0x6A},
};
// clang-format on

// Key codes and the arrow each becomes.
// clang-format off
constexpr KeyPair kCtrlArrows[] = {
    {0x28, 0x28, 0x3D}, {'M', 0x28, 0x3D}, {'A', 0x25, 0x3B},
    {'Q', 0x25, 0x3B},  {'P', 0x27, 0x3C}, {0xBB, 0x27, 0x3C},
};
// clang-format on
// clang-format off
constexpr KeyPair kShiftArrows[] = {
    {0x25, 0x25, 0x3B}, {'A', 0x25, 0x3B}, {'U', 0x25, 0x3B},
    {0x27, 0x27, 0x3C}, {'O', 0x27, 0x3C}, {0xBB, 0x27, 0x3C},
};
// clang-format on

// Runs one operation in braille mode with the latch down and checks what it sent.
void ExpectWrapped(const std::function<void(KeySynth&)>& op, const Strokes& expected) {
  Rig rig;
  rig.EnterBraille();
  rig.Forget();
  op(rig.keys);
  EXPECT_EQ(rig.Sent(), expected);
  EXPECT_TRUE(rig.state.LatchHeld);
  EXPECT_TRUE(rig.host.messages.empty());
  ExpectSeenBusyAndFocused(rig);
  ExpectSettled(rig);
}

TEST(SendKeys, EditKeys) {
  for (const KeyPair& k : kEditKeys) {
    SCOPED_TRACE(k.code);
    ExpectWrapped([&](KeySynth& s) { s.SEND_EDIT_KEY(k.code); }, Wrapped(Tap(k.vk, k.scan)));
  }
}

TEST(SendKeys, CtrlArrows) {
  for (const KeyPair& k : kCtrlArrows) {
    SCOPED_TRACE(k.code);
    ExpectWrapped([&](KeySynth& s) { s.Send_ARROW_Ctrl(k.code); },
                  Wrapped(WithCtrl(Tap(k.vk, k.scan))));
  }
}

TEST(SendKeys, ShiftArrows) {
  for (const KeyPair& k : kShiftArrows) {
    SCOPED_TRACE(k.code);
    ExpectWrapped([&](KeySynth& s) { s.Send_ARROW_Shift(k.code); },
                  Wrapped(WithShift(Tap(k.vk, k.scan))));
  }
}

TEST(SendKeys, ShiftedAndPlainKeys) {
  struct Case {
    const char* name;
    std::function<void(KeySynth&)> op;
    Strokes expected;
  };
  // clang-format off
  const Case cases[] = {
      {"shift space", [](KeySynth& s) { s.SEND_SHIFT_SPACE(); },
       Wrapped(WithShift(Tap(0x20, 0x34)))},
      {"vk", [](KeySynth& s) { s.SEND_VK(0x4B, 0x24); }, Wrapped(Tap(0x4B, 0x24))},
      {"shift vk", [](KeySynth& s) { s.SEND_SHIFT_VK(0x31, 0x01); },
       Wrapped(WithShift(Tap(0x31, 0x01)))},
      {"shift F10", [](KeySynth& s) { s.SEND_SHIFT_F10(); }, Wrapped(WithShift(Tap(0x79, 0x6B)))},
      {"context menu", [](KeySynth& s) { s.SEND_CONTEXT_MENU(); },
       Wrapped(WithShift(Tap(0x79, 0x6B)))},
      // Re-typing a reading leaves the latch alone.
      {"char", [](KeySynth& s) { s.SEND_CHAR(GET_KEY_CODE(u"K")); }, Tap(0x4B, 0x24)},
      {"char shift", [](KeySynth& s) { s.SEND_CHAR_SHIFT(GET_KEY_CODE(u"!")); },
       WithShift(Tap(0x31, 0x01))},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectWrapped(c.op, c.expected);
  }
}

TEST(SendKeys, RefusedKeysSendNothing) {
  const ShownMessage command_error{u"コマンドエラー！", 48};
  const ShownMessage arrow_error{u"エラー！Send_ARROW_Ctrl\u3000\u3000\u3000\u3000", 48};
  struct Case {
    const char* name;
    std::function<void(KeySynth&)> op;
    std::vector<ShownMessage> shown;
  };
  // clang-format off
  const Case cases[] = {
      {"edit A", [](KeySynth& s) { s.SEND_EDIT_KEY('A'); }, {command_error}},
      {"edit N", [](KeySynth& s) { s.SEND_EDIT_KEY('N'); }, {command_error}},
      {"edit Home", [](KeySynth& s) { s.SEND_EDIT_KEY(vk::kHome); }, {command_error}},
      {"edit F10", [](KeySynth& s) { s.SEND_EDIT_KEY(vk::kF10); }, {command_error}},
      {"edit 0", [](KeySynth& s) { s.SEND_EDIT_KEY(0); }, {command_error}},
      {"edit beyond a byte", [](KeySynth& s) { s.SEND_EDIT_KEY(0x10D); }, {command_error}},
      {"ctrl Up", [](KeySynth& s) { s.Send_ARROW_Ctrl(vk::kUp); }, {arrow_error}},
      {"ctrl Left", [](KeySynth& s) { s.Send_ARROW_Ctrl(vk::kLeft); }, {arrow_error}},
      {"ctrl U", [](KeySynth& s) { s.Send_ARROW_Ctrl('U'); }, {arrow_error}},
      {"shift Down", [](KeySynth& s) { s.Send_ARROW_Shift(vk::kDown); }, {}},
      {"shift M", [](KeySynth& s) { s.Send_ARROW_Shift('M'); }, {}},
      {"shift P", [](KeySynth& s) { s.Send_ARROW_Shift('P'); }, {}},
      {"shift Q", [](KeySynth& s) { s.Send_ARROW_Shift('Q'); }, {}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    rig.EnterBraille();
    rig.Forget();
    c.op(rig.keys);
    EXPECT_EQ(rig.Sent(), Strokes{});
    EXPECT_EQ(rig.host.messages, c.shown);
    EXPECT_TRUE(rig.state.LatchHeld);
    ExpectSettled(rig);
  }
}

TEST(SendKeys, ShiftF10EndsShiftSelection) {
  for (bool braille : {true, false}) {
    SCOPED_TRACE(braille ? "braille mode" : "romaji mode");
    Rig rig;
    if (braille) rig.EnterBraille();
    rig.state.ShiftSelect = true;
    rig.Forget();
    rig.keys.SEND_SHIFT_F10();
    const Strokes f10 = WithShift(Tap(0x79, 0x6B));
    EXPECT_EQ(rig.Sent(), braille ? Wrapped(f10) : f10);
    EXPECT_FALSE(rig.state.ShiftSelect);
    // Romaji mode never had the latch and must not get it.
    EXPECT_EQ(rig.state.LatchHeld, braille);
    ExpectSeenBusyAndFocused(rig);
    ExpectSettled(rig);
  }
}

TEST(PassThrough, RealModifierInsteadOfTheLatch) {
  struct Case {
    const char* name;
    std::function<void(KeySynth&)> op;
    Strokes expected;
    bool alt_pass, ctrl_pass, latch;
  };
  // clang-format off
  const Case cases[] = {
      {"alt", [](KeySynth& s) { s.ALT_PASS_ON(); }, {kCtrlUp, kAltUp, kAltDn}, true, false, false},
      {"ctrl", [](KeySynth& s) { s.CTRL_PASS_ON(); }, {kCtrlUp, kAltUp, kCtrlDn}, false, true,
       false},
      {"alt then end", [](KeySynth& s) { s.ALT_PASS_ON(); s.PASS_END(); },
       {kCtrlUp, kAltUp, kAltDn, kAltDn, kCtrlDn}, false, false, true},
      {"ctrl then end", [](KeySynth& s) { s.CTRL_PASS_ON(); s.PASS_END(); },
       {kCtrlUp, kAltUp, kCtrlDn, kAltDn, kCtrlDn}, false, false, true},
      {"end while latched", [](KeySynth& s) { s.PASS_END(); }, {}, false, false, true},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    rig.EnterBraille();
    rig.Forget();
    c.op(rig.keys);
    EXPECT_EQ(rig.Sent(), c.expected);
    EXPECT_EQ(rig.state.AltPass, c.alt_pass);
    EXPECT_EQ(rig.state.CtrlPass, c.ctrl_pass);
    EXPECT_EQ(rig.state.LatchHeld, c.latch);
    ExpectSeenBusyAndFocused(rig);
    ExpectSettled(rig);
  }
}

TEST(CapsLock, SaveOffRestoreOnOff) {
  const Strokes caps = Tap(0x14, 0x71);
  struct Case {
    const char* name;
    std::function<void(KeySynth&)> op;
    bool on_before;
    bool saved_before;
    Strokes expected;
    bool on_after;
    bool saved_after;
    int capital_resets;
  };
  // clang-format off
  const auto save_off = [](KeySynth& s) { s.CAPS_SAVE_OFF(); };
  const auto off = [](KeySynth& s) { s.CAPS_OFF(); };
  const auto on = [](KeySynth& s) { s.CAPS_ON(); };
  const auto restore = [](KeySynth& s) { s.CAPS_RESTORE(); };
  const Case cases[] = {
      {"save off, on", save_off, true, false, caps, false, true, 1},
      {"save off, off", save_off, false, true, {}, false, false, 1},
      {"off, on", off, true, false, caps, false, false, 0},
      {"off, off", off, false, false, {}, false, false, 0},
      {"on, off", on, false, false, caps, true, false, 0},
      {"on, on", on, true, false, {}, true, false, 0},
      {"restore on, now off", restore, false, true, caps, true, true, 1},
      {"restore on, now on", restore, true, true, {}, true, true, 1},
      {"restore off, now on", restore, true, false, caps, false, false, 1},
      {"restore off, now off", restore, false, false, {}, false, false, 1},
      {"save then restore", [](KeySynth& s) { s.CAPS_SAVE_OFF(); s.CAPS_ON(); s.CAPS_RESTORE(); },
       true, false, caps + caps, true, true, 2},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    rig.EnterBraille();
    rig.desktop.Keys().SetToggled(vk::kCapital, c.on_before);
    rig.state.CapsSaved = c.saved_before;
    rig.Forget();
    c.op(rig.keys);
    EXPECT_EQ(rig.Sent(), c.expected);
    EXPECT_EQ(rig.desktop.IsToggled(vk::kCapital), c.on_after);
    EXPECT_EQ(rig.state.CapsSaved, c.saved_after);
    EXPECT_EQ(rig.host.capital_resets, c.capital_resets);
    for (const Seen& s : rig.seen) EXPECT_TRUE(s.focused);
    ExpectSettled(rig);
  }
}

TEST(KanaLock, FollowsTheKanaToggle) {
  Rig rig;
  EXPECT_FALSE(rig.keys.KANA_LOCKED());
  rig.desktop.PostKey({vk::kKana, 0x70, false, false});
  rig.desktop.PostKey({vk::kKana, 0x70, true, false});
  rig.desktop.DoEvents();
  EXPECT_TRUE(rig.keys.KANA_LOCKED());
  rig.desktop.Keys().SetToggled(vk::kKana, false);
  EXPECT_FALSE(rig.keys.KANA_LOCKED());
  // Caps Lock is another key's toggle.
  rig.desktop.Keys().SetToggled(vk::kCapital, true);
  EXPECT_FALSE(rig.keys.KANA_LOCKED());
}

TEST(Release, CtrlAltUnconditionally) {
  for (bool held : {true, false}) {
    SCOPED_TRACE(held ? "latch held" : "nothing held");
    Rig rig;
    if (held) rig.EnterBraille();
    rig.Forget();
    EXPECT_TRUE(rig.keys.RELEASE_CTRL_ALT());
    EXPECT_EQ(rig.Sent(), (Strokes{kCtrlUp, kAltUp}));
    EXPECT_FALSE(rig.state.LatchHeld);
    ExpectSettled(rig);
  }
}

TEST(Release, CtrlAltFailureKeepsGoingAndReportsFalse) {
  Rig rig;
  rig.EnterBraille();
  rig.Forget();
  rig.desktop.FailNextSends(1);
  EXPECT_FALSE(rig.keys.RELEASE_CTRL_ALT());
  EXPECT_EQ(rig.Sent(), Strokes{kAltUp});
  EXPECT_TRUE(rig.host.messages.empty());
  // A later call that goes through succeeds.
  EXPECT_TRUE(rig.keys.RELEASE_CTRL_ALT());
  EXPECT_FALSE(rig.desktop.IsDown(vk::kControl));
}

TEST(Release, HeldKeysOnlyWhatIsDownInOrder) {
  for (unsigned mask = 0; mask < 8; ++mask) {
    const bool ctrl = mask & 1u, alt = mask & 2u, shift = mask & 4u;
    SCOPED_TRACE(::testing::Message() << "ctrl " << ctrl << " alt " << alt << " shift " << shift);
    Rig rig;
    rig.state.LatchHeld = ctrl && alt;
    rig.desktop.Keys().SetDown(vk::kControl, ctrl);
    rig.desktop.Keys().SetDown(vk::kMenu, alt);
    rig.desktop.Keys().SetDown(vk::kShift, shift);
    Strokes expected;
    if (ctrl) expected.push_back(kCtrlUp);
    if (alt) expected.push_back(kAltUp);
    if (shift) expected.push_back(kShiftUp);
    EXPECT_TRUE(rig.keys.RELEASE_HELD_KEYS());
    EXPECT_EQ(rig.Sent(), expected);
    EXPECT_FALSE(rig.state.LatchHeld);
    EXPECT_TRUE(rig.host.messages.empty());
    ExpectSettled(rig);
  }
}

TEST(Release, HeldKeysFailureShowsAMessage) {
  Rig rig;
  rig.EnterBraille();
  rig.desktop.Keys().SetDown(vk::kShift, true);
  rig.Forget();
  rig.desktop.FailNextSends(1);
  EXPECT_FALSE(rig.keys.RELEASE_HELD_KEYS());
  EXPECT_EQ(rig.Sent(), (Strokes{kAltUp, kShiftUp}));
  ASSERT_EQ(rig.host.messages.size(), 1u);
  EXPECT_FALSE(rig.host.messages[0].text.empty());
  EXPECT_EQ(rig.host.messages[0].flags, 0);
  EXPECT_FALSE(rig.state.SynthBusy);
}

}  // namespace
}  // namespace orvo::braille
