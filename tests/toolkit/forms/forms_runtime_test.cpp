// SPDX-License-Identifier: GPL-3.0-or-later
// Loading, showing, modal loops over the one input queue, unloading, and
// finding and placing forms.
#include "toolkit/forms/forms_runtime.h"

#include <gtest/gtest.h>

#include "toolkit/forms/placement.h"
#include "toolkit/forms/test_form.h"

namespace orvo::forms::test {
namespace {

TEST(FormsRuntime, ModalOverOwnerTakesScriptKeys) {
  Rig rig;
  TestForm main(rig.runtime, "main", rig.log);
  TestForm dlg(rig.runtime, "dlg", rig.log);
  ASSERT_TRUE(rig.runtime.Show(main));
  bool owner_enabled_inside = true;
  bool modal_inside = false;
  bool shown = false;
  dlg.on_ok = [&] {
    owner_enabled_inside = main.Enabled();
    modal_inside = rig.runtime.IsModal(dlg);
  };
  rig.At(1, [&] { shown = rig.runtime.ShowModal(dlg, &main); });
  rig.log.clear();
  // The dialog's text box takes "ab"; Enter presses its default button, which hides it.
  rig.Run("wait 1\ntap A\ntap B\ntap Enter\ntap C");
  EXPECT_TRUE(shown);
  EXPECT_FALSE(owner_enabled_inside);
  EXPECT_TRUE(modal_inside);
  EXPECT_EQ(dlg.txtName.Text(), u"ab");
  EXPECT_EQ(main.txtName.Text(), u"c");  // after the loop, keys go back to the owner
  EXPECT_TRUE(main.Enabled());
  EXPECT_TRUE(dlg.Loaded());
  EXPECT_FALSE(dlg.Visible());
  EXPECT_EQ(rig.runtime.ActiveForm(), &main);
  EXPECT_EQ(rig.session->desktop.ModalDepth(), 0);
  Log seen;
  for (const std::string& s : rig.log) {
    if (s.find("Click") == std::string::npos && s.find("Change") == std::string::npos &&
        s.find("GotFocus") == std::string::npos) {
      seen.push_back(s);
    }
  }
  // Load comes as the form is shown; the owner's deactivation when the dialog takes over.
  Log expected = {"dlg:Load",     "dlg:Resize",     "main:Deactivate",
                  "dlg:Activate", "dlg:Deactivate", "main:Activate"};
  EXPECT_EQ(seen, expected);
}

TEST(FormsRuntime, OwnerKeepsItsEarlierStateAndEndedInputIsReported) {
  struct Case {
    const char* name;
    bool owner_enabled_before;
    const char* keys;
    bool finished;
    bool owner_enabled_after;
  };
  // clang-format off
  const Case cases[] = {
      {"closed by Esc", true, "wait 1\ntap Esc", true, true},
      {"owner was disabled before", false, "wait 1\ntap Esc", true, false},
      {"input ends while it waits", true, "wait 1\ntap A", false, true},
  };
  // clang-format on
  for (const Case& c : cases) {
    Rig rig;
    TestForm main(rig.runtime, "main", rig.log);
    TestForm dlg(rig.runtime, "dlg", rig.log);
    ASSERT_TRUE(rig.runtime.Show(main));
    main.SetEnabled(c.owner_enabled_before);
    bool finished = !c.finished;
    rig.At(1, [&] { finished = rig.runtime.ShowModal(dlg, &main); });
    rig.Run(c.keys);
    EXPECT_EQ(finished, c.finished) << c.name;
    EXPECT_EQ(rig.session->EndedInModal(), !c.finished) << c.name;
    EXPECT_EQ(main.Enabled(), c.owner_enabled_after) << c.name;
    EXPECT_FALSE(rig.runtime.IsModal(dlg)) << c.name;
  }
}

TEST(FormsRuntime, ModalOverModalAndRefusedShows) {
  Rig rig;
  TestForm main(rig.runtime, "main", rig.log);
  TestForm dlg(rig.runtime, "dlg", rig.log);
  TestForm inner(rig.runtime, "inner", rig.log);
  TestForm other(rig.runtime, "other", rig.log);
  ASSERT_TRUE(rig.runtime.Show(main));
  bool other_shown = true, again = true;
  Form* inner_owner = nullptr;
  bool dlg_enabled_inside = true;
  inner.on_ok = [&] {
    inner_owner = inner.OwnerForm();
    dlg_enabled_inside = dlg.Enabled();
  };
  rig.At(1, [&] { rig.runtime.ShowModal(dlg, &main); });
  rig.At(2, [&] {
    other_shown = rig.runtime.Show(other, &main);  // the modal dialog holds the keyboard
    again = rig.runtime.ShowModal(dlg);            // it is already showing
    rig.runtime.ShowModal(inner, &main);           // stays over the dialog, not beside it
  });
  rig.Run("wait 1\nwait 1\ntap Enter\ntap Enter");
  EXPECT_FALSE(other_shown);
  EXPECT_FALSE(again);
  EXPECT_EQ(inner_owner, &dlg);
  EXPECT_FALSE(dlg_enabled_inside);
  EXPECT_TRUE(dlg.Enabled());
  EXPECT_TRUE(main.Enabled());
  EXPECT_EQ(rig.runtime.ActiveForm(), &main);
}

TEST(FormsRuntime, QueryUnloadCancelsAndOwnedFormsGoFirst) {
  struct Case {
    const char* name;
    bool main_refuses;
    bool tool_refuses;
    bool unloaded;
    Log order;
  };
  // clang-format off
  const Case cases[] = {
      {"all agree", false, false, true,
       {"main:QueryUnload", "tool:QueryUnload", "tool:Unload", "main:Unload"}},
      {"the form refuses", true, false, false, {"main:QueryUnload"}},
      {"an owned form refuses", false, true, false, {"main:QueryUnload", "tool:QueryUnload"}},
  };
  // clang-format on
  for (const Case& c : cases) {
    Rig rig;
    TestForm main(rig.runtime, "main", rig.log);
    TestForm tool(rig.runtime, "tool", rig.log);
    ASSERT_TRUE(rig.runtime.Show(main));
    ASSERT_TRUE(rig.runtime.Show(tool, &main));
    main.refuse_unload = c.main_refuses;
    tool.refuse_unload = c.tool_refuses;
    rig.log.clear();
    EXPECT_EQ(main.Close(), c.unloaded) << c.name;
    EXPECT_EQ(Only(rig.log, "main:Q").size() + Only(rig.log, "main:U").size() +
                  Only(rig.log, "tool:Q").size() + Only(rig.log, "tool:U").size(),
              c.order.size())
        << c.name;
    Log order;
    for (const std::string& s : rig.log) {
      if (s.find("Unload") != std::string::npos) order.push_back(s);
    }
    EXPECT_EQ(order, c.order) << c.name;
    EXPECT_EQ(main.Loaded(), !c.unloaded) << c.name;
    EXPECT_EQ(main.Visible(), !c.unloaded) << c.name;
    EXPECT_EQ(main.unload_modes.front(), UnloadMode::kCloseBox) << c.name;
    if (!tool.unload_modes.empty()) {
      EXPECT_EQ(tool.unload_modes.front(), UnloadMode::kOwner) << c.name;
    }
  }
}

TEST(FormsRuntime, UnloadingTheActiveFormActivatesItsOwner) {
  Rig rig;
  TestForm main(rig.runtime, "main", rig.log);
  TestForm tool(rig.runtime, "tool", rig.log);
  ASSERT_TRUE(rig.runtime.Show(main));
  ASSERT_TRUE(rig.runtime.Show(tool, &main));
  EXPECT_EQ(rig.runtime.ActiveForm(), &tool);
  EXPECT_EQ(rig.session->desktop.FocusedEdit(), tool.txtName.Edit());
  EXPECT_TRUE(rig.runtime.Unload(tool));
  EXPECT_EQ(rig.runtime.ActiveForm(), &main);
  EXPECT_EQ(rig.session->desktop.FocusedEdit(), main.txtName.Edit());
  // Loading afresh starts from the first Tab stop again and raises Load again.
  main.cmdOK.SetFocus();
  rig.runtime.Hide(main);
  EXPECT_EQ(rig.runtime.ActiveForm(), nullptr);
  EXPECT_EQ(rig.session->desktop.FocusedEdit(), nullptr);
  rig.runtime.Show(main);
  EXPECT_EQ(rig.FocusName(main), "cmdOK");  // hidden, not unloaded: the focus is kept
  EXPECT_EQ(Only(rig.log, "tool:Load").size(), 1u);
  ASSERT_TRUE(rig.runtime.Show(tool, &main));
  EXPECT_EQ(Only(rig.log, "tool:Load").size(), 2u);
}

TEST(FormsRuntime, ActivateMayPlaceFocusOrCloseTheForm) {
  class Choosy : public TestForm {
   public:
    using TestForm::TestForm;
    bool close_at_activate = false;

   protected:
    void OnActivate() override {
      TestForm::OnActivate();
      if (close_at_activate) {
        Runtime().Unload(*this);
      } else {
        cmdCancel.SetFocus();
      }
    }
  };
  Rig rig;
  TestForm main(rig.runtime, "main", rig.log);
  Choosy tool(rig.runtime, "tool", rig.log);
  ASSERT_TRUE(rig.runtime.Show(main));
  ASSERT_TRUE(rig.runtime.Show(tool, &main));
  EXPECT_EQ(rig.FocusName(tool), "cmdCancel");  // not the first Tab stop
  EXPECT_EQ(Only(rig.log, "tool:GotFocus"), (Log{"tool:GotFocus cmdCancel"}));
  rig.runtime.Unload(tool);
  tool.close_at_activate = true;
  EXPECT_FALSE(rig.runtime.Show(tool, &main));
  EXPECT_FALSE(tool.Loaded());
  EXPECT_EQ(rig.runtime.ActiveForm(), &main);
  main.SetEnabled(false);
  TestForm other(rig.runtime, "other", rig.log);
  rig.runtime.Show(other);
  EXPECT_FALSE(rig.runtime.Activate(main));  // a disabled window cannot be activated
  EXPECT_EQ(rig.runtime.ActiveForm(), &other);
}

TEST(FormsRuntime, FormsInLoadOrderFoundByTag) {
  Rig rig;
  TestForm main(rig.runtime, "main", rig.log);
  TestForm find(rig.runtime, "find", rig.log);
  TestForm settings(rig.runtime, "settings", rig.log);
  main.SetTag(1);
  find.SetTag(3);
  settings.SetTag(2);
  rig.runtime.Load(main);
  rig.runtime.Load(settings);
  rig.runtime.Load(find);
  EXPECT_EQ(rig.runtime.Forms(), (std::vector<Form*>{&main, &settings, &find}));
  EXPECT_EQ(rig.runtime.FindByTag(3), &find);
  EXPECT_EQ(rig.runtime.FindByTag(9), nullptr);
  rig.runtime.Unload(settings);
  EXPECT_EQ(rig.runtime.FindByTag(2), nullptr);
  EXPECT_EQ(rig.runtime.Forms(), (std::vector<Form*>{&main, &find}));
  {
    TestForm passing(rig.runtime, "passing", rig.log);
    passing.SetTag(4);
    rig.runtime.Show(passing);
  }  // a form that goes away leaves the runtime without a trace
  EXPECT_EQ(rig.runtime.FindByTag(4), nullptr);
  EXPECT_EQ(rig.session->desktop.ActiveWindow(), nullptr);
}

TEST(FormsRuntime, CentringOverOwnerOrScreen) {
  struct Case {
    const char* name;
    Rect owner;  // twips; width 0: no owner
    WindowState owner_state;
    Rect expected;
  };
  // The screen is 1024 x 768 pixels at 15 twips: 15360 x 11520; the form 4500 x 3000.
  // clang-format off
  const Case cases[] = {
      {"over the owner", {3000, 1500, 9000, 6000}, WindowState::kNormal, {5250, 3000, 4500, 3000}},
      {"no owner: the screen", {0, 0, 0, 0}, WindowState::kNormal, {5430, 4260, 4500, 3000}},
      {"minimised owner: the screen", {3000, 1500, 9000, 6000}, WindowState::kMinimized, {5430, 4260, 4500, 3000}},
      {"kept on the screen at the right", {13000, 0, 2000, 2000}, WindowState::kNormal, {10860, 0, 4500, 3000}},
      {"kept on the screen at the top left", {-3000, -3000, 1000, 1000}, WindowState::kNormal, {0, 0, 4500, 3000}},
  };
  // clang-format on
  for (const Case& c : cases) {
    Rig rig;
    TestForm owner(rig.runtime, "main", rig.log);
    TestForm dlg(rig.runtime, "dlg", rig.log);
    dlg.Move({0, 0, 4500, 3000});
    Form* over = nullptr;
    if (c.owner.width > 0) {
      owner.Move(c.owner);
      owner.SetStart(StartPosition::kManual);
      rig.runtime.Show(owner);
      owner.SetState(c.owner_state);
      over = &owner;
    }
    rig.runtime.Show(dlg, over);  // centred over its owner on first showing
    EXPECT_EQ(dlg.OuterTwips(), c.expected) << c.name;
  }
}

TEST(FormsRuntime, PlacementIsNotRedoneWhenShownAgain) {
  Rig rig;
  TestForm dlg(rig.runtime, "dlg", rig.log);
  rig.runtime.Show(dlg);
  dlg.Move({150, 300, 4500, 3000});
  rig.runtime.Hide(dlg);
  rig.runtime.Show(dlg);
  EXPECT_EQ(dlg.OuterTwips(), (Rect{150, 300, 4500, 3000}));
  EXPECT_EQ(dlg.InnerPx(), (Size{300 - 8, 200 - 27}));
}

TEST(FormsRuntime, ObserversHearChangesUntilTheyLeave) {
  Rig rig;
  TestForm dlg(rig.runtime, "dlg", rig.log);
  std::vector<FormsEvent::Kind> heard;
  const int id = rig.runtime.Subscribe([&](const FormsEvent& e) {
    if (e.form == &dlg) heard.push_back(e.kind);
  });
  dlg.SetCaption(u"見えない");  // not loaded: nothing to draw
  rig.runtime.Load(dlg);
  heard.clear();
  dlg.chkCase.SetValue(check::kChecked);
  dlg.MenuBar().Add("mnuX", u"X");
  EXPECT_EQ(heard, (std::vector<FormsEvent::Kind>{FormsEvent::Kind::kChanged,
                                                  FormsEvent::Kind::kChanged}));
  rig.runtime.Unsubscribe(id);
  dlg.SetCaption(u"もう聞かない");
  EXPECT_EQ(heard.size(), 2u);
}

TEST(FormsRuntime, ObserversMayComeAndGoWhileTheyAreTold) {
  Rig rig;
  TestForm dlg(rig.runtime, "dlg", rig.log);
  rig.runtime.Load(dlg);
  std::vector<std::string> heard;
  int first = 0;
  int third = 0;
  int added = 0;
  // The first leaves and brings a newcomer, and sends the third away, while it is told.
  first = rig.runtime.Subscribe([&](const FormsEvent&) {
    heard.push_back("first");
    rig.runtime.Unsubscribe(first);
    rig.runtime.Unsubscribe(third);
    added = rig.runtime.Subscribe([&](const FormsEvent&) { heard.push_back("newcomer"); });
  });
  const int second = rig.runtime.Subscribe([&](const FormsEvent&) { heard.push_back("second"); });
  third = rig.runtime.Subscribe([&](const FormsEvent&) { heard.push_back("third"); });
  dlg.SetCaption(u"一");
  EXPECT_EQ(heard, (std::vector<std::string>{"first", "second"}));
  heard.clear();
  dlg.SetCaption(u"二");
  EXPECT_EQ(heard, (std::vector<std::string>{"second", "newcomer"}));
  rig.runtime.Unsubscribe(second);
  rig.runtime.Unsubscribe(added);
  heard.clear();
  dlg.SetCaption(u"三");
  EXPECT_TRUE(heard.empty());
}

TEST(Placement, CentredOverClampsToScreen) {
  const Rect screen{0, 0, 1000, 800};
  struct Case {
    Rect over;
    Size size;
    Rect expected;
  };
  // clang-format off
  const Case cases[] = {
      {{100, 100, 400, 300}, {200, 100}, {200, 200, 200, 100}},
      {{900, 700, 100, 100}, {300, 200}, {700, 600, 300, 200}},
      {{0, 0, 100, 100}, {300, 200}, {0, 0, 300, 200}},
      {{0, 0, 1000, 800}, {1200, 900}, {0, 0, 1200, 900}},  // larger than the screen: the top left shows
  };
  // clang-format on
  for (const Case& c : cases) EXPECT_EQ(CentredOver(c.over, c.size, screen), c.expected);
}

}  // namespace
TEST(FormsRuntime, ChangesNameWhatChanged) {
  Rig rig;
  TestForm dlg(rig.runtime, "dlg", rig.log);
  rig.runtime.Load(dlg);
  struct Heard {
    FormsEvent::Part part;
    const Control* control;
    const MenuEntry* menu;
    bool operator==(const Heard&) const = default;
  };
  std::vector<Heard> heard;
  const int id = rig.runtime.Subscribe([&](const FormsEvent& e) {
    if (e.kind == FormsEvent::Kind::kChanged) heard.push_back({e.part, e.control, e.menu});
  });
  dlg.lblName.SetCaption(u"氏名");
  dlg.SetCaption(u"新しい題");
  MenuEntry& file = dlg.MenuBar().Add("mnuFILE", u"ファイル");
  MenuEntry& item = file.Add("mnuMRU", u"1 a.txt");
  item.SetEnabled(false);
  EXPECT_TRUE(file.Remove(item));
  EXPECT_FALSE(file.Remove(file));  // not its own child
  const Heard want[] = {
      {FormsEvent::Part::kControl, &dlg.lblName, nullptr},
      {FormsEvent::Part::kForm, nullptr, nullptr},
      {FormsEvent::Part::kMenuChildren, nullptr, &dlg.MenuBar()},
      {FormsEvent::Part::kMenuChildren, nullptr, &file},
      {FormsEvent::Part::kMenu, nullptr, &item},
      {FormsEvent::Part::kMenuChildren, nullptr, &file},
  };
  EXPECT_EQ(heard, std::vector<Heard>(std::begin(want), std::end(want)));
  EXPECT_EQ(file.Children().size(), 0u);

  heard.clear();
  const Control* made = nullptr;
  {
    LabelControl extra(dlg, "lblExtra");
    made = &extra;
  }
  rig.runtime.Unsubscribe(id);
  ASSERT_GE(heard.size(), 2u);
  EXPECT_EQ(heard.front().part, FormsEvent::Part::kControlAdded);
  EXPECT_EQ(heard.front().control, made);
  EXPECT_EQ(heard.back().part, FormsEvent::Part::kControlRemoved);
  EXPECT_EQ(heard.back().control, made);
}

TEST(FormsRuntime, ANewFrameThicknessLaysTheWindowOutAgain) {
  Rig rig;
  TestForm dlg(rig.runtime, "dlg", rig.log);
  dlg.picLogo.SetBounds({0, 0, 0, 18});
  dlg.picLogo.SetAlign(Align::kBottom);
  rig.runtime.Show(dlg);
  const int inner_height = dlg.InnerPx().height;
  EXPECT_EQ(dlg.picLogo.Bounds(), (Rect{0, inner_height - 18, dlg.InnerPx().width, 18}));
  rig.log.clear();
  dlg.SetInsets({0, 20, 0, 0});  // the desktop's real frame: no borders, a menu bar of 20
  EXPECT_EQ(Only(rig.log, "dlg:Resize"), Log{"dlg:Resize"});
  EXPECT_EQ(dlg.picLogo.Bounds().top, dlg.InnerPx().height - 18);
  EXPECT_GT(dlg.InnerPx().height, inner_height);
  rig.log.clear();
  dlg.SetInsets({0, 20, 0, 0});  // the same again: nothing to lay out
  EXPECT_TRUE(Only(rig.log, "dlg:Resize").empty());
}

}  // namespace orvo::forms::test
