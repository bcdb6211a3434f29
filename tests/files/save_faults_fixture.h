// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A document open and edited, whose save is made to fail: the old file must
// stay byte for byte, the text in the editor, the document marked modified.
#include <filesystem>
#include <string>

#include "files/files_fixture.h"
#include "platform/native/native_services.h"

namespace orvo::testing {

using native::FileStep;

inline constexpr const char* kOld = "old text\nsecond line\n";

class SaveFaults : public FilesTest {
 protected:
  // The tag and the number, a space, the system's description, then the file.
  std::u16string Told(const char16_t* tag, int number, const char16_t* description) {
    return std::u16string(tag) + FromUtf8(std::to_string(number)) + u" " + description + u"\r\n\r\nファイル：" +
           FromUtf8(Path("doc.txt"));
  }
  // doc.txt open, with a typed at its end.
  void OpenAndEdit() {
    Write("doc.txt", kOld);
    Run("menu mnuFILE_OPEN\ndialog doc.txt\ntap Down\ntap Down\ntap A\n");
    ASSERT_EQ(Text(), u"old text\r\nsecond line\r\na");
    ASSERT_TRUE(Modified());
  }
  void FailAt(FileStep step, int error) {
    S().files.SetFaultHook([step, error](FileStep at) { return at == step ? error : 0; });
  }
  void ExpectNothingLost() {
    EXPECT_EQ(Bytes("doc.txt"), kOld);
    EXPECT_EQ(Text(), u"old text\r\nsecond line\r\na");
    EXPECT_TRUE(Modified());
    for (const auto& entry : std::filesystem::directory_iterator(native::PathFromUtf8(Path("")))) {
      const std::string name = native::PathToUtf8(entry.path().filename());
      EXPECT_FALSE(name.starts_with(".doc.txt")) << "left behind: " << name;
    }
  }
};

}  // namespace orvo::testing
