// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Kana-kanji conversion as the IME uses it, shaped like anthy's context API:
// set a reading, read its segments (clauses) and their candidates, resize a
// segment, commit the chosen candidates. Segment lengths count characters of
// the reading given to SetString.
#include "platform/text.h"

namespace orvo::emu {

struct SegmentStat {
  int candidates = 0;  // anthy: nr_candidate
  int length = 0;      // anthy: seg_len
};

class ConversionEngine {
 public:
  // GetSegment's candidate index for the segment's own reading.
  static constexpr int kReading = -1;

  virtual ~ConversionEngine() = default;

  // Starts over with `reading` (the composition as shown, mostly hiragana).
  // False when the engine cannot convert it.
  virtual bool SetString(ustring_view reading) = 0;
  virtual int SegmentCount() const = 0;
  virtual SegmentStat GetSegmentStat(int segment) const = 0;
  // Empty for a segment or candidate that does not exist.
  virtual ustring GetSegment(int segment, int candidate) const = 0;
  // Makes `segment` longer (delta > 0) or shorter; the segments after it are
  // analysed anew. A resize the reading cannot hold changes nothing.
  virtual void ResizeSegment(int segment, int delta) = 0;
  // Records the choice (the engine may learn from it).
  virtual void CommitSegment(int segment, int candidate) = 0;

  // An engine may give a segment's candidates past the first only when they
  // are asked for (GetSegmentStat counts what it has); this asks, before a
  // segment's candidates are shown or stepped through.
  virtual void LoadCandidates(int segment) { (void)segment; }

  // The composition's settled text (pending romaji left out) after a key:
  // an engine that works elsewhere may take it ahead of SetString, so that
  // converting costs one exchange. Nothing is converted here.
  virtual void Follow(ustring_view settled) { (void)settled; }
  // True once the engine has stopped working for good (its helper died or
  // stopped answering); it converts nothing from then on.
  virtual bool Broken() const { return false; }
};

}  // namespace orvo::emu
