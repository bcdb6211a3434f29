// SPDX-License-Identifier: GPL-3.0-or-later
// The key router alone, over a chain of fake handlers: no desktop, no queue.
#include "platform/key_router.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvo {
namespace {

// Writes what it is told into a shared log; cancels or drops when asked.
struct FakeHandler : KeyHandler {
  FakeHandler(std::string who, std::vector<std::string>& into) : name(std::move(who)), log(into) {}
  void KeyDown(int& key, int) override { Note("down", key); }
  void KeyUp(int& key, int) override { Note("up", key); }
  void KeyRepeat(int& key, int) override { Note("repeat", key); }
  void KeysLost() override { log.push_back(name + " lost"); }
  void KeyPress(char16_t& ch) override {
    log.push_back(name + " char " + std::to_string(static_cast<int>(ch)));
    if (drop_chars) ch = 0;
  }
  bool MenuKey(char16_t letter) override {
    log.push_back(name + " menu " + std::to_string(static_cast<int>(letter)));
    return opens_menus;
  }
  void Note(const char* what, int& key) {
    log.push_back(name + " " + what + " " + std::to_string(key));
    if (cancels) key = 0;
  }
  std::string name;
  std::vector<std::string>& log;
  bool cancels = false;
  bool drop_chars = false;
  bool opens_menus = true;
};

KeyEvent Real(std::uint8_t vk, bool up = false) { return KeyEvent{vk, 0, up, false}; }

class KeyRouterTest : public ::testing::Test {
 protected:
  // A real event routed whole, as a desktop does; the key code the handlers left.
  int Route(const KeyEvent& event, KeyRouter::Modifiers mods = {}) {
    const KeyRouter::Held held = router.Track(event);
    if (held == KeyRouter::Held::kNothing) return -1;
    const int code = router.Deliver(event, held, event.vk, 0, chain);
    if (router.MenuKeys(event, code, chain.window, mods)) log.push_back("menu opened");
    return code;
  }

  std::vector<std::string> log;
  FakeHandler window{"window", log};
  FakeHandler control{"control", log};
  KeyRouter router;
  KeyRouter::Chain chain{&window, &control};
};

TEST_F(KeyRouterTest, TheWindowPreviewsAndMayCancelBeforeTheControl) {
  EXPECT_EQ(Route(Real('A')), 'A');
  EXPECT_EQ(Route(Real('A', true)), 'A');
  window.cancels = true;
  EXPECT_EQ(Route(Real('B')), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"window down 65", "control down 65", "window up 65", "control up 65",
                                           "window down 66"}));
  // A window that is its own focused control hears each key once.
  log.clear();
  window.cancels = false;
  chain.control = &window;
  Route(Real('B', true));
  EXPECT_EQ(log, (std::vector<std::string>{"window up 66"}));
}

TEST_F(KeyRouterTest, AHeldKeyRepeatsAndStrayRepeatMarksAreDropped) {
  Route(Real('F'));
  Route(Real('F'));  // a press-only repeat
  KeyEvent repeat_up = Real('F', true);
  repeat_up.repeat = true;  // the release some window systems send before each repeat
  EXPECT_EQ(Route(repeat_up), -1);
  Route(Real('F', true));
  KeyEvent late = Real('F');
  late.repeat = true;  // a repeat that arrives after its key came up
  EXPECT_EQ(Route(late), -1);
  // The program's own keys are never taken for repeats.
  KeyEvent own{'F', 0, false, true};
  router.Deliver(own, router.Track(own), 'F', 0, chain);
  router.Deliver(own, router.Track(own), 'F', 0, chain);
  EXPECT_EQ(log, (std::vector<std::string>{"window down 70", "control down 70", "window repeat 70",
                                           "control repeat 70", "window up 70", "control up 70",
                                           "window down 70", "control down 70", "window down 70",
                                           "control down 70"}));
}

TEST_F(KeyRouterTest, LostKeysAreToldToTheWindowBeforeTheirRelease) {
  Route(Real('J'));
  log.clear();
  KeyEvent lost = Real('J', true);
  lost.lost = true;
  Route(lost);
  EXPECT_EQ(log, (std::vector<std::string>{"window lost", "window up 74", "control up 74"}));
}

TEST_F(KeyRouterTest, MenuKeysOpenMenusOnlyWhenAloneOrWithALetter) {
  const KeyRouter::Modifiers alt{false, true, false};
  const KeyRouter::Modifiers ctrl_alt{true, true, false};
  // Alt pressed and let go alone.
  Route(Real(vk::kMenu), alt);
  Route(Real(vk::kMenu, true));
  // Alt spoilt by another key between, or pressed with Ctrl.
  Route(Real(vk::kMenu), alt);
  Route(Real(vk::kShift), alt);
  Route(Real(vk::kMenu, true));
  Route(Real(vk::kMenu), ctrl_alt);
  Route(Real(vk::kMenu, true));
  // Alt with a letter or a digit, not with Ctrl too.
  Route(Real('O'), alt);
  Route(Real('O', true), alt);
  Route(Real('3'), alt);
  Route(Real('O'), ctrl_alt);
  // F10 alone, not with Shift.
  Route(Real(vk::kF10));
  Route(Real(vk::kF10, true));
  Route(Real(vk::kF10), {false, false, true});
  std::vector<std::string> menus;
  for (std::size_t i = 0; i < log.size(); ++i) {
    if (log[i].find("menu") != std::string::npos) menus.push_back(log[i]);
  }
  EXPECT_EQ(menus, (std::vector<std::string>{"window menu 0", "menu opened", "window menu 79", "menu opened",
                                             "window menu 51", "menu opened", "window menu 0", "menu opened"}));
}

TEST_F(KeyRouterTest, ACancelledAltOpensNoMenu) {
  window.cancels = true;
  Route(Real(vk::kMenu), {false, true, false});
  window.cancels = false;
  Route(Real(vk::kMenu, true));
  for (const std::string& line : log) EXPECT_EQ(line.find("menu"), std::string::npos) << line;
}

TEST_F(KeyRouterTest, CharactersPassTheWindowThenTheControl) {
  EXPECT_EQ(router.DeliverChar(u'a', chain), u'a');
  window.drop_chars = true;
  EXPECT_EQ(router.DeliverChar(u'b', chain), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"window char 97", "control char 97", "window char 98"}));
}

}  // namespace
}  // namespace orvo
