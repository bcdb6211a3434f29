// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy's bytes: what is written reads back, and every copy that
// is not exactly one of ours, for this user, is refused with its reason.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "files/recovery_file.h"

namespace orvo::files {
namespace {

RecoveryRecord Sample() {
  RecoveryRecord record;
  record.text = u"一行目\r\n二行目 with ASCII\r\n";
  record.path = u"/home/a/メモ 1.txt";
  record.ends = LineEnds::kAsIs;
  record.user = "1000";
  return record;
}

TEST(RecoveryFile, ReadsBackWhatWasWritten) {
  const RecoveryRecord record = Sample();
  const RecoveryDecoded back = DecodeRecovery(EncodeRecovery(record), "1000");
  ASSERT_TRUE(back.record);
  EXPECT_EQ(back.record->text, record.text);
  EXPECT_EQ(back.record->path, record.path);
  EXPECT_EQ(back.record->ends, LineEnds::kAsIs);
  RecoveryRecord fresh;
  fresh.user = "7";
  const RecoveryDecoded empty = DecodeRecovery(EncodeRecovery(fresh), "7");
  ASSERT_TRUE(empty.record);
  EXPECT_TRUE(empty.record->path.empty());
  EXPECT_EQ(empty.record->ends, LineEnds::kLf);
}

TEST(RecoveryFile, RefusesCopiesThatAreNotWhole) {
  const std::string good = EncodeRecovery(Sample());
  std::string flipped = good;
  flipped[flipped.size() - 3] ^= 0x01;
  std::string bad_path = good;
  bad_path[bad_path.find("/home") + 1] = 'H';
  const struct {
    const char* what;
    std::string bytes;
    const char* user;
    RecoveryProblem problem;
  } cases[] = {
      {"empty", "", "1000", RecoveryProblem::kNotACopy},
      {"binary", std::string("\x7f" "ELF\0\0", 6), "1000", RecoveryProblem::kNotACopy},
      {"plain text", "ORVO is fine\n", "1000", RecoveryProblem::kNotACopy},
      {"older version", "ORVO-RECOVERY 1\nuser 1000\n", "1000", RecoveryProblem::kOtherVersion},
      {"newer version", "ORVO-RECOVERY 3\n", "1000", RecoveryProblem::kOtherVersion},
      {"version not a number", "ORVO-RECOVERY two\n", "1000", RecoveryProblem::kDamaged},
      {"header only", "ORVO-RECOVERY 2", "1000", RecoveryProblem::kDamaged},
      {"truncated", good.substr(0, good.size() - 4), "1000", RecoveryProblem::kDamaged},
      {"cut in the header", good.substr(0, 30), "1000", RecoveryProblem::kDamaged},
      {"a byte longer", good + "x", "1000", RecoveryProblem::kDamaged},
      {"a text byte changed", flipped, "1000", RecoveryProblem::kDamaged},
      {"the path changed", bad_path, "1000", RecoveryProblem::kDamaged},
      {"another user's", good, "1001", RecoveryProblem::kOtherUser},
      {"huge", std::string("ORVO-RECOVERY 2\n") + std::string(kMaxRecoveryBytes, 'a'), "1000",
       RecoveryProblem::kTooLarge},
  };
  for (const auto& c : cases) {
    const RecoveryDecoded decoded = DecodeRecovery(c.bytes, c.user);
    EXPECT_FALSE(decoded.record) << c.what;
    EXPECT_EQ(decoded.problem, c.problem) << c.what;
  }
}

TEST(RecoveryFile, RefusesTextThatIsNotUtf8EvenWithAMatchingCheck) {
  RecoveryRecord record = Sample();
  record.text = u"ab";
  std::string bytes = EncodeRecovery(record);
  // The same length and a check made for the bad bytes: only the text itself is wrong.
  const std::string bad = "\xff\xfe";
  bytes.replace(bytes.size() - 2, 2, bad);
  const std::size_t check = bytes.find("check ") + 6;
  // FNV-1a as the writer makes it, over the path, a NUL and the text.
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char c : std::string("/home/a/メモ 1.txt") + std::string(1, '\0') + bad) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ULL;
  }
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  bytes.replace(check, 16, hex);
  const RecoveryDecoded decoded = DecodeRecovery(bytes, "1000");
  EXPECT_FALSE(decoded.record);
  EXPECT_EQ(decoded.problem, RecoveryProblem::kDamaged);
}

}  // namespace
}  // namespace orvo::files
