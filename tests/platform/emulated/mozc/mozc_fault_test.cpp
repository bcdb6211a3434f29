// SPDX-License-Identifier: GPL-3.0-or-later
// mozc failing: not there, not usable, or its helper stopping in the middle.
// Whatever fails, nothing typed is lost, anthy takes over and the person is
// told once.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "fake_mozc.h"
#include "mozc_fixture.h"
#include "platform/emulated/anthy/anthy_engine.h"
#include "platform/emulated/ime/fallback_engine.h"
#include "platform/emulated/ime/ime_emulator.h"
#include "platform/emulated/ime/ime_script.h"
#include "platform/emulated/mozc/mozc_engine.h"
#include "support/temp_folder.h"

namespace orvo::emu::testing {
namespace {

namespace fs = std::filesystem;

// The IME converting with mozc (here the fake) and anthy behind it.
struct FallbackFixture : ::testing::Test {
  void Start(std::unique_ptr<ConversionEngine> first) {
    std::string error;
    auto anthy = MakeAnthyEngine({folder.Path() + "/anthy", false, ""}, &error);
    ASSERT_NE(anthy, nullptr) << error;
    engine = std::make_unique<FallbackEngine>(std::move(first), std::move(anthy), [this] { ++told; });
    ime = std::make_unique<ImeEmulator>(engine.get());
    ime->SetImeMode(4);
    ime->SetCommitSink([this](const ustring& text) { typed += text; });
  }
  // mozc played by the fake, open and ready; `fake` stays valid until the session breaks.
  void StartFake() {
    auto transport = std::make_unique<FakeMozc>();
    fake = transport.get();
    auto session = std::make_unique<mozc::MozcSession>(std::move(transport), mozc::Timeouts{});
    std::string error;
    ASSERT_TRUE(session->Open(&error)) << error;
    Start(std::make_unique<mozc::MozcEngine>(std::move(session), true));
  }
  int Sent() const { return static_cast<int>(fake->Requests().size()); }

  test_support::TempFolder folder;
  std::unique_ptr<FallbackEngine> engine;
  std::unique_ptr<ImeEmulator> ime;
  FakeMozc* fake = nullptr;
  std::u16string typed;
  int told = 0;
};

TEST_F(FallbackFixture, TheReadingIsFedAsTypedSoConvertingCostsOneExchange) {
  StartFake();
  Play(*ime, u"kanjiwo");
  const int before = Sent();
  Play(*ime, u"{Space}");
  EXPECT_EQ(Sent() - before, 1);
  EXPECT_EQ(U8(ime->CompositionString()), "カンジヲ");
  ASSERT_EQ(ime->Clauses().size(), 2u);
  EXPECT_EQ(ime->Clauses()[0].candidates.size(), 12u);
  // The second clause's candidates come when it is focused: one exchange more.
  Play(*ime, u"{Right}");
  EXPECT_EQ(Sent() - before, 2);
  EXPECT_EQ(ime->Clauses()[1].candidates.size(), 12u);
  Play(*ime, u"{Space}");
  EXPECT_EQ(U8(ime->CompositionString()), "カンじを");
  // What was deleted while composing is deleted in mozc too.
  Play(*ime, u"{Esc}{BS}ha{Space}");
  EXPECT_EQ(U8(ime->CompositionString()), "カンジハ");
  Play(*ime, u"{Enter}");
  EXPECT_EQ(U8(typed), "カンジハ");
  EXPECT_EQ(told, 0);
}

TEST_F(FallbackFixture, CandidatesAndConfirmationGoThroughMozc) {
  StartFake();
  Play(*ime, u"kanji{Space}{Right}");
  for (int i = 0; i < 10; ++i) Play(*ime, u"{Space}");  // onto the second page
  ASSERT_EQ(ime->Clauses()[1].selected, 10);
  Play(*ime, u"{Enter}");
  EXPECT_EQ(U8(typed), "カンじ8");
  EXPECT_EQ(told, 0);
}

// A helper that stops answering (the time limit runs out), answers garbage
// or goes away, before and in the middle of a conversion.
TEST_F(FallbackFixture, AHelperThatFailsLeavesTheReadingAndAnthyTakesOver) {
  struct Case {
    const char* name;
    FakeMozc::Fault fault;
    std::u16string_view before_fault;  // played before the helper fails
    std::u16string_view after_fault;
  };
  const Case cases[] = {
      {"silent at Space", FakeMozc::Fault::kSilent, u"kanji", u"{Space}"},
      {"garbage at Space", FakeMozc::Fault::kGarbage, u"kanji", u"{Space}"},
      {"gone while typing", FakeMozc::Fault::kGone, u"kan", u"ji{Space}"},
      {"silent while resizing", FakeMozc::Fault::kSilent, u"kanjiwo{Space}", u"{S-Left}"},
      {"garbage while confirming", FakeMozc::Fault::kGarbage, u"kanjiwo{Space}{Space}", u"{Enter}"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    typed.clear();
    told = 0;
    StartFake();
    Play(*ime, c.before_fault);
    fake->FailAfter(Sent(), c.fault);
    fake = nullptr;  // gone with the session once it breaks
    Play(*ime, c.after_fault);
    EXPECT_EQ(told, 1);
    EXPECT_TRUE(engine->Switched());
    // Nothing is lost: what is composed or confirmed reads as typed.
    const std::u16string reading = ime->ResultReading() + ime->CompositionReading();
    EXPECT_TRUE(reading == u"ｶﾝｼﾞ" || reading == u"ｶﾝｼﾞｦ") << U8(reading);
    if (ime->Composing()) {
      // The next conversion is anthy's, with no second message.
      Play(*ime, u"{Esc}{Space}");
      ASSERT_TRUE(ime->Converting());
      const std::u16string shown = ime->CompositionString();
      EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](char16_t ch) { return ch >= 0x4E00 && ch <= 0x9FFF; }))
          << U8(shown);
      Play(*ime, u"{Enter}");
    }
    EXPECT_EQ(told, 1);
  }
}

// The helper as a real process: a script standing in for it.
struct HelperScriptTest : ::testing::Test {
  std::string Script(const std::string& body) {
    const std::string path = folder.Path() + "/helper";
    std::ofstream(path) << "#!/bin/sh\n" << body;
    chmod(path.c_str(), 0755);
    return path;
  }
  mozc::MozcOptions Options(const std::string& helper) {
    fs::create_directories(folder.Path() + "/home/.config/mozc");
    mozc::MozcOptions options;
    options.helper = helper;
    options.uid = 1000;
    options.home = folder.Path() + "/home";
    options.timeouts = {300, 300};
    return options;
  }
  test_support::TempFolder folder;
};

TEST_F(HelperScriptTest, MozcIsNotTakenWhenItCannotWork) {
  struct Case {
    const char* name;
    std::string script;  // the helper's shell script; empty: none installed
    int uid;
    bool profile;
    std::string reason;
  };
  const std::string greet = "echo '((mozc-emacs-helper . t))'\n";
  const std::string session = "read l; echo '((emacs-event-id . 1)(emacs-session-id . 1)(output . ()))'\n";
  const Case cases[] = {
      {"not installed", "", 1000, true, "is not installed"},
      {"root", greet + session, 0, true, "superuser"},
      {"no profile folder", greet + session, 1000, false, "profile folder"},
      {"silent", greet + session + "cat >/dev/null\n", 1000, true, "did not answer in time"},
      {"garbage", greet + session + "read l; echo 'Segmentation fault'\n", 1000, true, "garbage"},
      {"exits", greet + session + "exit 1\n", 1000, true, "the helper"},  // gone: unread or unanswered
      {"no greeting", "cat >/dev/null\n", 1000, true, "did not greet"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    mozc::MozcOptions options = Options(c.script.empty() ? folder.Path() + "/none" : Script(c.script));
    options.uid = c.uid;
    if (!c.profile) options.home = folder.Path() + "/bare";
    std::string error;
    EXPECT_EQ(mozc::MakeMozcEngine(options, &error), nullptr);
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
}

// The real mozc's server killed between two conversions: mozc's helper starts
// it again, or anthy takes over with one message; nothing typed is lost.
TEST_F(FallbackFixture, TheServerKilledBetweenConversions) {
  SKIP_WITHOUT_MOZC();
  Start(RealMozc());
  Play(*ime, u"kanji{Space}{Enter}");
  ASSERT_FALSE(typed.empty());
  ASSERT_GE(EndOwnServers(), 1);
  typed.clear();
  Play(*ime, u"nihongo");
  Play(*ime, u"{Space}");
  Play(*ime, u"{Enter}");
  EXPECT_LE(told, 1);
  EXPECT_EQ(U8(ime->ResultReading()), "ﾆﾎﾝｺﾞ");
  EXPECT_EQ(U8(typed), "日本語");
}

// mozc's files are mozc's: a profile it cannot write or whose files are
// damaged is for mozc to recover from. Either it converts, or it is refused
// with a reason (and anthy converts); it never hangs the editor.
TEST(MozcProfileTest, AnUnwritableOrDamagedProfileIsMozcsToRecover) {
  SKIP_WITHOUT_MOZC();
  for (const bool damaged : {false, true}) {
    SCOPED_TRACE(damaged ? "damaged" : "unwritable");
    test_support::TempFolder home;
    const fs::path profile = fs::path(home.Path()) / ".config/mozc";
    fs::create_directories(profile);
    if (damaged) {
      for (const char* name : {"segment.db", "boundary.db", "cform.db", "user_dictionary.db", ".registry.db"}) {
        std::ofstream(profile / name) << "not what mozc wrote";
      }
    } else {
      chmod(profile.c_str(), 0555);
    }
    mozc::MozcOptions options;
    options.home = home.Path();
    options.timeouts = {2000, 2000};
    std::string error;
    std::unique_ptr<ConversionEngine> engine = mozc::MakeMozcEngine(options, &error);
    RecordProperty(damaged ? "damaged" : "unwritable", engine ? "mozc converts" : error);
    if (engine) {
      EXPECT_TRUE(engine->SetString(u"かんじ"));
      EXPECT_GE(engine->SegmentCount(), 1);
    } else {
      EXPECT_FALSE(error.empty());
    }
    engine.reset();
    EndOwnServers(home.Path());
    chmod(profile.c_str(), 0755);
  }
}

// Two people's editors on one machine: each has the server of its own home,
// and what one teaches mozc the other's mozc does not learn.
TEST(MozcProfileTest, TwoHomesConvertApartAndLearnApart) {
  SKIP_WITHOUT_MOZC();
  test_support::TempFolder first_home, second_home;
  std::unique_ptr<ConversionEngine> engines[2];
  for (int i = 0; i < 2; ++i) {
    const std::string home = (i == 0 ? first_home : second_home).Path();
    fs::create_directories(home + "/.config/mozc");
    mozc::MozcOptions options;
    options.home = home;
    std::string error;
    engines[i] = mozc::MakeMozcEngine(options, &error);
    ASSERT_NE(engines[i], nullptr) << error;
  }
  ImeEmulator first(engines[0].get()), second(engines[1].get());
  std::u16string typed[2];
  for (ImeEmulator* ime : {&first, &second}) ime->SetImeMode(4);
  first.SetCommitSink([&](const ustring& text) { typed[0] += text; });
  second.SetCommitSink([&](const ustring& text) { typed[1] += text; });
  Play(second, u"kanji{Space}");
  const std::u16string untaught = second.CompositionString();
  Play(first, u"kanji{Space}");
  const auto candidates = first.Clauses().at(0).candidates;
  ASSERT_GE(candidates.size(), 3u);
  Play(first, u"{Space}{Space}{Enter}");
  Play(second, u"{Enter}");
  EXPECT_EQ(typed[0], candidates[2]);
  EXPECT_EQ(typed[1], untaught);
  Play(first, u"kanji{Space}");
  Play(second, u"kanji{Space}");
  EXPECT_EQ(first.CompositionString(), candidates[2]);
  EXPECT_EQ(second.CompositionString(), untaught);
  engines[0].reset();
  engines[1].reset();
  EXPECT_EQ(EndOwnServers(first_home.Path()), 1);
  EXPECT_EQ(EndOwnServers(second_home.Path()), 1);
}

}  // namespace
}  // namespace orvo::emu::testing
