// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's font list: every family the system has, less
// vertical-writing and symbol-prefixed names and the braille font itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "toolkit/forms/form.h"
#include "toolkit/forms/forms_runtime.h"
#include "frontends/headless/headless_fonts.h"
#include "frontends/headless/session.h"
#include "settings/font_list.h"
#include "support/temp_folder.h"

namespace orvo::testing {
namespace {

TEST(FontFamilyRules, OnlyTheFourPrefixesAndTheExactBrailleFaceAreLeftOut) {
  struct Case {
    const char16_t* family;
    bool listed;
  };
  const Case cases[] = {
      {u"@ＭＳ ゴシック", false}, {u"#Symbols", false},     {u"&Marks", false},
      {u"$Currency", false},      {u"Orvoten Font", false}, {u"orvoten font", true},
      {u"Orvoten Font Bold", true}, {u" Orvoten Font", true}, {u"Terminal", true},
      {u"ＭＳ@ゴシック", true},   {u"＠全角", true},        {u"", true},
  };
  for (const Case& c : cases) EXPECT_EQ(settings::ListsFontFamily(c.family), c.listed) << ToUtf8(c.family);
}

// A list box on a form of its own, as the settings dialog holds one.
struct ListForm : forms::Form {
  explicit ListForm(forms::FormsRuntime& runtime) : Form(runtime, "frmLIST"), lstFONT(*this, "lstFONT") {}
  forms::ListBoxControl lstFONT;
};

TEST(FillFontList, ListsTheSystemFamiliesInTheirOrderWithoutTheSkippedOnes) {
  test_support::TempFolder folder;
  headless::Session s(folder.Path());
  ASSERT_TRUE(s.Start());  // the braille font is added: it is among the families now
  ASSERT_TRUE(s.font_files.HasFamily(u"Orvoten Font"));
  ListForm form(s.program.forms);
  form.lstFONT.AddItem(u"left over");
  settings::FillFontList(s.font_files, form.lstFONT);

  const std::vector<ustring> expected = {u"FixedSys",     u"IPAGothic", u"IPAPGothic",  u"Terminal",
                                         u"ＭＳ ゴシック", u"System",    u"Smoll Fonts", u"Courier New"};
  EXPECT_EQ(form.lstFONT.Items(), expected);
}

// Names as the system hands them over end at their first NUL.
class NamesWithNul : public headless::HeadlessFonts {
 public:
  std::vector<ustring> Families() const override {
    return {ustring(u"Arial\0junk", 10), ustring(u"@\0Arial", 7), ustring(u"Orvoten Font\0x", 14)};
  }
};

TEST(FillFontList, ANameEndsAtItsFirstNul) {
  test_support::TempFolder folder;
  headless::Session s(folder.Path());
  ASSERT_TRUE(s.Start());
  ListForm form(s.program.forms);
  settings::FillFontList(NamesWithNul(), form.lstFONT);
  EXPECT_EQ(form.lstFONT.Items(), std::vector<ustring>{u"Arial"});
}

// A desktop's own families, as a Linux desktop without FixedSys has them.
class GivenFamilies : public headless::HeadlessFonts {
 public:
  explicit GivenFamilies(std::vector<ustring> families) : families_(std::move(families)) {}
  std::vector<ustring> Families() const override { return families_; }

 private:
  std::vector<ustring> families_;
};

TEST(StandInFont, AFontThatExistsStandsInForAMissingFixedSys) {
  struct Case {
    const char* what;
    std::vector<ustring> families;
    ustring name;
    ustring shown;
  };
  const Case cases[] = {
      {"FixedSys there", {u"DejaVu Sans", u"FixedSys"}, u"FixedSys", u"FixedSys"},
      // The system matches family names without regard to case: its own "Fixedsys" is the default.
      {"spelt Fixedsys", {u"IPAGothic", u"Fixedsys"}, u"FixedSys", u"FixedSys"},
      {"IPAGothic first", {u"DejaVu Sans Mono", u"IPAGothic", u"IPAPGothic"}, u"FixedSys", u"IPAGothic"},
      {"its Japanese name", {u"@IPAゴシック", u"IPAゴシック"}, u"FixedSys", u"IPAゴシック"},
      {"a fixed-pitch family", {u"DejaVu Sans", u"DejaVu Sans Mono"}, u"FixedSys", u"DejaVu Sans Mono"},
      {"else the list's first", {u"@Vertical", u"Orvoten Font", u"Some Sans"}, u"FixedSys", u"Some Sans"},
      {"the user's own choice stays", {u"IPAGothic"}, u"Gone Font", u"Gone Font"},
      {"nothing listed", {}, u"FixedSys", u"FixedSys"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(settings::StandInFont(c.name, GivenFamilies(c.families)), c.shown) << c.what;
  }
}

}  // namespace
}  // namespace orvo::testing
