// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/ime/simple_engine.h"

#include "platform/emulated/ime/kana_forms.h"

namespace orvo::emu {

bool SimpleEngine::SetString(ustring_view reading) {
  segments_.clear();
  committed_.clear();
  if (reading.empty()) return false;
  segments_.emplace_back(reading);
  return true;
}

std::vector<ustring> SimpleEngine::Candidates(int segment) const {
  if (!Valid(segment)) return {};
  std::vector<ustring> out{ToHiragana(segments_[segment])};
  if (ustring katakana = ToKatakana(segments_[segment]); katakana != out.front()) {
    out.push_back(std::move(katakana));
  }
  return out;
}

SegmentStat SimpleEngine::GetSegmentStat(int segment) const {
  if (!Valid(segment)) return {};
  return {static_cast<int>(Candidates(segment).size()),
          static_cast<int>(segments_[segment].size())};
}

ustring SimpleEngine::GetSegment(int segment, int candidate) const {
  if (!Valid(segment)) return {};
  if (candidate == kReading) return segments_[segment];
  const std::vector<ustring> candidates = Candidates(segment);
  if (candidate < 0 || candidate >= static_cast<int>(candidates.size())) return {};
  return candidates[candidate];
}

void SimpleEngine::ResizeSegment(int segment, int delta) {
  if (!Valid(segment)) return;
  ustring rest;
  for (int i = segment; i < SegmentCount(); ++i) rest += segments_[i];
  const long length = static_cast<long>(segments_[segment].size()) + delta;
  if (length < 1 || length > static_cast<long>(rest.size())) return;
  segments_.resize(segment);
  const auto cut = static_cast<std::size_t>(length);
  segments_.push_back(rest.substr(0, cut));
  if (cut < rest.size()) segments_.push_back(rest.substr(cut));
}

void SimpleEngine::CommitSegment(int segment, int candidate) {
  if (ustring chosen = GetSegment(segment, candidate); !chosen.empty()) {
    committed_.push_back(std::move(chosen));
  }
}

}  // namespace orvo::emu
