// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/window_utils/wait_cursor.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace orvo {
namespace {

constexpr int kDefault = mouse_pointer::kDefault;
constexpr int kHourglass = mouse_pointer::kHourglass;
constexpr int kArrow = 1;

// Records every change made to the desktop, in order.
struct Desktop : Shell, WindowEnabler {
  std::optional<Rect> TaskBarRect() const override { return std::nullopt; }
  ustring SystemFolder() const override { return {}; }
  std::uint32_t ButtonFace() const override { return 0xC0C0C0; }
  int MousePointer() const override { return pointer; }
  void SetMousePointer(int p) override {
    pointer = p;
    log.push_back("pointer " + std::to_string(p));
  }
  void SetWindowEnabled(WindowHandle window, bool enabled) override {
    log.push_back((enabled ? "enable " : "disable ") + std::to_string(window));
  }

  int pointer = kDefault;
  std::vector<std::string> log;
};

// Runs "a show 16; b show 0; b release; a hide; set 1; is 11" over two wait
// cursors a and b: show, hide and release act on a cursor, "set" moves the
// pointer as someone else would, "is" checks it. Cursors still alive at the
// end are released, b first.
void RunScript(const std::string& script, Desktop& d) {
  std::array<std::optional<WaitCursor>, 2> cursors;
  for (auto& c : cursors) c.emplace(d, d);
  std::istringstream steps(script);
  std::string step;
  while (std::getline(steps, step, ';')) {
    std::istringstream words(step);
    std::string first, verb;
    words >> first;
    if (first == "set" || first == "is") {
      int pointer = 0;
      words >> pointer;
      if (first == "set") {
        d.SetMousePointer(pointer);
      } else {
        EXPECT_EQ(d.pointer, pointer) << "at: " << step;
      }
      continue;
    }
    auto& cursor = cursors[first == "b" ? 1 : 0];
    words >> verb;
    if (verb == "show") {
      WindowHandle window = 0;
      words >> window;
      cursor->Show(window);
    } else if (verb == "hide") {
      cursor->Hide();
    } else if (verb == "release") {
      cursor.reset();
    } else {
      ADD_FAILURE() << "unknown step: " << step;
    }
  }
  cursors[1].reset();
}

TEST(WaitCursor, ShowAndRestore) {
  struct Case {
    const char* name;
    int pointer_before;
    const char* script;
    std::vector<std::string> log;
    int pointer_after;
  };
  // clang-format off
  const Case cases[] = {
      {"show then hide", kDefault, "a show 16; is 11; a hide", {"pointer 11", "disable 16", "pointer 0", "enable 16"}, kDefault},
      {"released without hide", kDefault, "a show 16; a release", {"pointer 11", "disable 16", "pointer 0", "enable 16"}, kDefault},
      {"another pointer before", kArrow, "a show 16; a release", {"pointer 11", "disable 16", "pointer 1", "enable 16"}, kArrow},
      {"no window", kDefault, "a show 0", {"pointer 11", "pointer 0"}, kDefault},
      {"hourglass already showing", kHourglass, "a show 16", {"disable 16", "enable 16"}, kHourglass},
      {"pointer moved during the work", kDefault, "a show 0; set 1", {"pointer 11", "pointer 1", "pointer 0"}, kDefault},
      {"hide twice, then release", kDefault, "a show 16; a hide; a hide", {"pointer 11", "disable 16", "pointer 0", "enable 16"}, kDefault},
      // Someone else's hourglass is not taken away by a cursor never shown.
      {"hide without show", kHourglass, "a hide; a release", {}, kHourglass},
      {"shown again after hide", kDefault, "a show 16; a hide; a show 32", {"pointer 11", "disable 16", "pointer 0", "enable 16", "pointer 11", "disable 32", "pointer 0", "enable 32"}, kDefault},
      // A second Show keeps the first pointer and gives back every window.
      {"shown twice", kArrow, "a show 16; a show 32; a show 16", {"pointer 11", "disable 16", "disable 32", "pointer 1", "enable 32", "enable 16"}, kArrow},
      {"nested", kDefault, "a show 16; b show 32; b release; is 11", {"pointer 11", "disable 16", "disable 32", "enable 32", "pointer 0", "enable 16"}, kDefault},
  };
  // clang-format on
  for (const Case& c : cases) {
    Desktop d;
    d.pointer = c.pointer_before;
    RunScript(c.script, d);
    EXPECT_EQ(d.log, c.log) << c.name;
    EXPECT_EQ(d.pointer, c.pointer_after) << c.name;
  }
}

}  // namespace
}  // namespace orvo
