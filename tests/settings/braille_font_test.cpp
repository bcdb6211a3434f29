// SPDX-License-Identifier: GPL-3.0-or-later
// The braille font at the main window's first activation and close: the
// build's own file added for the run and taken away, an installed font used
// in place, and a font that is missing, broken or of another face told with
// both messages and the cell display falling back to the plain font.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "frontends/headless/session.h"
#include "platform/native/data_folder.h"
#include "support/font_bytes.h"
#include "support/temp_folder.h"

namespace orvo::testing {
namespace {

const ustring kMissing = u"点字フォント「 Orvoten.TTF 」が見つかりません！";
const ustring kNotAdded = u"点字フォント登録失敗！";
const ustring kUnregistered = u"aエラー！　点字フォントが使用できません。";
const ustring kUnusable = u"pエラー！　点字フォントが使用できません。";
const FontSpec kBrailleLook{u"Orvoten Font", 18, true};
const FontSpec kFallback{u"FixedSys", 14, false};

class BrailleFontStart : public ::testing::Test {
 protected:
  void Start(std::optional<std::string> font_folder, bool installed = false) {
    headless::SessionOptions options;
    options.font_folder = std::move(font_folder);
    options.font_installed = installed;
    session_.reset();  // one program in a folder at a time
    session_ = std::make_unique<headless::Session>(program_.Path(), ustring(), options);
    ASSERT_TRUE(session_->Start());
  }
  // A font folder of the test's own, holding `bytes` as Orvoten.TTF.
  std::string FolderWith(const std::string& bytes) {
    std::ofstream(fonts_.Path() + "/Orvoten.TTF", std::ios::binary) << bytes;
    return fonts_.Path();
  }
  void Close() {
    S().Main().Close();  // the closing question has no answer here: the window closes as OK would
  }

  headless::Session& S() { return *session_; }
  settings::BrailleFont& Font() { return S().program.braille_font; }
  forms::LabelControl& Cells() { return S().Main().lblTENJI; }
  std::vector<ustring> Messages() {
    std::vector<ustring> texts;
    for (const auto& m : S().program.messages.History()) texts.push_back(m.text);
    return texts;
  }
  void ExpectFallback() {
    EXPECT_EQ(Cells().Font(), kFallback);
    EXPECT_FALSE(Cells().Visible());
    EXPECT_FALSE(Font().BrailleFontRegistered);
    EXPECT_TRUE(S().font_files.Added().empty());
  }

  test_support::TempFolder program_;
  test_support::TempFolder fonts_;
  std::unique_ptr<headless::Session> session_;
};

TEST_F(BrailleFontStart, TheDataFolderCopyIsAddedForTheRunAndTakenAwayAtClose) {
  Start(std::nullopt);
  // The data folder as the system names it, then the program's own separator.
  const std::string data = native::PathToUtf8(native::FindOwnDataFolder().path) + "/Orvoten.TTF";
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Font().BrailleFontPath, FromUtf8(data));
  EXPECT_TRUE(Font().BrailleFontRegistered);
  ASSERT_EQ(S().font_files.Added().count(Font().BrailleFontPath), 1U);
  EXPECT_EQ(S().font_files.Added().at(Font().BrailleFontPath), u"Orvoten Font");
  EXPECT_EQ(Cells().Font(), kBrailleLook);
  EXPECT_TRUE(Cells().Visible());

  Close();
  EXPECT_TRUE(S().Main().Closed());
  EXPECT_EQ(S().font_files.Removals(), 1);
  EXPECT_TRUE(S().font_files.Added().empty());
  EXPECT_FALSE(Font().BrailleFontRegistered);
  EXPECT_EQ(Messages().back(), u"．．．終了 します。\u3000\u3000\u3000\u3000");  // no path complaint
}

TEST_F(BrailleFontStart, AnInstalledFontIsUsedInPlaceAndNeverAddedOrRemoved) {
  Start(std::nullopt, true);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Font().BrailleFontPath, u"/usr/share/fonts/truetype/orvo/Orvoten.TTF");
  EXPECT_FALSE(Font().BrailleFontRegistered);
  EXPECT_EQ(Cells().Font(), kBrailleLook);
  Close();
  EXPECT_EQ(S().font_files.Additions(), 0);
  EXPECT_EQ(S().font_files.Removals(), 0);
}

TEST_F(BrailleFontStart, NoFontAnywhereIsToldTwiceAndTheCellsFallBack) {
  for (const std::optional<std::string>& folder : {std::optional<std::string>(""), std::optional(fonts_.Path())}) {
    SCOPED_TRACE(*folder);
    Start(folder);
    EXPECT_EQ(Messages(), (std::vector<ustring>{kMissing, kUnregistered}));
    for (const auto& m : S().program.messages.History()) EXPECT_EQ(m.flags, 48);
    ExpectFallback();
    Close();
    EXPECT_EQ(S().font_files.Removals(), 0);
    EXPECT_EQ(Messages().size(), 3U);  // the closing question, and no complaint about a path
  }
}

TEST_F(BrailleFontStart, ABrokenFileIsToldAndTheEditorGoesOnWithoutIt) {
  for (const std::string& bytes : {std::string(), std::string("not a font at all"),
                                   test_support::SfntNamingFamily(u"Orvoten Font").substr(0, 30)}) {
    Start(FolderWith(bytes));
    EXPECT_EQ(Messages(), (std::vector<ustring>{kNotAdded, kUnregistered}));
    ExpectFallback();
    // Braille input works all the same, and the display still follows the cells.
    const auto parsed = script::ParseScript("tap F1\nchord FD\nexpect cell B\ntap N\n");
    S().Run(parsed.steps);
    EXPECT_FALSE(S().Failed().has_value()) << S().Failed()->message;
    EXPECT_EQ(S().Text(), u"い");
  }
}

// The file registers but brings another face: the cells cannot be drawn in
// it, and the font is taken away at once instead of at the end of the run.
TEST_F(BrailleFontStart, AFontOfAnotherFaceCannotBeAppliedAndIsTakenAwayAtOnce) {
  Start(FolderWith(test_support::SfntNamingFamily(u"Other Font")));
  EXPECT_EQ(Messages(), (std::vector<ustring>{kUnusable}));
  ExpectFallback();
  EXPECT_EQ(S().font_files.Additions(), 1);
  EXPECT_EQ(S().font_files.Removals(), 1);
  Close();
  EXPECT_EQ(S().font_files.Removals(), 1);
}

TEST_F(BrailleFontStart, TakingAwayWithoutAPathSaysSo) {
  Start(std::nullopt);
  Font().BrailleFontPath.clear();
  Font().UnregisterBrailleFont();
  EXPECT_EQ(Messages().back(), u"エラー！　フォントパス不明");
  EXPECT_TRUE(Font().BrailleFontRegistered);  // nothing was taken away
}

}  // namespace
}  // namespace orvo::testing
