// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/ime/fallback_engine.h"

namespace orvo::emu {

FallbackEngine::FallbackEngine(std::unique_ptr<ConversionEngine> first,
                               std::unique_ptr<ConversionEngine> second,
                               std::function<void()> on_switch)
    : first_(std::move(first)), second_(std::move(second)), on_switch_(std::move(on_switch)) {}

bool FallbackEngine::CheckFirst() {
  if (switched_ || !first_->Broken()) return false;
  switched_ = true;
  current_ = nullptr;
  if (on_switch_) on_switch_();
  return true;
}

bool FallbackEngine::SetString(ustring_view reading) {
  if (!switched_) {
    current_ = first_.get();
    if (first_->SetString(reading)) return true;
    CheckFirst();
  }
  current_ = second_.get();
  return current_ != nullptr && current_->SetString(reading);
}

int FallbackEngine::SegmentCount() const { return current_ ? current_->SegmentCount() : 0; }

SegmentStat FallbackEngine::GetSegmentStat(int segment) const {
  return current_ ? current_->GetSegmentStat(segment) : SegmentStat{};
}

ustring FallbackEngine::GetSegment(int segment, int candidate) const {
  return current_ ? current_->GetSegment(segment, candidate) : ustring();
}

void FallbackEngine::ResizeSegment(int segment, int delta) {
  if (!current_) return;
  current_->ResizeSegment(segment, delta);
  if (current_ == first_.get()) CheckFirst();
}

void FallbackEngine::CommitSegment(int segment, int candidate) {
  if (!current_) return;
  current_->CommitSegment(segment, candidate);
  if (current_ == first_.get()) CheckFirst();
}

void FallbackEngine::LoadCandidates(int segment) {
  if (!current_) return;
  current_->LoadCandidates(segment);
  if (current_ == first_.get()) CheckFirst();
}

void FallbackEngine::Follow(ustring_view settled) {
  if (switched_) {
    if (second_) second_->Follow(settled);
    return;
  }
  first_->Follow(settled);
  CheckFirst();
}

}  // namespace orvo::emu
