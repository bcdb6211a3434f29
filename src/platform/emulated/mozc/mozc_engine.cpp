// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/mozc/mozc_engine.h"

#include <algorithm>

#include "platform/emulated/ime/literals.h"

namespace orvo::emu::mozc {
namespace {

// Deleting more than this from the end of mozc's composition: cleared and typed anew.
constexpr int kMaxBackspaces = 8;
// Key presses one candidate choice may take (pages of nine, then single steps).
constexpr int kMaxSelectSteps = 64;

bool IsLowSurrogate(char16_t ch) { return ch >= 0xDC00 && ch <= 0xDFFF; }

int CodePoints(ustring_view text) {
  return static_cast<int>(std::count_if(text.begin(), text.end(),
                                        [](char16_t ch) { return !IsLowSurrogate(ch); }));
}

}  // namespace

MozcEngine::MozcEngine(std::unique_ptr<MozcSession> session, bool learning)
    : session_(std::move(session)), learning_(learning) {}

void MozcEngine::FeedAhead(const ustring& text) {
  if (Broken()) return;
  if (state_ == State::kConverting && committed_ == 0) {
    // Out of the conversion, back to the composition it was made from.
    session_->PressAhead(Key::kCancel, CodePoints(fed_));
    state_ = fed_.empty() ? State::kEmpty : State::kComposing;
  } else if (state_ == State::kConverting || state_ == State::kUnknown) {
    // Out of a conversion back to its composition, then that cleared.
    session_->PressAhead(Key::kCancel, -1);
    session_->PressAhead(Key::kCancel, 0);
    fed_.clear();
    state_ = State::kEmpty;
  }
  std::size_t common = 0;
  while (common < fed_.size() && common < text.size() && fed_[common] == text[common]) ++common;
  if (common > 0 && common < fed_.size() && IsLowSurrogate(fed_[common])) --common;
  int length = CodePoints(fed_);
  const int removed = length - CodePoints(ustring_view(fed_).substr(0, common));
  if (removed > kMaxBackspaces || (common == 0 && removed > 0)) {
    session_->PressAhead(Key::kCancel, 0);
    common = 0;
    length = 0;
  } else {
    for (int i = 0; i < removed; ++i) session_->PressAhead(Key::kBackspace, --length);
  }
  if (common < text.size()) {
    session_->TypeAhead(ToUtf8(ustring_view(text).substr(common)), CodePoints(text));
  }
  fed_ = text;
  state_ = fed_.empty() ? State::kEmpty : State::kComposing;
}

bool MozcEngine::Clear() {
  for (int attempt = 0; attempt < 3; ++attempt) {
    const std::optional<Reply> reply = session_->Press(Key::kCancel);
    if (!reply) return false;
    if (!reply->Converting() && CompositionLength(*reply) == 0) {
      state_ = State::kEmpty;
      fed_.clear();
      return true;
    }
  }
  state_ = State::kUnknown;
  return false;
}

bool MozcEngine::Compose(const ustring& text) {
  FeedAhead(text);
  if (session_->Settle()) return true;
  if (Broken() || !Clear()) return false;
  FeedAhead(text);
  if (session_->Settle()) return true;
  state_ = State::kUnknown;
  return false;
}

// While mozc still works on what it was sent, the newest text waits: typing
// faster than mozc answers sends the text in fewer, larger pieces.
void MozcEngine::Follow(ustring_view settled) {
  if (Broken()) return;
  MozcReading reading;
  if (!reading.Assign(settled)) return;
  bool as_expected = true;
  const bool caught_up = session_->Collect(as_expected);
  if (!as_expected) state_ = State::kUnknown;
  if (!caught_up) return;
  FeedAhead(reading.SentText(0, reading.Length()));
}

void MozcEngine::Forget() {
  segments_.clear();
  state_ = State::kUnknown;
}

bool MozcEngine::SetString(ustring_view reading) {
  segments_.clear();
  if (Broken()) return false;
  if (reading.empty() || !reading_.Assign(reading)) {
    reading_.Assign(u"");
    return false;
  }
  // Composing first: how mozc is left by the last conversion depends on what it confirmed.
  const bool composed = Compose(reading_.SentText(0, reading_.Length()));
  committed_ = 0;
  focus_ = 0;
  if (!composed) return false;
  const std::optional<Reply> reply = session_->Press(Key::kConvert);
  if (!reply) return false;
  session_->Started();
  state_ = State::kConverting;
  if (!reply->Converting() || !LoadFrom(0, *reply)) {
    Forget();
    return false;
  }
  return true;
}

MozcEngine::Segment MozcEngine::MakeSegment(int begin, int end, const Reply& reply) const {
  Segment out{begin, end, {}, {}, std::max(reply.selected, 0), true};
  const ustring own = reading_.SentText(begin, end);
  std::vector<ustring> others;
  std::vector<int> others_index;
  for (int i = 0; i < static_cast<int>(reply.candidates.size()); ++i) {
    ustring text = FromUtf8(reply.candidates[i]);
    if (text.empty()) continue;
    const bool keeps = KeepsLiterals(own, text);
    (keeps ? out.candidates : others).push_back(std::move(text));
    (keeps ? out.mozc_index : others_index).push_back(i);
  }
  if (out.candidates.empty()) {
    out.candidates.push_back(own);
    out.mozc_index.push_back(-1);
  }
  out.candidates.insert(out.candidates.end(), others.begin(), others.end());
  out.mozc_index.insert(out.mozc_index.end(), others_index.begin(), others_index.end());
  return out;
}

MozcEngine::Segment MozcEngine::ShownSegment(int begin, int end, const PreeditSegment& shown) const {
  const ustring own = reading_.SentText(begin, end);
  ustring text = FromUtf8(shown.value);
  if (!text.empty() && KeepsLiterals(own, text)) return {begin, end, {std::move(text)}, {0}, 0, false};
  return {begin, end, {own}, {-1}, 0, false};
}

bool MozcEngine::LoadFrom(int first, const Reply& reply) {
  const int shown_first = first - committed_;  // mozc's number of segment `first`
  if (shown_first < 0 || reply.Highlighted() != shown_first) return false;
  int position = first == 0 ? 0 : segments_[first - 1].end;
  segments_.resize(first);
  std::vector<std::pair<int, int>> bounds;
  for (std::size_t i = shown_first; i < reply.preedit.size(); ++i) {
    const int length = CodePoints(FromUtf8(reply.preedit[i].key));
    if (length <= 0 || position + length > reading_.Length()) return false;
    bounds.emplace_back(position, position + length);
    position += length;
  }
  if (position != reading_.Length() || bounds.empty()) return false;
  focus_ = first;
  segments_.push_back(MakeSegment(bounds[0].first, bounds[0].second, reply));
  for (std::size_t i = 1; i < bounds.size(); ++i) {
    segments_.push_back(
        ShownSegment(bounds[i].first, bounds[i].second, reply.preedit[shown_first + i]));
  }
  return true;
}

SegmentStat MozcEngine::GetSegmentStat(int segment) const {
  if (!Valid(segment)) return {};
  const Segment& s = segments_[segment];
  return {static_cast<int>(s.candidates.size()),
          reading_.UnitsBefore(s.end) - reading_.UnitsBefore(s.begin)};
}

ustring MozcEngine::GetSegment(int segment, int candidate) const {
  if (!Valid(segment)) return {};
  const Segment& s = segments_[segment];
  if (candidate == kReading) return reading_.ReadingText(s.begin, s.end);
  if (candidate < 0 || candidate >= static_cast<int>(s.candidates.size())) return {};
  return s.candidates[candidate];
}

bool MozcEngine::FocusOn(int segment) {
  for (int guard = SegmentCount(); focus_ != segment && guard > 0; --guard) {
    const bool right = segment > focus_;
    const std::optional<Reply> reply = session_->Press(right ? Key::kFocusRight : Key::kFocusLeft);
    focus_ += right ? 1 : -1;
    if (!reply || reply->Highlighted() != focus_ - committed_) return false;
    Segment& s = segments_[focus_];
    if (!s.loaded) s = MakeSegment(s.begin, s.end, *reply);
    s.mozc_selected = std::max(reply->selected, 0);
  }
  return focus_ == segment;
}

void MozcEngine::LoadCandidates(int segment) {
  if (!Valid(segment) || segment < committed_ || segments_[segment].loaded ||
      state_ != State::kConverting) {
    return;
  }
  if (!FocusOn(segment)) Forget();
}

void MozcEngine::ResizeSegment(int segment, int delta) {
  if (!Valid(segment) || segment < committed_ || delta == 0 || state_ != State::kConverting) return;
  const Segment& s = segments_[segment];
  const long target = static_cast<long>(reading_.UnitsBefore(s.end)) + delta;
  // The first of mozc's character boundaries at or past the target, going the way of delta.
  int end = s.end;
  if (delta > 0) {
    while (end < reading_.Length() && reading_.UnitsBefore(end) < target) ++end;
    if (reading_.UnitsBefore(end) < target) return;
  } else {
    while (end > s.begin && reading_.UnitsBefore(end) > target) --end;
    if (end <= s.begin) return;
  }
  if (end == s.end) return;
  const int begin = s.begin;
  if (!FocusOn(segment)) return Forget();
  std::optional<Reply> reply;
  for (int at = s.end; at != end; at += end > at ? 1 : -1) {
    reply = session_->Press(end > at ? Key::kExtend : Key::kShrink);
    if (!reply) return Forget();
  }
  const int shown = segment - committed_;
  if (reply->Highlighted() != shown ||
      CodePoints(FromUtf8(reply->preedit[shown].key)) != end - begin || !LoadFrom(segment, *reply)) {
    Forget();
  }
}

bool MozcEngine::Select(int segment, int mozc_index) {
  Segment& s = segments_[segment];
  for (int step = 0; s.mozc_selected != mozc_index; ++step) {
    if (step == kMaxSelectSteps) return false;
    const int gap = mozc_index - s.mozc_selected;
    const Key key = gap >= 9    ? Key::kNextPage
                    : gap > 0   ? Key::kNextCandidate
                    : gap <= -9 ? Key::kPrevPage
                                : Key::kPrevCandidate;
    const std::optional<Reply> reply = session_->Press(key);
    if (!reply || reply->selected < 0 || reply->selected == s.mozc_selected) return false;
    s.mozc_selected = reply->selected;
  }
  return true;
}

// mozc confirms from its first segment on: the ones before `segment` go with
// what mozc has selected in them.
void MozcEngine::CommitSegment(int segment, int candidate) {
  if (!learning_ || !Valid(segment) || segment < committed_ || state_ != State::kConverting) return;
  while (committed_ <= segment) {
    const int chosen =
        committed_ == segment && candidate >= 0 &&
                candidate < static_cast<int>(segments_[segment].mozc_index.size())
            ? segments_[segment].mozc_index[candidate]
            : -1;
    if (!FocusOn(committed_) || (chosen >= 0 && !Select(committed_, chosen))) return Forget();
    const std::optional<Reply> reply = session_->Press(Key::kCommitFirst);
    if (!reply || !reply->has_result) return Forget();
    ++committed_;
    if (committed_ == SegmentCount()) {
      state_ = State::kEmpty;
      fed_.clear();
      return;
    }
    if (reply->Highlighted() != 0) return Forget();
    focus_ = committed_;
    Segment& next = segments_[focus_];
    if (!next.loaded) next = MakeSegment(next.begin, next.end, *reply);
    next.mozc_selected = std::max(reply->selected, 0);
  }
}

}  // namespace orvo::emu::mozc
