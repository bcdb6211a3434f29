// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/desktop.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/edit_control.h"
#include "platform/emulated/text_box.h"
#include "platform/keys.h"
#include "platform/timer.h"

namespace orvo::emu {
namespace {

constexpr int kProcessKey = 229;

// One key event as a handler saw it.
struct Heard {
  std::string who;
  int code;
  bool up;
  int shift;
  bool operator==(const Heard&) const = default;
};
void PrintTo(const Heard& h, std::ostream* os) {
  *os << h.who << (h.up ? " up " : " dn ") << h.code << " shift " << h.shift;
}

struct Listener : KeyHandler {
  Listener(std::string n, std::vector<Heard>& l) : name(std::move(n)), log(l) {}
  void KeyDown(int& key, int shift) override { Hear(key, false, shift); }
  void KeyUp(int& key, int shift) override { Hear(key, true, shift); }
  void Hear(int& key, bool up, int shift) {
    log.push_back({name, key, up, shift});
    if (key == cancel) key = 0;
  }
  bool MenuKey(char16_t letter) override {
    menu_keys.push_back(letter);
    return opens_menus;
  }
  std::string name;
  std::vector<Heard>& log;
  int cancel = -1;  // the key code this handler cancels
  std::u16string menu_keys;  // 0 for F10 and Alt alone
  bool opens_menus = true;
};

// A desktop with a main window that previews keys and a focused text box.
struct Rig {
  Desktop desktop;
  std::vector<Heard> log;
  Listener window{"window", log};
  Listener control{"control", log};
  std::unique_ptr<EditControl> edit = desktop.CreateEditControl();
  TextBox& box = dynamic_cast<TextBox&>(*edit);

  Rig() {
    desktop.SetActiveWindow(&window);
    desktop.SetFocus(&control, edit.get());
  }
  void Post(std::uint8_t vk, bool up) { desktop.PostKey({vk, 0, up, false}); }
  void Type(std::uint8_t vk) {
    Post(vk, false);
    Post(vk, true);
    desktop.DoEvents();
  }
};

TEST(Routing, WindowThenControlUnlessCancelled) {
  struct Case {
    const char* name;
    int window_cancels;
    int control_cancels;
    std::vector<Heard> heard;
  };
  const int k = 'K';
  const Heard window_dn{"window", k, false, 0}, window_up{"window", k, true, 0};
  const Heard control_dn{"control", k, false, 0}, control_up{"control", k, true, 0};
  // clang-format off
  const Case cases[] = {
      {"nobody cancels", -1, -1, {window_dn, control_dn, window_up, control_up}},
      {"window cancels", k, -1, {window_dn, window_up}},
      {"control cancels", -1, k, {window_dn, control_dn, window_up, control_up}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    rig.window.cancel = c.window_cancels;
    rig.control.cancel = c.control_cancels;
    rig.Type('K');
    EXPECT_EQ(rig.log, c.heard);
  }
}

TEST(Routing, NoWindowOrWindowAsControl) {
  Rig rig;
  rig.desktop.SetActiveWindow(nullptr);
  rig.Type('K');
  EXPECT_EQ(rig.log, (std::vector<Heard>{{"control", 'K', false, 0}, {"control", 'K', true, 0}}));

  rig.log.clear();
  rig.desktop.SetActiveWindow(&rig.control);
  rig.Type('K');
  EXPECT_EQ(rig.log.size(), 2u) << "a window that is also the focused control hears a key once";
}

// A cancel stops the control's own key action; the character a key types is
// fixed from the key state and typed all the same.
TEST(Routing, CancelStopsKeyActionButNotTheCharacter) {
  Rig rig;
  rig.Type('A');
  rig.Type('B');
  ASSERT_EQ(rig.box.Text(), u"ab");
  rig.window.cancel = vk::kLeft;
  rig.Type(vk::kLeft);
  EXPECT_EQ(rig.box.SelStart(), 2);
  rig.window.cancel = -1;
  rig.Type(vk::kLeft);
  EXPECT_EQ(rig.box.SelStart(), 1);
  rig.window.cancel = 'C';
  rig.Type('C');
  EXPECT_EQ(rig.box.Text(), u"acb");
}

// The character is offered to the window, then the control, before it is
// typed; either may drop it. A key taken by the IME offers none.
struct Dropper : Listener {
  using Listener::Listener;
  void KeyPress(char16_t& ch) override {
    offered.push_back(ch);
    if (ch == drop) ch = 0;
  }
  std::u16string offered;
  char16_t drop = 0;
};

TEST(Routing, KeyPressOffersTheCharacterAndMayDropIt) {
  struct Case {
    const char* name;
    char16_t window_drops, control_drops;
    ustring text, window_offered, control_offered;
  };
  const Case cases[] = {
      {"nobody drops", 0, 0, u"ab", u"ab", u"ab"},
      {"the window drops b: the control never sees it", u'b', 0, u"a", u"ab", u"a"},
      {"the control drops a", 0, u'a', u"b", u"ab", u"ab"},
  };
  for (const Case& c : cases) {
    Rig rig;
    Dropper window("window", rig.log), control("control", rig.log);
    window.drop = c.window_drops;
    control.drop = c.control_drops;
    rig.desktop.SetActiveWindow(&window);
    rig.desktop.SetFocus(&control, rig.edit.get());
    rig.Type('A');
    rig.Type('B');
    rig.Type(vk::kLeft);  // no character: nothing offered
    EXPECT_EQ(rig.box.Text(), c.text) << c.name;
    EXPECT_EQ(window.offered, c.window_offered) << c.name;
    EXPECT_EQ(control.offered, c.control_offered) << c.name;
  }
  Rig rig;
  Dropper window("window", rig.log);
  rig.desktop.SetActiveWindow(&window);
  rig.box.SetImeMode(ime_mode::kHiragana);
  rig.Type('K');
  EXPECT_TRUE(window.offered.empty()) << "the IME took the key";
}

// A box that loses the keyboard cancels the reading it was composing; giving
// the focus to the same box again keeps it.
TEST(Routing, FocusLeavingABoxCancelsItsComposition) {
  Rig rig;
  std::unique_ptr<EditControl> other = rig.desktop.CreateEditControl();
  rig.box.SetImeMode(ime_mode::kHiragana);
  rig.Type('K');
  rig.Type('A');
  ASSERT_EQ(rig.box.Ime().CompositionString(), u"か");
  rig.desktop.SetFocus(&rig.control, rig.edit.get());
  EXPECT_EQ(rig.box.Ime().CompositionString(), u"か");
  rig.desktop.SetFocus(&rig.control, other.get());
  EXPECT_EQ(rig.box.Ime().CompositionString(), u"");
  EXPECT_EQ(rig.box.Text(), u"");
  // A focused box that goes away leaves no focus behind.
  other.reset();
  EXPECT_EQ(rig.desktop.FocusedEdit(), nullptr);
}

// A box closed while a modal window waits is not given the focus back when
// the modal loop ends (found by fuzzing key streams).
TEST(Routing, AModalLoopGivesNoFocusBackToABoxClosedMeanwhile) {
  Rig rig;
  std::unique_ptr<EditControl> other = rig.desktop.CreateEditControl();
  rig.desktop.SetFocus(&rig.control, other.get());
  Listener box{"box", rig.log};
  rig.desktop.RunModal(box, [&other] {
    other.reset();
    return true;
  });
  EXPECT_EQ(rig.desktop.FocusedEdit(), nullptr);
  rig.desktop.SetFocus(&rig.control, rig.edit.get());  // would touch the closed box
  EXPECT_EQ(rig.desktop.FocusedEdit(), rig.edit.get());
}

// The program's own keys, sent while it marks itself busy, come back through
// its handlers before the sending handler returns, and reach the text box.
struct SendingWindow : KeyHandler {
  explicit SendingWindow(Desktop& d) : desktop(d) {}
  void KeyDown(int& key, int) override { Hear(key, false); }
  void KeyUp(int& key, int) override { Hear(key, true); }
  void Hear(int& key, bool up) {
    heard.push_back({busy ? "busy" : "idle", key, up, 0});
    if (busy || up || key != vk::kF1) return;
    busy = true;
    for (std::uint8_t k : keys) {
      desktop.SendKey(k, 0x24, false);
      desktop.SendKey(k, 0x24, true);
    }
    desktop.DoEvents();
    busy = false;
    key = 0;
  }
  Desktop& desktop;
  std::vector<std::uint8_t> keys;
  bool busy = false;
  std::vector<Heard> heard;
};

TEST(Routing, SyntheticKeysComeBackWhileBusy) {
  struct Case {
    bool ime_open;
    ustring text;
    ustring composition;
    int code_heard;
  };
  // clang-format off
  const Case cases[] = {
      {false, u"ka", u"", 'K'},
      {true, u"", u"か", kProcessKey},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ime_open ? "IME open" : "IME closed");
    Rig rig;
    SendingWindow program(rig.desktop);
    program.keys = {'K', 'A'};
    rig.desktop.SetActiveWindow(&program);
    if (c.ime_open) rig.box.SetImeMode(ime_mode::kHiragana);
    rig.Post(vk::kF1, false);
    rig.desktop.DoEvents();
    const int a = c.code_heard == 'K' ? 'A' : kProcessKey;
    EXPECT_EQ(program.heard, (std::vector<Heard>{{"idle", vk::kF1, false, 0},
                                                 {"busy", c.code_heard, false, 0},
                                                 {"busy", 'K', true, 0},
                                                 {"busy", a, false, 0},
                                                 {"busy", 'A', true, 0}}));
    EXPECT_EQ(rig.box.Text(), c.text);
    EXPECT_EQ(rig.box.Ime().CompositionString(), c.composition);
    EXPECT_EQ(rig.desktop.SyntheticLog().size(), 4u);
  }
}

// Keys wait in one queue in arrival order: a real key already waiting is
// delivered before the synthetic keys a handler sends behind it.
TEST(Routing, OneQueueInArrivalOrder) {
  Rig rig;
  SendingWindow program(rig.desktop);
  program.keys = {'K'};
  rig.desktop.SetActiveWindow(&program);
  rig.Post(vk::kF1, false);
  rig.Post(vk::kF1, true);
  rig.desktop.DoEvents();
  EXPECT_EQ(program.heard, (std::vector<Heard>{{"idle", vk::kF1, false, 0},
                                               {"busy", vk::kF1, true, 0},
                                               {"busy", 'K', false, 0},
                                               {"busy", 'K', true, 0}}));
}

TEST(Routing, LettersWithModifiersReachHandlersButTypeOnlyWithoutCtrlAndAlt) {
  struct Case {
    const char* name;
    bool ctrl, alt, shift, ime_open;
    int code;
    ustring text;
    ustring composition;
  };
  // clang-format off
  const Case cases[] = {
      {"plain", false, false, false, false, 'A', u"a", u""},
      {"shift", false, false, true, false, 'A', u"A", u""},
      {"ctrl and alt", true, true, false, false, 'A', u"", u""},
      {"ctrl and alt, IME open", true, true, false, true, 'A', u"", u""},
      {"ctrl, alt and shift", true, true, true, false, 'A', u"", u""},
      {"ctrl alone", true, false, false, false, 'A', u"", u""},
      {"alt alone", false, true, false, false, 'A', u"", u""},
      {"IME open", false, false, false, true, kProcessKey, u"", u"あ"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    if (c.ime_open) rig.box.SetImeMode(ime_mode::kHiragana);
    const int mask = (c.shift ? shift_mask::kShift : 0) | (c.ctrl ? shift_mask::kCtrl : 0) |
                     (c.alt ? shift_mask::kAlt : 0);
    if (c.ctrl) rig.desktop.SendKey(vk::kControl, 0x74, false);
    if (c.alt) rig.desktop.SendKey(vk::kMenu, 0x73, false);
    if (c.shift) rig.Post(vk::kShift, false);
    rig.desktop.DoEvents();
    rig.log.clear();
    rig.Type('A');
    ASSERT_EQ(rig.log.size(), 4u);
    EXPECT_EQ(rig.log[0], (Heard{"window", c.code, false, mask}));
    EXPECT_EQ(rig.log[3], (Heard{"control", 'A', true, mask}));
    EXPECT_EQ(rig.box.Text(), c.text);
    EXPECT_EQ(rig.box.Ime().CompositionString(), c.composition);
  }
}

TEST(KeyState, ToggleAndDownBits) {
  struct Step {
    std::uint8_t vk;
    bool up;
    std::int16_t state;  // of that key afterwards
  };
  const auto down_on = static_cast<std::int16_t>(0x8001);
  const auto down_off = static_cast<std::int16_t>(0x8000);
  // clang-format off
  const std::vector<std::vector<Step>> sequences = {
      {{vk::kCapital, false, down_on}, {vk::kCapital, true, 1}, {vk::kCapital, false, down_off},
       {vk::kCapital, true, 0}},
      // Auto-repeat of a held key does not toggle again.
      {{vk::kCapital, false, down_on}, {vk::kCapital, false, down_on}, {vk::kCapital, true, 1}},
      {{vk::kKana, false, down_on}, {vk::kKana, true, 1}, {vk::kKana, false, down_off},
       {vk::kKana, true, 0}},
      {{vk::kShift, false, down_off}, {vk::kShift, true, 0}, {vk::kShift, false, down_off}},
      {{vk::kControl, false, down_off}, {vk::kMenu, false, down_off}, {vk::kControl, true, 0}},
  };
  // clang-format on
  for (std::size_t i = 0; i < sequences.size(); ++i) {
    SCOPED_TRACE(::testing::Message() << "sequence " << i);
    Rig rig;
    for (const Step& step : sequences[i]) {
      rig.Post(step.vk, step.up);
      rig.desktop.DoEvents();
      EXPECT_EQ(rig.desktop.KeyState(step.vk), step.state) << "key " << int{step.vk};
    }
  }
}

TEST(KeyState, SyntheticCapsLockTogglesAndTypesCapitals) {
  Rig rig;
  rig.desktop.SendKey(vk::kCapital, 0x71, false);
  rig.desktop.SendKey(vk::kCapital, 0x71, true);
  rig.desktop.DoEvents();
  EXPECT_TRUE(rig.desktop.IsToggled(vk::kCapital));
  EXPECT_FALSE(rig.desktop.IsDown(vk::kCapital));
  rig.Type('A');
  rig.Post(vk::kShift, false);
  rig.Type('B');
  rig.Post(vk::kShift, true);
  rig.Type(vk::kOemMinus);
  rig.desktop.DoEvents();
  EXPECT_EQ(rig.box.Text(), u"Ab-");
}

TEST(KeyState, RefusedSendsAreNotQueuedOrLogged) {
  Desktop desktop;
  desktop.FailNextSends(2);
  EXPECT_FALSE(desktop.SendKey(vk::kControl, 0x74, false));
  EXPECT_FALSE(desktop.SendKey(vk::kMenu, 0x73, false));
  EXPECT_TRUE(desktop.SendKey(vk::kShift, 0x70, false));
  EXPECT_EQ(desktop.SyntheticLog().size(), 1u);
  desktop.DoEvents();
  EXPECT_FALSE(desktop.IsDown(vk::kControl));
  EXPECT_TRUE(desktop.IsDown(vk::kShift));
}

// Ticks as (timer, virtual time) pairs.
struct Tick {
  char timer;
  std::int64_t at;
  bool operator==(const Tick&) const = default;
};
void PrintTo(const Tick& t, std::ostream* os) { *os << t.timer << '@' << t.at; }

struct ClockRig {
  VirtualClock clock;
  std::vector<Tick> ticks;
  std::unique_ptr<Timer> Make(char name, int interval) {
    return std::make_unique<Timer>(clock, interval, [this, name] {
      ticks.push_back({name, clock.NowMs()});
    });
  }
};

TEST(VirtualClock, TimersFireInTimeOrderOnlyWhenAdvanced) {
  ClockRig rig;
  auto slow = rig.Make('s', 50);
  auto fast = rig.Make('f', 20);
  slow->SetEnabled(true);
  fast->SetEnabled(true);
  EXPECT_TRUE(rig.ticks.empty());
  rig.clock.Advance(99);
  EXPECT_EQ(rig.ticks, (std::vector<Tick>{{'f', 20}, {'f', 40}, {'s', 50}, {'f', 60}, {'f', 80}}));
  EXPECT_EQ(rig.clock.NowMs(), 99);
  rig.ticks.clear();
  rig.clock.Advance(0);
  rig.clock.Advance(-5);
  EXPECT_TRUE(rig.ticks.empty());
  rig.clock.Advance(1);
  EXPECT_EQ(rig.ticks.size(), 2u);  // both due at 100
}

TEST(VirtualClock, EnablingStartsTheIntervalAfresh) {
  ClockRig rig;
  auto timer = rig.Make('t', 100);
  rig.clock.Advance(500);
  EXPECT_TRUE(rig.ticks.empty()) << "a disabled timer never fires";
  timer->SetEnabled(true);
  rig.clock.Advance(50);
  timer->SetEnabled(true);  // again: restarts from 550
  rig.clock.Advance(99);
  EXPECT_TRUE(rig.ticks.empty());
  rig.clock.Advance(1);
  EXPECT_EQ(rig.ticks, (std::vector<Tick>{{'t', 650}}));
  timer->SetInterval(10);  // restarts from 650 with the new interval
  rig.clock.Advance(25);
  EXPECT_EQ(rig.ticks, (std::vector<Tick>{{'t', 650}, {'t', 660}, {'t', 670}}));
}

TEST(VirtualClock, TickMayDisableOrDestroyTimers) {
  VirtualClock clock;
  int once_ticks = 0;
  Timer once(clock, 10, [&] {
    ++once_ticks;
    once.SetEnabled(false);
  });
  once.SetEnabled(true);
  auto doomed =
      std::make_unique<Timer>(clock, 15, [] { ADD_FAILURE() << "destroyed timer fired"; });
  doomed->SetEnabled(true);
  Timer killer(clock, 12, [&] { doomed.reset(); });
  killer.SetEnabled(true);
  clock.Advance(100);
  EXPECT_EQ(once_ticks, 1);
  EXPECT_EQ(doomed, nullptr);
}

TEST(VirtualClock, TellsWhenTheEarliestDueTimeMayHaveMoved) {
  ClockRig rig;
  int told = 0;
  rig.clock.SetOnDueChanged([&] { ++told; });
  EXPECT_EQ(rig.clock.NextDueMs(), std::nullopt);
  auto slow = rig.Make('s', 70);
  auto fast = rig.Make('f', 30);
  slow->SetEnabled(true);
  fast->SetEnabled(true);
  EXPECT_EQ(told, 2);
  EXPECT_EQ(rig.clock.NextDueMs(), 30);
  rig.clock.Advance(65);  // f ticks at 30 and 60: each time its next turn is set first
  EXPECT_EQ(told, 4);
  EXPECT_EQ(rig.clock.NextDueMs(), 70);
  fast->SetEnabled(false);
  fast->SetEnabled(false);  // disarming what is not armed changes nothing
  EXPECT_EQ(told, 5);
  slow.reset();
  EXPECT_EQ(told, 6);
  EXPECT_EQ(rig.clock.NextDueMs(), std::nullopt);
}

// A tick that waits in a modal window moves time on from inside the tick; the
// other timers fire in time order all the same, and none twice.
TEST(VirtualClock, TickMayAdvanceTheClock) {
  ClockRig rig;
  auto fast = rig.Make('f', 30);
  bool waited = false;
  Timer modal(rig.clock, 100, [&] {
    rig.ticks.push_back({'m', rig.clock.NowMs()});
    if (!waited) {
      waited = true;
      rig.clock.Advance(50);
    }
  });
  fast->SetEnabled(true);
  modal.SetEnabled(true);
  rig.clock.Advance(100);
  EXPECT_EQ(rig.ticks, (std::vector<Tick>{
                           {'f', 30}, {'f', 60}, {'f', 90}, {'m', 100}, {'f', 120}, {'f', 150}}));
  EXPECT_EQ(rig.clock.NowMs(), 150);
}

// A modal window that closes on Esc.
struct ModalWindow : KeyHandler {
  void KeyDown(int& key, int) override {
    codes.push_back(key);
    if (key == vk::kEscape) closed = true;
  }
  void KeyUp(int&, int) override {}
  std::vector<int> codes;
  bool closed = false;
};

TEST(RunModal, EndsWhenDoneOrWhenInputEnds) {
  struct Case {
    const char* name;
    std::vector<std::uint8_t> queued;  // keys already waiting
    std::vector<std::uint8_t> input;   // keys the input source gives, one per pull
    bool completed;
    std::vector<int> heard;
    std::size_t pulls;
  };
  // clang-format off
  const Case cases[] = {
      {"no input", {}, {}, false, {}, 1},
      {"input ends first", {}, {'A', 'B'}, false, {'A', 'B'}, 3},
      {"closed by Esc", {}, {'A', vk::kEscape, 'B'}, true, {'A', vk::kEscape}, 2},
      {"waiting keys first", {'A', vk::kEscape}, {'B'}, true, {'A', vk::kEscape}, 0},
      {"waiting keys, then input", {'A'}, {'B'}, false, {'A', 'B'}, 2},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    ModalWindow modal;
    std::size_t pulls = 0;
    int depth_seen = c.pulls == 0 ? 1 : -1;
    for (std::uint8_t key : c.queued) rig.Post(key, false);
    rig.desktop.SetInputSource([&] {
      depth_seen = rig.desktop.ModalDepth();
      if (pulls++ >= c.input.size()) return false;
      rig.Post(c.input[pulls - 1], false);
      return true;
    });
    EXPECT_EQ(rig.desktop.RunModal(modal, [&] { return modal.closed; }), c.completed);
    EXPECT_EQ(modal.codes, c.heard);
    EXPECT_EQ(pulls, c.pulls);
    EXPECT_EQ(depth_seen, 1);
    EXPECT_EQ(rig.desktop.ModalDepth(), 0);
    // Nothing reached the main window or the text box while the modal window ran.
    EXPECT_TRUE(rig.log.empty());
    EXPECT_EQ(rig.box.Text(), u"");
    EXPECT_EQ(rig.desktop.ActiveWindow(), &rig.window);
    EXPECT_EQ(rig.desktop.FocusedEdit(), rig.edit.get());
  }
}

TEST(MenuKeys, AltWithALetterF10AndAltAloneAskTheWindow) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::uint8_t, bool>> events;  // key, up
    int cancel;  // the key the window cancels
    std::u16string asked;
  };
  using vk::kControl, vk::kF10, vk::kMenu, vk::kShift;
  // clang-format off
  const Case cases[] = {
      {"Alt+O",            {{kMenu, false}, {'O', false}, {'O', true}, {kMenu, true}}, -1, u"O"},
      {"F10",              {{kF10, false}, {kF10, true}},                               -1, std::u16string(1, u'\0')},
      {"Alt alone",        {{kMenu, false}, {kMenu, true}},                             -1, std::u16string(1, u'\0')},
      {"Alt held, repeat", {{kMenu, false}, {kMenu, false}, {kMenu, true}},             -1, std::u16string(1, u'\0')},
      {"Ctrl+Alt+O",       {{kControl, false}, {kMenu, false}, {'O', false}, {'O', true},
                            {kMenu, true}, {kControl, true}},                           -1, u""},
      {"Alt then Ctrl",    {{kMenu, false}, {kControl, false}, {kControl, true}, {kMenu, true}}, -1, u""},
      {"Shift+F10",        {{kShift, false}, {kF10, false}, {kF10, true}, {kShift, true}}, -1, u""},
      {"Alt cancelled",    {{kMenu, false}, {kMenu, true}},                             kMenu, u""},
      {"Alt+O cancelled",  {{kMenu, false}, {'O', false}, {'O', true}, {kMenu, true}},  'O', u""},
      {"plain O",          {{'O', false}, {'O', true}},                                 -1, u""},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    rig.window.cancel = c.cancel;
    for (const auto& [key, up] : c.events) rig.Post(key, up);
    rig.desktop.DoEvents();
    EXPECT_EQ(rig.window.menu_keys, c.asked);
    EXPECT_EQ(rig.box.Text(), c.events.front().first == 'O' ? u"o" : u"");  // a menu key types nothing
  }
}

TEST(MenuKeys, AKeyThatOpensNoMenuStillTypes) {
  Rig rig;
  rig.window.opens_menus = false;
  rig.Type(vk::kF10);
  rig.Type('A');
  EXPECT_EQ(rig.window.menu_keys, std::u16string(1, u'\0'));
  EXPECT_EQ(rig.box.Text(), u"a");
}

}  // namespace
}  // namespace orvo::emu
