// SPDX-License-Identifier: GPL-3.0-or-later
// Control models on their own: access keys, names for screen readers, and
// the values of lists, option groups and check boxes.
#include <gtest/gtest.h>

#include "toolkit/forms/mnemonic.h"
#include "toolkit/forms/test_form.h"

namespace orvo::forms::test {
namespace {

TEST(Mnemonic, AccessKeysAndSpokenCaptions) {
  struct Case {
    const char16_t* caption;
    char16_t key;
    const char16_t* spoken;
  };
  // clang-format off
  const Case cases[] = {
      {u"&OK", u'O', u"OK"},
      {u"ファイル(&f)", u'F', u"ファイル(f)"},
      {u"Save && &Quit", u'Q', u"Save & Quit"},
      {u"A&&B", 0, u"A&B"},
      {u"end&", 0, u"end&"},
      {u"全角(&Ｓ)", u'S', u"全角(Ｓ)"},
      {u"", 0, u""},
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(MnemonicOf(c.caption), c.key) << ToUtf8(c.caption);
    EXPECT_EQ(StripMnemonic(c.caption), c.spoken) << ToUtf8(c.caption);
  }
  EXPECT_TRUE(IsMnemonicKey('Q', u'Q'));
  EXPECT_FALSE(IsMnemonicKey('Q', 0));
  EXPECT_FALSE(IsMnemonicKey(0xBC, u','));  // punctuation keys are not access keys
}

TEST(Controls, AccessibleNamesAndDescriptions) {
  Rig rig;
  TestForm f(rig.runtime, "dlg", rig.log);
  f.cmdOK.SetToolTip(u"決定します");
  EXPECT_EQ(f.cmdOK.AccessibleName(), u"OK");
  EXPECT_EQ(f.cmdOK.AccessibleDescription(), u"決定します");
  f.cmdOK.SetAccessibleName(u"決定");
  EXPECT_EQ(f.cmdOK.AccessibleName(), u"決定");
  f.cmdOK.SetAccessibleName(std::nullopt);
  EXPECT_EQ(f.cmdOK.AccessibleName(), u"OK");
  EXPECT_EQ(f.FindControl("optDir", 1), &f.optDir1);
  EXPECT_EQ(f.FindControl("optDir"), nullptr);
}

TEST(Controls, TextBoxMirrorsItsLookOntoTheEditControl) {
  Rig rig;
  TestForm f(rig.runtime, "dlg", rig.log);
  f.txtName.SetFont({u"ＭＳ ゴシック", 12, true});
  f.txtName.SetBackColor(0x00FF00u);
  f.txtName.SetForeColor(0x0000FFu);
  f.txtName.SetEnabled(false);
  const EditControl& e = f.txtName.Box();
  EXPECT_EQ(e.Font().name, u"ＭＳ ゴシック");
  EXPECT_EQ(e.Font().points, 12);
  EXPECT_EQ(e.BackColor(), 0x00FF00u);
  EXPECT_EQ(e.ForeColor(), 0x0000FFu);
  EXPECT_FALSE(e.Enabled());
}

TEST(Controls, ListEditsKeepTheSelectionOnItsEntry) {
  struct Case {
    const char* name;
    int select;
    int insert_at;  // -2: no insert
    int remove;     // -1: no removal
    bool insert_ok;
    int selected_after;
    int count_after;
  };
  // Starting from 一 二 三.
  // clang-format off
  const Case cases[] = {
      {"insert before", 1, 0, -1, true, 2, 4},
      {"insert after", 1, 3, -1, true, 1, 4},
      {"append", 1, -1, -1, true, 1, 4},
      {"insert past the end refused", 1, 5, -1, false, 1, 3},
      {"remove before", 2, -2, 0, false, 1, 2},
      {"remove the selected", 1, -2, 1, false, -1, 2},
  };
  // clang-format on
  for (const Case& c : cases) {
    Rig rig;
    TestForm f(rig.runtime, "dlg", rig.log);
    ASSERT_TRUE(f.lstItems.SetSelected(c.select));
    if (c.insert_at != -2) {
      EXPECT_EQ(f.lstItems.AddItem(u"新", c.insert_at), c.insert_ok) << c.name;
    }
    if (c.remove >= 0) {
      EXPECT_TRUE(f.lstItems.RemoveItem(c.remove)) << c.name;
    }
    EXPECT_EQ(f.lstItems.Selected(), c.selected_after) << c.name;
    EXPECT_EQ(f.lstItems.Count(), c.count_after) << c.name;
  }
}

TEST(Controls, ValuesRaiseClickOnlyWhenTheyChange) {
  Rig rig;
  TestForm f(rig.runtime, "dlg", rig.log);
  EXPECT_TRUE(f.lstItems.SetSelected(2));
  EXPECT_TRUE(f.lstItems.SetSelected(2));
  EXPECT_FALSE(f.lstItems.SetSelected(3));
  EXPECT_FALSE(f.lstItems.SetSelected(-2));
  EXPECT_EQ(f.lstItems.Selected(), 2);
  EXPECT_TRUE(f.chkCase.SetValue(check::kGreyed));
  EXPECT_FALSE(f.chkCase.SetValue(3));
  EXPECT_EQ(f.chkCase.Value(), check::kGreyed);
  f.chkCase.Click();  // a click leaves the grey state for unchecked
  EXPECT_EQ(f.chkCase.Value(), check::kUnchecked);
  f.optDir0.SetValue(true);
  f.optDir1.SetValue(true);
  f.optDir1.SetValue(true);
  EXPECT_FALSE(f.optDir0.Value());
  EXPECT_EQ(Only(rig.log, "dlg:Click"),
            (Log{"dlg:Click lstItems", "dlg:Click chkCase", "dlg:Click chkCase",
                 "dlg:Click optDir(0)", "dlg:Click optDir(1)"}));
}

TEST(Controls, OptionGroupsFollowTheirContainer) {
  Rig rig;
  TestForm f(rig.runtime, "dlg", rig.log);
  OptionButtonControl loose(f, "optLoose");  // on the form itself: a group of its own
  loose.SetValue(true);
  f.optDir0.SetValue(true);
  EXPECT_TRUE(loose.Value());
  EXPECT_EQ(f.optDir0.Group().size(), 2u);
  EXPECT_EQ(loose.Group().size(), 1u);
  f.fraDir.SetContainer(nullptr);
  f.fraDir.SetEnabled(false);
  EXPECT_FALSE(f.optDir0.CanFocus());
  // A frame cannot be put inside what it holds.
  FrameControl inner(f, "fraInner");
  inner.SetContainer(&f.fraDir);
  EXPECT_FALSE(f.fraDir.SetContainer(&inner));
  EXPECT_EQ(f.fraDir.Container(), nullptr);
}

TEST(Controls, PictureBoxesHoldControlsAndOtherKindsDoNot) {
  Rig rig;
  TestForm f(rig.runtime, "dlg", rig.log);
  LabelControl figure(f, "lblFigure");
  EXPECT_TRUE(figure.SetContainer(&f.picLogo));
  EXPECT_EQ(figure.Container(), &f.picLogo);
  f.picLogo.SetVisible(false);
  EXPECT_FALSE(figure.ShownInFrames());  // hidden with its strip
  EXPECT_FALSE(figure.SetContainer(&f.lblName));  // a label holds nothing
  EXPECT_EQ(figure.Container(), &f.picLogo);
  TestForm other(rig.runtime, "other", rig.log);
  EXPECT_FALSE(figure.SetContainer(&other.picLogo));  // nor does another window's strip
}

}  // namespace
}  // namespace orvo::forms::test
