// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A conversion engine with no dictionary: the whole reading is one segment,
// and every segment's candidates are its hiragana and katakana forms. Enough
// for tests and for a desktop without a real engine.
#include <vector>

#include "platform/emulated/ime/conversion_engine.h"

namespace orvo::emu {

class SimpleEngine : public ConversionEngine {
 public:
  bool SetString(ustring_view reading) override;
  int SegmentCount() const override { return static_cast<int>(segments_.size()); }
  SegmentStat GetSegmentStat(int segment) const override;
  ustring GetSegment(int segment, int candidate) const override;
  void ResizeSegment(int segment, int delta) override;
  void CommitSegment(int segment, int candidate) override;

  // What CommitSegment recorded since the last SetString, as chosen text.
  const std::vector<ustring>& Committed() const { return committed_; }

 private:
  std::vector<ustring> Candidates(int segment) const;
  bool Valid(int segment) const { return segment >= 0 && segment < SegmentCount(); }

  std::vector<ustring> segments_;
  std::vector<ustring> committed_;
};

}  // namespace orvo::emu
