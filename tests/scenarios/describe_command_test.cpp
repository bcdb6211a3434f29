// SPDX-License-Identifier: GPL-3.0-or-later
// --describe takes its text from the command line, where anything can come:
// only well-formed UTF-8 is described.
#include "frontends/headless/describe_command.h"

#include <gtest/gtest.h>

#include <sstream>

namespace orvo::headless {
namespace {

TEST(DescribeCommand, TakesWellFormedUtf8Only) {
  for (std::string_view good : {"", "abc", "日本", "\xF0\x9F\x98\x80", "\xEF\xBF\xBF", "\xF4\x8F\xBF\xBF"}) {
    EXPECT_TRUE(IsValidUtf8(good)) << good;
  }
  const std::string_view bad[] = {
      "\x80",              // a continuation byte alone
      "\xE6\x97",          // cut short
      "\xC0\xAF",          // overlong
      "\xE0\x80\xAF",      // overlong, three bytes
      "\xED\xA0\x80",      // a surrogate
      "\xF4\x90\x80\x80",  // past U+10FFFF
      "\xFF",
      "a\xE6\x97\xA5\xE6",  // good, then cut short
  };
  for (std::string_view b : bad) EXPECT_FALSE(IsValidUtf8(b)) << testing::PrintToString(b);
}

TEST(DescribeCommand, PrintsOneLineOrRefuses) {
  std::ostringstream out, err;
  EXPECT_EQ(DescribeCommand("ｱ!", out, err), 0);
  EXPECT_EQ(out.str(), "ハンカク カタカナ ア、カンタンフ\n");
  EXPECT_EQ(err.str(), "");
  std::ostringstream out2, err2;
  EXPECT_EQ(DescribeCommand("\xE6\x97", out2, err2), 2);
  EXPECT_EQ(out2.str(), "");
  EXPECT_FALSE(err2.str().empty());
}

}  // namespace
}  // namespace orvo::headless
