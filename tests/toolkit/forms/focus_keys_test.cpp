// SPDX-License-Identifier: GPL-3.0-or-later
// Keys on a shown form: Tab order, default and cancel buttons, access keys
// and the keyboard actions of each kind of control.
#include <gtest/gtest.h>

#include "toolkit/forms/test_form.h"
#include "platform/keys.h"

namespace orvo::forms::test {
namespace {

struct Shape {
  bool text_disabled = false;
  bool frame_hidden = false;
  bool option1_selected = false;
  bool multiline = false;
  bool ok_disabled = false;
  bool ok_hidden = false;
};

void ApplyShape(TestForm& f, const Shape& s) {
  f.txtName.SetEnabled(!s.text_disabled);
  f.fraDir.SetVisible(!s.frame_hidden);
  if (s.option1_selected) f.optDir1.SetValue(true);
  f.txtName.SetMultiline(s.multiline);
  f.cmdOK.SetEnabled(!s.ok_disabled);
  f.cmdOK.SetVisible(!s.ok_hidden);
}

TEST(FormKeys, TabVisitsUsableStopsInOrder) {
  struct Case {
    const char* name;
    Shape shape;
    const char* keys;
    const char* focus;
  };
  // clang-format off
  const Case cases[] = {
      {"first stop on showing", {}, "", "txtName"},
      {"label and frame are skipped", {}, "tap Tab", "optDir(0)"},
      {"no option chosen: each is a stop", {}, "tap Tab\ntap Tab", "optDir(1)"},
      {"only the chosen option is a stop", {.option1_selected = true}, "tap Tab", "optDir(1)"},
      {"past the chosen option", {.option1_selected = true}, "tap Tab\ntap Tab", "chkCase"},
      {"picture takes no focus", {}, "tap Tab\ntap Tab\ntap Tab\ntap Tab\ntap Tab", "cmdOK"},
      {"round the end", {}, "tap Tab\ntap Tab\ntap Tab\ntap Tab\ntap Tab\ntap Tab\ntap Tab", "txtName"},
      {"shift+tab goes back round", {}, "press Shift\ntap Tab\nrelease Shift", "cmdCancel"},
      {"disabled text box: first stop after it", {.text_disabled = true}, "", "optDir(0)"},
      {"hidden frame hides its options", {.frame_hidden = true}, "tap Tab", "chkCase"},
      {"hidden button skipped", {.ok_hidden = true}, "press Shift\ntap Tab\ntap Tab\nrelease Shift", "lstItems"},
      {"ctrl+tab is not navigation", {}, "press Ctrl\ntap Tab\nrelease Ctrl", "txtName"},
  };
  // clang-format on
  for (const Case& c : cases) {
    Rig rig;
    TestForm f(rig.runtime, "dlg", rig.log);
    ApplyShape(f, c.shape);
    ASSERT_TRUE(rig.runtime.Show(f));
    rig.Run(c.keys);
    EXPECT_EQ(rig.FocusName(f), c.focus) << c.name;
    EXPECT_EQ(rig.session->desktop.FocusedEdit(), f.Focused() ? f.Focused()->Edit() : nullptr)
        << c.name;
  }
}

TEST(FormKeys, TabIndexReordersAndFocusLeavesDisabledControl) {
  Rig rig;
  TestForm f(rig.runtime, "dlg", rig.log);
  f.cmdCancel.SetTabIndex(0);
  EXPECT_EQ(f.cmdCancel.TabIndex(), 0);
  EXPECT_EQ(f.lblName.TabIndex(), 1);
  ASSERT_TRUE(rig.runtime.Show(f));
  EXPECT_EQ(rig.FocusName(f), "cmdCancel");
  f.cmdCancel.SetEnabled(false);  // the focus moves on to the next stop
  EXPECT_EQ(rig.FocusName(f), "txtName");
  EXPECT_EQ(rig.session->desktop.FocusedEdit(), f.txtName.Edit());
  f.txtName.SetVisible(false);
  EXPECT_EQ(rig.FocusName(f), "optDir(0)");
  EXPECT_EQ(rig.session->desktop.FocusedEdit(), nullptr);
}

TEST(FormKeys, EnterAndEscPressDefaultAndCancel) {
  struct Case {
    const char* name;
    Shape shape;
    const char* keys;
    std::vector<std::string> clicks;
  };
  // clang-format off
  const Case cases[] = {
      {"enter in a one-line box", {}, "tap Enter", {"dlg:Click cmdOK"}},
      {"esc anywhere", {}, "tap Esc", {"dlg:Click cmdCancel"}},
      {"a multi-line box keeps enter", {.multiline = true}, "tap Enter", {}},
      {"a multi-line box does not keep esc", {.multiline = true}, "tap Esc", {"dlg:Click cmdCancel"}},
      {"a focused button takes enter itself",
       {}, "press Shift\ntap Tab\nrelease Shift\ntap Enter", {"dlg:Click cmdCancel"}},
      {"space presses the focused button",
       {}, "press Shift\ntap Tab\ntap Tab\nrelease Shift\ntap Space", {"dlg:Click cmdOK"}},
      {"a disabled default does nothing", {.ok_disabled = true}, "tap Enter", {}},
      {"a hidden default does nothing", {.ok_hidden = true}, "tap Enter", {}},
  };
  // clang-format on
  for (const Case& c : cases) {
    Rig rig;
    TestForm f(rig.runtime, "dlg", rig.log);
    f.hide_on_ok = false;
    ApplyShape(f, c.shape);
    ASSERT_TRUE(rig.runtime.Show(f));
    rig.Run(c.keys);
    EXPECT_EQ(Only(rig.log, "dlg:Click"), c.clicks) << c.name;
  }
}

TEST(FormKeys, OnlyOneDefaultAndOneCancel) {
  Rig rig;
  TestForm f(rig.runtime, "dlg", rig.log);
  f.cmdCancel.SetDefault(true);
  EXPECT_FALSE(f.cmdOK.IsDefault());
  EXPECT_EQ(f.DefaultButton(), &f.cmdCancel);
  f.cmdOK.SetCancel(true);
  EXPECT_FALSE(f.cmdCancel.IsCancel());
  EXPECT_EQ(f.CancelButton(), &f.cmdOK);
}

TEST(FormKeys, AltWithAccessKey) {
  struct Case {
    const char* name;
    Shape shape;
    const char* keys;
    const char* focus;
    std::vector<std::string> clicks;
  };
  // clang-format off
  const Case cases[] = {
      {"label: to the control after it",
       {}, "tap Tab\npress Alt\ntap N\nrelease Alt", "txtName", {}},
      {"label past a disabled control",
       {.text_disabled = true}, "tap Tab\npress Alt\ntap N\nrelease Alt", "optDir(0)", {}},
      {"frame: into the frame", {}, "press Alt\ntap D\nrelease Alt", "optDir(0)", {}},
      {"option: focused and chosen",
       {}, "press Alt\ntap W\nrelease Alt", "optDir(1)", {"dlg:Click optDir(1)"}},
      {"check box: toggled", {}, "press Alt\ntap C\nrelease Alt", "chkCase", {"dlg:Click chkCase"}},
      {"button: pressed", {}, "press Alt\ntap O\nrelease Alt", "cmdOK", {"dlg:Click cmdOK"}},
      {"disabled button: nothing", {.ok_disabled = true}, "press Alt\ntap O\nrelease Alt", "txtName", {}},
      {"inside a hidden frame: nothing", {.frame_hidden = true}, "press Alt\ntap W\nrelease Alt", "txtName", {}},
      {"a letter no caption marks", {}, "press Alt\ntap Z\nrelease Alt", "txtName", {}},
      {"without alt the letter is typed", {}, "tap O", "txtName", {}},
      {"ctrl+alt is not an access key", {}, "press Ctrl\npress Alt\ntap O\nrelease Alt\nrelease Ctrl", "txtName", {}},
  };
  // clang-format on
  for (const Case& c : cases) {
    Rig rig;
    TestForm f(rig.runtime, "dlg", rig.log);
    f.hide_on_ok = false;
    ApplyShape(f, c.shape);
    ASSERT_TRUE(rig.runtime.Show(f));
    rig.Run(c.keys);
    EXPECT_EQ(rig.FocusName(f), c.focus) << c.name;
    EXPECT_EQ(Only(rig.log, "dlg:Click"), c.clicks) << c.name;
  }
}

TEST(FormKeys, ControlsOwnKeys) {
  struct Case {
    const char* name;
    const char* keys;  // after focusing the control
    Control* (*target)(TestForm&);
    int option_chosen;  // -1 none
    int check;
    int list;
  };
  auto opt0 = [](TestForm& f) -> Control* { return &f.optDir0; };
  auto chk = [](TestForm& f) -> Control* { return &f.chkCase; };
  auto lst = [](TestForm& f) -> Control* { return &f.lstItems; };
  // clang-format off
  const Case cases[] = {
      {"down arrow chooses the next option", "tap Down", opt0, 1, 0, -1},
      {"arrows go round the group", "tap Up", opt0, 1, 0, -1},
      {"space checks", "tap Space", chk, -1, 1, -1},
      {"space twice clears", "tap Space\ntap Space", chk, -1, 0, -1},
      {"down from no selection: the first entry", "tap Down", lst, -1, 0, 0},
      {"down stops at the last entry", "tap Down\ntap Down\ntap Down\ntap Down", lst, -1, 0, 2},
      {"end then up", "tap End\ntap Up", lst, -1, 0, 1},
      {"home", "tap End\ntap Home", lst, -1, 0, 0},
  };
  // clang-format on
  for (const Case& c : cases) {
    Rig rig;
    TestForm f(rig.runtime, "dlg", rig.log);
    ASSERT_TRUE(rig.runtime.Show(f));
    ASSERT_TRUE(c.target(f)->SetFocus()) << c.name;
    rig.Run(c.keys);
    const int chosen = f.optDir0.Value() ? 0 : f.optDir1.Value() ? 1 : -1;
    EXPECT_EQ(chosen, c.option_chosen) << c.name;
    EXPECT_EQ(f.chkCase.Value(), c.check) << c.name;
    EXPECT_EQ(f.lstItems.Selected(), c.list) << c.name;
  }
}

TEST(FormKeys, PreviewSeesKeysFirstAndMayCancelThem) {
  class Previewing : public TestForm {
   public:
    using TestForm::TestForm;
    std::vector<int> seen;

   protected:
    void OnKeyDown(int& key, int) override {
      seen.push_back(key);
      if (key == vk::kTab) key = 0;  // this window keeps Tab for itself
    }
  };
  Rig rig;
  Previewing f(rig.runtime, "dlg", rig.log);
  ASSERT_TRUE(rig.runtime.Show(f));
  rig.Run("tap Tab");
  EXPECT_TRUE(f.seen.empty());  // no preview: the focused control has the keys
  f.SetKeyPreview(true);
  rig.Run("tap Tab\ntap Enter");
  EXPECT_EQ(f.seen, (std::vector<int>{vk::kTab, vk::kReturn}));
  EXPECT_EQ(rig.FocusName(f), "optDir(0)");  // moved by the first Tab only
  EXPECT_EQ(Only(rig.log, "dlg:Click"), (Log{"dlg:Click cmdOK"}));
}

TEST(FormKeys, TypingRaisesChangeAndDisabledFormTakesNothing) {
  Rig rig;
  TestForm f(rig.runtime, "dlg", rig.log);
  ASSERT_TRUE(rig.runtime.Show(f));
  rig.Run("tap A\ntap B");
  EXPECT_EQ(f.txtName.Text(), u"ab");
  EXPECT_EQ(Only(rig.log, "dlg:Change").size(), 2u);
  f.txtName.SetText(u"x");
  EXPECT_EQ(Only(rig.log, "dlg:Change").size(), 3u);
  f.SetEnabled(false);
  rig.Run("tap C\ntap Enter");
  EXPECT_EQ(f.txtName.Text(), u"x");
  EXPECT_TRUE(Only(rig.log, "dlg:Click").empty());
}

TEST(FormKeys, KeysTheFormUsesTypeNothing) {
  struct Case {
    const char* name;
    bool multiline;
    const char* keys;
    const char16_t* text;
  };
  // clang-format off
  const Case cases[] = {
      {"tab moves on", false, "tap A\ntap Tab", u"a"},
      {"enter presses the default", false, "tap A\ntap Enter", u"a"},
      {"a one-line box drops enter without a default", false, "tap A\ntap Enter\ntap B", u"ab"},
      {"a multi-line box takes enter", true, "tap A\ntap Enter\ntap B", u"a\r\nb"},
      {"the box types again after", false, "tap A\ntap Tab\npress Shift\ntap Tab\nrelease Shift\ntap B", u"ab"},
  };
  // clang-format on
  for (const Case& c : cases) {
    Rig rig;
    TestForm f(rig.runtime, "dlg", rig.log);
    f.hide_on_ok = false;
    f.txtName.SetMultiline(c.multiline);
    if (std::string(c.name).find("without a default") != std::string::npos)
      f.cmdOK.SetDefault(false);
    ASSERT_TRUE(rig.runtime.Show(f));
    rig.Run(c.keys);
    EXPECT_EQ(f.txtName.Text(), c.text) << c.name;
    EXPECT_TRUE(f.txtName.Box().Enabled()) << c.name;
  }
}

TEST(FormKeys, MenuShortcutsAndChoices) {
  Rig rig;
  TestForm f(rig.runtime, "dlg", rig.log);
  MenuEntry& file = f.MenuBar().Add("mnuFILE", u"ファイル(&F)");
  MenuEntry& open = file.Add("mnuOPEN", u"開く(&O)");
  open.SetKey({'O', shift_mask::kCtrl});
  file.AddSeparator();
  MenuEntry& hidden = file.Add("mnuHIDDEN", u"隠し");
  hidden.SetKey({vk::kF6, 0});
  hidden.SetVisible(false);
  ASSERT_TRUE(rig.runtime.Show(f));
  rig.Run("press Ctrl\ntap O\nrelease Ctrl\ntap F6");
  EXPECT_EQ(Only(rig.log, "dlg:Menu"), (Log{"dlg:Menu mnuOPEN"}));
  EXPECT_TRUE(f.txtName.Text().empty());  // the shortcut typed nothing
  file.SetEnabled(false);                 // a disabled menu disables what it holds
  EXPECT_FALSE(f.ChooseMenu("mnuOPEN"));
  file.SetEnabled(true);
  EXPECT_TRUE(f.ChooseMenu("mnuFILE"));
  EXPECT_FALSE(f.ChooseMenu(""));
  EXPECT_FALSE(f.ChooseMenu("mnuNONE"));
  EXPECT_EQ(open.AccessibleName(), u"開く(O)");
}

TEST(FormKeys, AShortcutGivenOrMovedLaterIsHeard) {
  Rig rig;
  TestForm f(rig.runtime, "dlg", rig.log);
  MenuEntry& file = f.MenuBar().Add("mnuFILE", u"ファイル(&F)");
  ASSERT_TRUE(rig.runtime.Show(f));
  rig.Run("tap F7");  // no shortcut yet: the key goes on as a key
  MenuEntry& save = file.Add("mnuSAVE", u"保存(&S)");
  save.SetKey({vk::kF7, 0});
  rig.Run("tap F7");
  save.SetKey({vk::kF8, 0});
  rig.Run("tap F7\ntap F8");
  EXPECT_EQ(Only(rig.log, "dlg:Menu"), (Log{"dlg:Menu mnuSAVE", "dlg:Menu mnuSAVE"}));
}

}  // namespace
}  // namespace orvo::forms::test
