// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of braille mode as data: the dot keys and their weights, and that
// no key is both a dot key and a command.
#include "braille/braille_keymap.h"

#include <gtest/gtest.h>

#include <array>

#include "braille/cell_codes.h"
#include "platform/keys.h"

namespace orvo::braille {
namespace {

TEST(BrailleKeymap, TheSixDotKeysInDotOrderWithTheirWeights) {
  struct Case {
    int key;
    int dot;
    int weight;
  };
  const Case cases[] = {{'F', 0, 1}, {'D', 1, 2}, {'S', 2, 4}, {'J', 3, 1}, {'K', 4, 2}, {'L', 5, 4}};
  DotWeights all{};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<char>(c.key));
    ASSERT_EQ(DotOf(c.key), c.dot);
    EXPECT_EQ(DotWeight(c.dot), c.weight);
    all[static_cast<std::size_t>(c.dot)] = DotWeight(c.dot);
  }
  EXPECT_EQ(GET_TEN_CODE(all), '=');  // all six dots
  const std::array<int, 8> others = {'A', 'G', 'H', 'R', 'f', vk::kSpace, vk::kShift, 0};
  for (int key : others) EXPECT_EQ(DotOf(key), -1);
}

TEST(BrailleKeymap, NoDotKeyIsACommandOrARemappedLetter) {
  for (int key : {'F', 'D', 'S', 'J', 'K', 'L'}) {
    SCOPED_TRACE(static_cast<char>(key));
    EXPECT_EQ(CommandOf(key), KeyCommand::kSwallow);
    EXPECT_FALSE(RepeatGuardedKey(key).has_value());
  }
}

}  // namespace
}  // namespace orvo::braille
