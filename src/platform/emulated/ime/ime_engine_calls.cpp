// SPDX-License-Identifier: GPL-3.0-or-later
// What the IME tells its conversion engine between keys: the composition as
// it grows (so that an engine working elsewhere can keep up), and which
// clause's candidates are wanted whole (an engine may give a clause's
// candidates past the first only when asked).
#include <algorithm>

#include "platform/emulated/ime/ime_emulator.h"

namespace orvo::emu {

// Also when the composition has gone (confirmed, cancelled): the engine drops it too.
void ImeEmulator::AfterKey() {
  if (state_ == ImeState::kConverting) {
    LoadCandidates(focus_);
  } else {
    engine_->Follow(composition_.SettledText());
  }
}

// A clause the engine no longer knows as it was (it failed on the way) keeps
// the candidates it shows.
void ImeEmulator::LoadCandidates(int clause) {
  if (!engine_backed_ || clause < 0 || clause >= static_cast<int>(clauses_.size())) return;
  ClauseState& c = clauses_[clause];
  if (c.complete) return;
  c.complete = true;
  const int segment = segment_base_ + clause;
  engine_->LoadCandidates(segment);
  const SegmentStat stat = engine_->GetSegmentStat(segment);
  if (stat.length != c.length) return;
  std::vector<ustring> candidates;
  for (int i = 0; i < stat.candidates; ++i) {
    if (ustring candidate = engine_->GetSegment(segment, i); !candidate.empty()) {
      candidates.push_back(FitCodePage(std::move(candidate)));
    }
  }
  if (candidates.empty()) return;
  c.candidates = std::move(candidates);
  c.selected = std::min(c.selected, static_cast<int>(c.candidates.size()) - 1);
}

}  // namespace orvo::emu
