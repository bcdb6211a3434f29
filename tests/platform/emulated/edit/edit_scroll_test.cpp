// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/emulated/edit/edit_control_model.h"

namespace orvo::emu {
namespace {

TEST(EditScrollTest, CaretKeysKeepTheCaretVisible) {
  EditControlModel edit;
  edit.SetViewSize(4, 2);
  edit.SetText(u"\r\n\r\n\r\nあいう");
  edit.MoveCaret(CaretMove::kTextEnd, false);
  EXPECT_EQ(edit.FirstVisibleLine(), 2);
  EXPECT_EQ(edit.FirstVisibleColumn(), 3);
  edit.MoveCaret(CaretMove::kTextStart, false);
  EXPECT_EQ(edit.FirstVisibleLine(), 0);
  EXPECT_EQ(edit.FirstVisibleColumn(), 0);
}

}  // namespace
}  // namespace orvo::emu
