// SPDX-License-Identifier: GPL-3.0-or-later
// The IME services over the IMM calls, answered by the emulated IME: the
// program sees the same IME through them as through the emulated desktop's
// own services, and a misbehaving IME never costs it more than its text.
#include "platform/native/imm_ime_service.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "platform/emulated/desktop.h"
#include "platform/emulated/text_box.h"
#include "platform/native/emulated_imm_calls.h"

namespace orvo::native {
namespace {

using testing::EmulatedImmCalls;

class ImmImeServiceTest : public ::testing::Test {
 protected:
  emu::ImeEmulator& Ime() { return box.Ime(); }
  void Type(std::uint8_t key, char16_t ch) { Ime().KeyDown({key, ch}); }

  emu::Desktop desktop;
  std::unique_ptr<EditControl> box_owner = desktop.CreateEditControl();
  emu::TextBox& box = dynamic_cast<emu::TextBox&>(*box_owner);
  emu::EmulatedIme emulated{desktop};
  EmulatedImmCalls calls{emulated};
  ImmImeService service{calls};
};

TEST_F(ImmImeServiceTest, AnswersAsTheEmulatedDesktopDoesThroughATyping) {
  const ImeContextHandle context = service.GetContext(box.Handle());
  ASSERT_NE(context, 0u);
  EXPECT_NE(context, box.Handle());  // the IME's own context, not the window
  ASSERT_TRUE(service.SetOpenStatus(context, true));
  ASSERT_TRUE(service.SetConversionStatus(
      context, ime_cmode::kNative | ime_cmode::kFullShape | ime_cmode::kRoman, 0));

  struct Step {
    std::uint8_t key;
    char16_t ch;
  };
  const Step steps[] = {{'K', u'k'}, {'A', u'a'}, {'N', u'n'}, {'J', u'j'}, {'I', u'i'},
                        {0x20, u' '}, {0x0D, 0},  {'U', u'u'}, {0x08, 0}};
  const std::uint32_t indexes[] = {gcs::kCompReadStr, gcs::kCompStr, gcs::kResultReadStr,
                                   gcs::kResultStr, gcs::kCompClause};
  for (const Step& step : steps) {
    Type(step.key, step.ch);
    const std::string at = "after key " + std::to_string(step.key);
    EXPECT_EQ(service.GetOpenStatus(context), emulated.GetOpenStatus(box.Handle())) << at;
    std::uint32_t conversion = 0;
    std::uint32_t sentence = 0;
    std::uint32_t expected_conversion = 0;
    std::uint32_t expected_sentence = 0;
    ASSERT_TRUE(service.GetConversionStatus(context, conversion, sentence)) << at;
    ASSERT_TRUE(emulated.GetConversionStatus(box.Handle(), expected_conversion, expected_sentence));
    EXPECT_EQ(conversion, expected_conversion) << at;
    int selection = -1, count = -1, expected_selection = -1, expected_count = -1;
    const bool listed = service.GetCandidateChoice(context, selection, count);
    ASSERT_EQ(listed, emulated.GetCandidateChoice(box.Handle(), expected_selection, expected_count)) << at;
    EXPECT_EQ(listed, step.key == 0x20) << at;  // Space opens the list, Enter ends it
    if (listed) {
      EXPECT_EQ(std::pair(selection, count), std::pair(expected_selection, expected_count)) << at;
    }
    for (const std::uint32_t index : indexes) {
      EXPECT_EQ(service.GetCompositionString(context, index),
                emulated.GetCompositionString(box.Handle(), index))
          << at << " index " << index;
    }
    if (step.key == 'A') {
      EXPECT_EQ(service.GetCompositionString(context, gcs::kCompStr), u"か");
      EXPECT_EQ(service.GetCompositionString(context, gcs::kCompReadStr), u"ｶ");
    }
  }
  EXPECT_FALSE(service.GetCompositionString(context, gcs::kResultStr).empty());
  EXPECT_EQ(service.GetCompositionString(context, gcs::kResultReadStr), u"ｶﾝｼﾞ");
  service.ReleaseContext(box.Handle(), context);
  EXPECT_EQ(calls.taken, 0);
}

TEST_F(ImmImeServiceTest, NoWindowNoContextAndNoLayoutThatIsNoIme) {
  EXPECT_FALSE(service.IsWindow(0));
  EXPECT_FALSE(service.IsWindow(box.Handle() + 1));
  EXPECT_TRUE(service.IsWindow(box.Handle()));
  EXPECT_EQ(service.GetContext(0), 0u);
  EXPECT_EQ(service.GetContext(box.Handle() + 1), 0u);
  service.ReleaseContext(box.Handle(), 0);
  EXPECT_EQ(calls.taken, 0);
  // Every call on no context fails and says so.
  std::uint32_t conversion = 7;
  std::uint32_t sentence = 7;
  EXPECT_EQ(service.GetOpenStatus(0), -1);
  EXPECT_FALSE(service.SetOpenStatus(0, true));
  EXPECT_FALSE(service.GetConversionStatus(0, conversion, sentence));
  EXPECT_EQ(conversion, 7u);
  EXPECT_FALSE(service.SetConversionStatus(0, 0, 0));
  EXPECT_EQ(service.GetCompositionString(0, gcs::kCompStr), u"");

  const KeyboardLayout layout = service.CurrentLayout();
  EXPECT_TRUE(service.IsIme(layout));
  EXPECT_EQ(service.Description(layout), u"Orvo IME");
  emulated.SetNoIme(true);
  EXPECT_FALSE(service.IsIme(layout));
  EXPECT_EQ(service.Description(layout), u"");
}

TEST_F(ImmImeServiceTest, DescriptionsWholeLongOrCutAtTheirZero) {
  const KeyboardLayout layout = service.CurrentLayout();
  struct Case {
    ustring given;
    ustring read;
  };
  const ustring long_name(300, u'名');
  const Case cases[] = {
      {u"Microsoft IME", u"Microsoft IME"},
      {long_name, long_name},
      {ustring(u"IME\0junk", 8), u"IME"},
      {u"", u""},
  };
  for (const Case& c : cases) {
    calls.description = c.given;
    EXPECT_EQ(service.Description(layout), c.read) << c.given.size();
  }
}

TEST_F(ImmImeServiceTest, AMisbehavingImeCostsNoMoreThanItsText) {
  const ImeContextHandle context = service.GetContext(box.Handle());
  ASSERT_TRUE(service.SetOpenStatus(context, true));
  Type('K', u'k');
  Type('A', u'a');
  struct Case {
    const char* what;
    ustring grow;
    long odd_byte;
    bool claim_all;
    long error;
    ustring read;
  };
  const Case cases[] = {
      {"as it should", u"", 0, false, 0, u"か"},
      {"grown between the calls", u"きく", 0, false, 0, u"か"},
      {"grown, and claims all of it", u"きく", 0, true, 0, u"か"},
      {"an odd byte", u"", 1, false, 0, u"か"},
      {"no data", u"", 0, false, imm_error::kNoData, u""},
      {"failed", u"", 0, false, imm_error::kGeneral, u""},
      {"a zero inside", ustring(u"\0x", 2), 0, true, 0, u"か"},
  };
  for (const Case& c : cases) {
    calls.grow_before_fetch = c.grow;
    calls.odd_byte = c.odd_byte;
    calls.claim_all = c.claim_all;
    calls.error = c.error;
    EXPECT_EQ(service.GetCompositionString(context, gcs::kCompStr), c.read) << c.what;
  }
  service.ReleaseContext(box.Handle(), context);
  EXPECT_EQ(calls.taken, 0);
}

}  // namespace
}  // namespace orvo::native
