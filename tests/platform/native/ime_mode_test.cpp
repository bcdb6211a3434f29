// SPDX-License-Identifier: GPL-3.0-or-later
// A text box's IME mode put into its input context: the emulated IME ends
// in the mode the box asked for, as the emulated text box puts it itself.
#include "platform/native/ime_mode.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/emulated/desktop.h"
#include "platform/emulated/text_box.h"
#include "platform/native/emulated_imm_calls.h"

namespace orvo::native {
namespace {

TEST(ApplyImeMode, EndsInTheModeTheEmulatedBoxWouldTake) {
  emu::Desktop desktop;
  std::unique_ptr<EditControl> owner = desktop.CreateEditControl();
  auto& box = dynamic_cast<emu::TextBox&>(*owner);
  std::unique_ptr<EditControl> twin_owner = desktop.CreateEditControl();
  auto& twin = dynamic_cast<emu::TextBox&>(*twin_owner);  // takes the mode itself
  emu::EmulatedIme ime(desktop);
  testing::EmulatedImmCalls calls(ime);
  const Himc context = calls.ImmGetContext(box.Handle());
  // Each mode from every other, romaji input kept throughout.
  const int modes[] = {4, 5, 6, 7, 8, 2, 1, 3, 4, 0, 8, 99, 5};
  for (const int mode : modes) {
    ASSERT_TRUE(ApplyImeMode(calls, context, mode)) << mode;
    twin.Ime().SetImeMode(mode);
    EXPECT_EQ(box.Ime().ImeMode(), twin.Ime().ImeMode()) << mode;
    EXPECT_EQ(box.Ime().Open(), twin.Ime().Open()) << mode;
    EXPECT_EQ(box.Ime().ConversionMode(), twin.Ime().ConversionMode()) << mode;
    EXPECT_NE(box.Ime().ConversionMode() & ime_cmode::kRoman, 0u) << mode;
  }
  EXPECT_FALSE(ApplyImeMode(calls, 0, 4));
  calls.ImmReleaseContext(box.Handle(), context);
}

}  // namespace
}  // namespace orvo::native
