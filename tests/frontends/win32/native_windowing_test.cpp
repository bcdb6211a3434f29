// SPDX-License-Identifier: GPL-3.0-or-later
// The window's message loop over real Win32 windows and messages: keys go
// through the program's handlers first and reach the document's EDIT only
// when nobody cancelled them; modal loops give back what they took.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "frontends/win32/native_peer.h"
#include "frontends/win32/native_windowing.h"
#include "frontends/win32/window_classes.h"
#include "platform/win32/native_edit_control.h"

namespace orvo::win32 {
namespace {

class FakeKeyboard : public Keyboard {
 public:
  bool SendKey(std::uint8_t, std::uint8_t, bool) override { return true; }
  std::int16_t KeyState(std::uint8_t) const override { return 0; }
  bool HandlingOwnKey() const override { return own; }
  bool own = false;
};

// Writes down what it is told and cancels what it is asked to.
class Handler : public KeyHandler {
 public:
  Handler(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}
  void KeyDown(int& key, int) override { Note("down", key); }
  void KeyUp(int& key, int) override { Note("up", key); }
  void KeyRepeat(int& key, int) override { Note("repeat", key); }
  void KeysLost() override { log_.push_back(name_ + " lost"); }
  void KeyPress(char16_t& ch) override {
    log_.push_back(name_ + " char " + std::string(1, static_cast<char>(ch)));
    if (ch == drop_char) ch = 0;
  }
  bool MenuKey(char16_t letter) override {
    log_.push_back(name_ + " menu " + (letter == 0 ? std::string("-") : std::string(1, static_cast<char>(letter))));
    return true;
  }
  int cancel = 0;
  char16_t drop_char = 0;

 private:
  void Note(const char* what, int& key) {
    log_.push_back(name_ + " " + what + " " + std::to_string(key));
    if (key == cancel) key = 0;
  }
  std::string name_;
  std::vector<std::string>& log_;
};

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

LPARAM KeyParam(unsigned scan, bool was_down, bool up = false) {
  return static_cast<LPARAM>((std::uintptr_t{scan} << 16) | (was_down ? (1u << 30) : 0u) |
                             (up ? (std::uintptr_t{1} << 31) : 0u) | 1u);
}

class NativeWindowingTest : public ::testing::Test {
 protected:
  NativeWindowingTest()
      : windowing(keyboard, [this]() -> std::unique_ptr<EditControl> {
          return std::make_unique<NativeEditControl>(ParkingWindow(), ++ids, RECT{0, 0, 200, 100});
        }),
        window("window", log),
        control("control", log) {
    SetParentHook(NativeEditControl::HandleParentMessage);
    edit = windowing.CreateEditControl();
    windowing.SetActiveWindow(&window);
    windowing.SetFocus(&control, edit.get());
  }
  ~NativeWindowingTest() override {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  HWND Edit() const { return reinterpret_cast<HWND>(edit->Handle()); }
  void Post(UINT message, WPARAM w, LPARAM l, HWND to = nullptr) {
    PostMessageW(to != nullptr ? to : Edit(), message, w, l);
  }

  FakeKeyboard keyboard;
  int ids = 100;
  NativeWindowing windowing;
  std::vector<std::string> log;
  Handler window;
  Handler control;
  std::unique_ptr<EditControl> edit;
};

TEST_F(NativeWindowingTest, TheWindowThenTheControlSeeAKeyAndTheEditTypesOnlyWhatPassed) {
  ASSERT_NE(Edit(), nullptr);
  Post(WM_KEYDOWN, 'A', KeyParam(0x1E, false));
  Post(WM_CHAR, 'x', KeyParam(0x1E, false));
  windowing.DoEvents();
  // The key that passed is translated into the character it types, after the one already waiting.
  EXPECT_EQ(log, (std::vector<std::string>{"window down 65", "control down 65", "window char x", "control char x",
                                           "window char a", "control char a"}));
  EXPECT_EQ(TextOf(Edit()), L"xa");

  log.clear();
  control.drop_char = u'y';
  Post(WM_CHAR, 'y', 0);
  Post(WM_CHAR, 'z', 0);
  windowing.DoEvents();
  EXPECT_EQ(TextOf(Edit()), L"xaz") << "a character a handler dropped is never typed";
}

TEST_F(NativeWindowingTest, AKeyTheWindowCancelsReachesNeitherTheControlNorTheEdit) {
  window.cancel = VK_BACK;
  SetWindowTextW(Edit(), L"abc");
  SendMessageW(Edit(), EM_SETSEL, 3, 3);
  Post(WM_KEYDOWN, VK_BACK, KeyParam(0x0E, false));
  windowing.DoEvents();
  EXPECT_EQ(log, (std::vector<std::string>{"window down 8"}));
  EXPECT_EQ(TextOf(Edit()), L"abc");
  EXPECT_EQ(windowing.KeysHandled(), 1);
}

TEST_F(NativeWindowingTest, OnlyTheFocusedEditTakesKeysAndCharacters) {
  auto other = windowing.CreateEditControl();
  HWND other_window = reinterpret_cast<HWND>(other->Handle());
  Post(WM_CHAR, 'q', 0, other_window);
  windowing.DoEvents();
  EXPECT_EQ(TextOf(other_window), L"") << "the program's focus is elsewhere: the character goes nowhere";
  EXPECT_TRUE(log.empty());
}

TEST_F(NativeWindowingTest, AHeldKeysRepeatsAreRepeatsAndAStrayRepeatIsNothing) {
  Post(WM_KEYDOWN, 'B', KeyParam(0x30, false));
  Post(WM_KEYDOWN, 'B', KeyParam(0x30, true));
  Post(WM_KEYUP, 'B', KeyParam(0x30, true, true));
  Post(WM_KEYDOWN, 'C', KeyParam(0x2E, true));  // a repeat of a key never seen down
  windowing.DoEvents();
  EXPECT_EQ(log, (std::vector<std::string>{"window down 66", "control down 66", "window repeat 66",
                                           "control repeat 66", "window up 66", "control up 66", "window char b",
                                           "control char b", "window char b", "control char b"}))
      << "the press and its repeat each type; the stray repeat neither reaches a handler nor types";
}

TEST_F(NativeWindowingTest, KeysHeldWhenTheKeyboardLeavesComeUpMarkedLost) {
  Post(WM_KEYDOWN, 'F', KeyParam(0x21, false));
  Post(WM_KEYDOWN, 'J', KeyParam(0x24, false));
  Post(WM_KEYUP, 'J', KeyParam(0x24, true, true));
  windowing.DoEvents();
  log.clear();
  windowing.ReleaseHeld();
  EXPECT_EQ(log, (std::vector<std::string>{"window lost", "window up 70", "control up 70"}));
  log.clear();
  windowing.ReleaseHeld();
  EXPECT_TRUE(log.empty()) << "each key comes up once";
}

TEST_F(NativeWindowingTest, TheProgramsOwnKeysAreLoggedAndNeverHeldForThePerson) {
  keyboard.own = true;
  Post(WM_KEYDOWN, VK_CONTROL, KeyParam(0x1D, false));
  Post(WM_KEYDOWN, VK_CONTROL, KeyParam(0x1D, true));
  windowing.DoEvents();
  keyboard.own = false;
  ASSERT_EQ(windowing.SyntheticLog().size(), 2u);
  EXPECT_TRUE(windowing.SyntheticLog()[0].synthetic);
  EXPECT_EQ(log, (std::vector<std::string>{"window down 17", "control down 17", "window down 17", "control down 17"}))
      << "the program's own key-downs are each a press";
  log.clear();
  windowing.ReleaseHeld();
  EXPECT_TRUE(log.empty());
}

// The program holds Ctrl and Alt (the latch): the system then marks the
// person's first press of either as "already down". It is a press all the
// same (in braille mode it starts the Alt or Ctrl pass), and their own
// repeats after it are repeats; a letter's stray repeat stays nothing.
TEST_F(NativeWindowingTest, APersonsFirstPressOfAModifierTheProgramHoldsIsAPress) {
  keyboard.own = true;
  Post(WM_SYSKEYDOWN, VK_MENU, KeyParam(0x38, false));
  windowing.DoEvents();
  keyboard.own = false;
  log.clear();
  Post(WM_KEYDOWN, VK_MENU, KeyParam(0x38, true));
  Post(WM_KEYDOWN, VK_MENU, KeyParam(0x38, true));
  Post(WM_KEYDOWN, 'C', KeyParam(0x2E, true));
  windowing.DoEvents();
  EXPECT_EQ(log, (std::vector<std::string>{"window down 18", "control down 18", "window repeat 18",
                                           "control repeat 18"}));
}

TEST_F(NativeWindowingTest, AltAloneAndF10AskTheWindowForItsMenus) {
  Post(WM_SYSKEYDOWN, VK_MENU, KeyParam(0x38, false));
  Post(WM_SYSKEYUP, VK_MENU, KeyParam(0x38, true, true));
  Post(WM_KEYDOWN, VK_F10, KeyParam(0x44, false));
  windowing.DoEvents();
  EXPECT_EQ(log, (std::vector<std::string>{"window down 18", "control down 18", "window up 18", "control up 18",
                                           "window menu -", "window down 121", "control down 121",
                                           "window menu -"}));
}

TEST_F(NativeWindowingTest, AModalLoopGivesBackTheWindowAndTheFocusAndEndsWithTheProgram) {
  Handler dialog("dialog", log);
  int turns = 0;
  windowing.SetIdle([&turns] { return ++turns < 3; });
  bool done = false;
  windowing.SetAfterEach([&] {
    EXPECT_EQ(windowing.ActiveWindow(), &dialog);
    EXPECT_EQ(windowing.FocusedEdit(), nullptr);
    if (turns >= 2) done = true;
  });
  EXPECT_TRUE(windowing.RunModal(dialog, [&done] { return done; }));
  EXPECT_EQ(windowing.ActiveWindow(), &window);
  EXPECT_EQ(windowing.FocusedEdit(), edit.get());
  EXPECT_EQ(windowing.ModalDepth(), 0);

  // The loop's end asked for (WM_QUIT): the loop gives up and leaves it for the loop outside.
  windowing.SetIdle(nullptr);
  windowing.SetAfterEach(nullptr);
  PostQuitMessage(3);
  EXPECT_FALSE(windowing.RunModal(dialog, [] { return false; }));
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
  EXPECT_EQ(windowing.ActiveWindow(), &window);

  bool ended = true;
  windowing.SetEnded([&ended] { return ended; });
  EXPECT_FALSE(windowing.RunModal(dialog, [] { return false; })) << "a program that has ended waits for nothing";
}

TEST_F(NativeWindowingTest, AnEditClosedDuringAModalLoopIsNotGivenTheFocusBack) {
  auto box = windowing.CreateEditControl();
  Handler dialog("dialog", log);
  windowing.SetFocus(&control, box.get());
  windowing.SetIdle([&box] {
    box.reset();  // the box's window closes while the modal window waits
    return true;
  });
  EXPECT_TRUE(windowing.RunModal(dialog, [&box] { return box == nullptr; }));
  windowing.SetIdle(nullptr);
  EXPECT_EQ(windowing.FocusedEdit(), nullptr);
  EXPECT_EQ(windowing.ActiveWindow(), &window);
  Post(WM_KEYDOWN, 'E', KeyParam(0x12, false));
  windowing.DoEvents();
  EXPECT_EQ(log, (std::vector<std::string>{"window down 69"})) << "no control of the closed box hears keys";
}

// An open menu's loop says it is idle once, and again only after a message:
// the idle work goes on while it leaves nothing in the queue (a check), and
// stops at the first message it leaves (a key), or when it has nothing to do.
TEST_F(NativeWindowingTest, TheSystemsIdleLoopRunsTheWorkUntilAMessageWaits) {
  int steps = 0;
  windowing.SetIdle([&] {
    ++steps;
    if (steps == 3) Post(WM_KEYDOWN, 'E', KeyParam(0x12, false));
    return steps < 5;
  });
  EXPECT_TRUE(windowing.RunIdle());
  EXPECT_EQ(steps, 3) << "the key left in the queue comes first";
  windowing.DoEvents();
  EXPECT_TRUE(windowing.RunIdle());
  EXPECT_EQ(steps, 5) << "then the rest, up to the work's end";
  windowing.SetIdle([] { return false; });
  EXPECT_FALSE(windowing.RunIdle());
  windowing.SetIdle(nullptr);
  EXPECT_FALSE(windowing.RunIdle());
}

TEST_F(NativeWindowingTest, HandlersThatRunTheirOwnLoopAreNested) {
  int deepest = 0;
  windowing.SetAfterEach([&] { deepest = std::max(deepest, windowing.HandleDepth()); });
  Post(WM_KEYDOWN, 'D', KeyParam(0x20, false));
  windowing.DoEvents();
  EXPECT_EQ(deepest, 1);
  EXPECT_EQ(windowing.HandleDepth(), 0);
}

}  // namespace
}  // namespace orvo::win32
