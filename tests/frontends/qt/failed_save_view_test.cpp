// SPDX-License-Identifier: GPL-3.0-or-later
// A save that fails in the window: the message names the tag, the system's
// number, a space, the system's description in the user's language and the
// file, and the text stays.
#include <clocale>
#include <string>

#include "frontends/qt/session_fixture.h"

namespace orvo::testing {
namespace {

class WindowFailedSave : public QtFrontEnd {
 protected:
  void TearDown() override {
    std::setlocale(LC_ALL, before_.c_str());
    QtFrontEnd::TearDown();
  }
  // Saves a typed あ into a folder that is not there.
  void SaveIntoNoFolder() {
    Play("tap F1\nchord F\ntap N\nmenu mnuFILE_SAVEAS\ndialog nofolder/x.txt\ntap Enter\n");
  }
  std::u16string Told(const char16_t* description) const {
    return u"Save_AD_Err-2 " + std::u16string(description) + u"\r\n\r\nファイル：" + FromUtf8(Path("nofolder/x.txt"));
  }
  std::u16string LastMessage() {
    const auto& history = S().program.messages.History();
    return history.empty() ? std::u16string() : history.back().text;
  }

  std::string before_ = std::setlocale(LC_ALL, nullptr);
};

TEST_F(WindowFailedSave, IsToldInJapaneseUnderAJapaneseLocale) {
  ASSERT_NE(std::setlocale(LC_ALL, "ja_JP.UTF-8"), nullptr) << "no ja_JP.UTF-8 locale: run tools/install-deps";
  SaveIntoNoFolder();
  EXPECT_EQ(LastMessage(), Told(u"そのようなファイルやディレクトリはありません"));
  EXPECT_EQ(Text(), u"あ");
  EXPECT_TRUE(W().ActiveTextBox().Modified());
}

TEST_F(WindowFailedSave, IsToldInEnglishUnderTheCLocale) {
  ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
  SaveIntoNoFolder();
  EXPECT_EQ(LastMessage(), Told(u"No such file or directory"));
}

}  // namespace
}  // namespace orvo::testing
