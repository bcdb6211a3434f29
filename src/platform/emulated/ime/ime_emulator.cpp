// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/ime/ime_emulator.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "platform/emulated/ime/kana_forms.h"
#include "platform/emulated/ime/romaji_composer.h"
#include "platform/emulated/ime/simple_engine.h"
#include "platform/ime_service.h"
#include "platform/keys.h"

namespace orvo::emu {
namespace {

using namespace ime_cmode;

constexpr std::uint32_t kInputBits = kNative | kKatakana | kFullShape;

struct ModeRow {
  int mode;
  std::uint32_t bits;  // kInputBits part of the conversion mode
};

// clang-format off
constexpr ModeRow kModes[] = {
    {4, kNative | kFullShape},
    {5, kNative | kKatakana | kFullShape},
    {6, kNative | kKatakana},
    {7, kFullShape},
    {8, 0},
};
// clang-format on

constexpr int kModeClosed = 2;
constexpr int kModeOn = 1;
constexpr int kModeDisabled = 3;

// clang-format off
// Keys that only change what other keys do; the IME leaves them to the box.
constexpr std::uint8_t kModifierKeys[] = {
    vk::kShift, vk::kControl, vk::kMenu, vk::kCapital, vk::kKana,
    0x5B, 0x5C,                          // left and right Windows keys
    0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5,  // left and right Shift, Ctrl, Alt
};

// Function keys the IME has no use for: the program gets them even mid-composition.
constexpr std::uint8_t kPassedOnKeys[] = {
    vk::kF1, vk::kF2, vk::kF3, vk::kF4, vk::kF5, vk::kF11, vk::kF12,
};
// clang-format on

template <std::size_t N>
bool IsOneOf(const std::uint8_t (&keys)[N], std::uint8_t key) {
  return std::find(std::begin(keys), std::end(keys), key) != std::end(keys);
}

bool IsCharacter(char16_t ch) { return ch > u' ' && ch < 0x7F; }

}  // namespace

ImeEmulator::ImeEmulator(ConversionEngine* engine)
    : own_engine_(engine ? nullptr : std::make_unique<SimpleEngine>()),
      engine_(engine ? engine : own_engine_.get()),
      conversion_(kNative | kFullShape | kRoman) {}

ImeEmulator::~ImeEmulator() = default;

int ImeEmulator::ImeMode() const {
  if (!open_) return kModeClosed;
  for (const ModeRow& row : kModes) {
    if (row.bits == (conversion_ & kInputBits)) return row.mode;
  }
  return (conversion_ & kNative) ? 4 : 8;
}

void ImeEmulator::SetImeMode(int mode) {
  if (mode == kModeClosed || mode == kModeDisabled) {
    SetOpen(false);
    return;
  }
  if (mode == kModeOn) {
    SetOpen(true);
    return;
  }
  for (const ModeRow& row : kModes) {
    if (row.mode == mode) {
      SetConversionMode((conversion_ & ~kInputBits) | row.bits);
      SetOpen(true);
      return;
    }
  }
}

void ImeEmulator::SetOpen(bool open) {
  if (!open && state_ != ImeState::kIdle) CommitAll();
  open_ = open;
}

void ImeEmulator::CancelComposition() {
  composition_.Clear();
  clauses_.clear();
  SettleState();
}

void ImeEmulator::SetConversionMode(std::uint32_t bits) {
  // Romaji waiting for more keys cannot wait across a switch to alphanumerics.
  if (!(bits & kNative) && state_ == ImeState::kComposing) ResolvePending();
  conversion_ = bits;
}

bool ImeEmulator::KeyDown(const ImeKey& key) {
  if (key.ctrl && key.alt) return false;
  if (key.vk == vk::kKanji) {
    SetOpen(!open_);
    return true;
  }
  if (!open_) return false;
  // Half-width alphanumeric input goes straight to the box.
  if (state_ == ImeState::kIdle && (conversion_ & (kNative | kFullShape)) == 0) return false;
  if (!key.alt) {
    const int mods = (key.shift ? key_mods::kShift : 0) | (key.ctrl ? key_mods::kCtrl : 0);
    if (const auto command = LookUpImeKey(state_, key.vk, mods)) {
      Execute(*command);
      AfterKey();
      return true;
    }
  }
  if (key.ctrl || key.alt) return false;
  if (IsCharacter(key.ch)) {
    TypeChar(key.ch);
    AfterKey();
    return true;
  }
  return state_ != ImeState::kIdle && !IsOneOf(kModifierKeys, key.vk) &&
         !IsOneOf(kPassedOnKeys, key.vk);
}

void ImeEmulator::Execute(ImeCommand command) {
  switch (command) {
    case ImeCommand::kInsertWideSpace:
      Commit(ustring(1, ShapeAscii(u' ')), u" ");
      break;
    case ImeCommand::kInsertNarrowSpace:
      Commit(u" ", u" ");
      break;
    case ImeCommand::kCommitAll:
      CommitAll();
      break;
    case ImeCommand::kCommitToFocused:
      CommitToFocused();
      break;
    case ImeCommand::kCancel:
      composition_.Clear();
      SettleState();
      break;
    case ImeCommand::kDeleteBefore:
      DeleteBefore();
      break;
    case ImeCommand::kDeleteAfter:
      DeleteAfter();
      break;
    case ImeCommand::kCaretLeft:
      MoveCaret(-1);
      break;
    case ImeCommand::kCaretRight:
      MoveCaret(1);
      break;
    case ImeCommand::kCaretHome:
      PlaceCaret(false);
      break;
    case ImeCommand::kCaretEnd:
      PlaceCaret(true);
      break;
    case ImeCommand::kConvert:
      StartConversion();
      break;
    case ImeCommand::kNextCandidate:
      StepCandidate(1);
      break;
    case ImeCommand::kPrevCandidate:
      StepCandidate(-1);
      break;
    case ImeCommand::kFocusLeft:
      focus_ = std::max(focus_ - 1, 0);
      break;
    case ImeCommand::kFocusRight:
      focus_ = std::min(focus_ + 1, static_cast<int>(clauses_.size()) - 1);
      break;
    case ImeCommand::kFocusFirst:
      focus_ = 0;
      break;
    case ImeCommand::kFocusLast:
      focus_ = static_cast<int>(clauses_.size()) - 1;
      break;
    case ImeCommand::kShrinkClause:
      Resize(-1);
      break;
    case ImeCommand::kExtendClause:
      Resize(1);
      break;
    case ImeCommand::kBackToReading:
      clauses_.clear();
      composition_.SetCaret(composition_.Size());
      SettleState();
      break;
    case ImeCommand::kToHiragana:
    case ImeCommand::kToKatakana:
    case ImeCommand::kToHalfWidth:
    case ImeCommand::kToWideAlphanumeric:
    case ImeCommand::kToNarrowAlphanumeric:
      ShowForm(command);
      break;
    case ImeCommand::kNothing:
      break;
  }
}

// ---- Composition

bool ImeEmulator::TypeChar(char16_t ch) {
  if (state_ == ImeState::kConverting) CommitAll();
  const bool capital = ch >= u'A' && ch <= u'Z';
  if ((conversion_ & kNative) && !capital) {
    TypeRomaji(ch);
  } else {
    ResolvePending();
    composition_.Insert(ustring(1, ShapeAscii(ch)), ustring(1, ch));
  }
  SettleState();
  return true;
}

void ImeEmulator::TypeRomaji(char16_t key) {
  const ustring pending = composition_.PendingKeys();
  composition_.DropPending();
  const RomajiStep step = FeedRomaji(pending, key);
  for (const RomajiPiece& piece : step.done) {
    composition_.Insert(piece.literal ? ustring(1, ShapeAscii(piece.text[0])) : Shape(piece.text),
                        piece.keys);
  }
  for (char16_t letter : step.pending) composition_.InsertPending(ShapeAscii(letter), letter);
}

ustring ImeEmulator::Shape(ustring_view kana) const {
  ustring out = FitCodePage((conversion_ & kKatakana) ? ToKatakana(kana) : ustring(kana));
  return (conversion_ & kFullShape) ? out : ToHalfWidth(out);
}

ustring ImeEmulator::FitCodePage(ustring text) const {
  if (katakana_vu_) std::replace(text.begin(), text.end(), u'ゔ', u'ヴ');
  return text;
}

char16_t ImeEmulator::ShapeAscii(char16_t ch) const {
  return (conversion_ & kFullShape) ? ToFullWidthAscii(ch) : ch;
}

void ImeEmulator::ResolvePending() {
  const ustring pending = composition_.PendingKeys();
  if (pending.empty()) return;
  composition_.DropPending();
  for (const RomajiPiece& piece : FlushRomaji(pending)) {
    composition_.Insert(piece.literal ? ustring(1, ShapeAscii(piece.text[0])) : Shape(piece.text),
                        piece.keys);
  }
}

void ImeEmulator::SettleState() {
  if (composition_.Empty()) {
    state_ = ImeState::kIdle;
    clauses_.clear();
  } else if (clauses_.empty()) {
    state_ = ImeState::kComposing;
  } else {
    state_ = ImeState::kConverting;
  }
}

void ImeEmulator::DeleteBefore() {
  if (!composition_.RemovePendingKey()) composition_.DeleteBefore();
  SettleState();
}

void ImeEmulator::DeleteAfter() {
  ResolvePending();
  composition_.DeleteAfter();
  SettleState();
}

void ImeEmulator::MoveCaret(int step) {
  ResolvePending();
  composition_.SetCaret(composition_.Caret() + step);
}

void ImeEmulator::PlaceCaret(bool at_end) {
  ResolvePending();
  composition_.SetCaret(at_end ? composition_.Size() : 0);
}

ustring ImeEmulator::CompositionReading() const {
  return state_ == ImeState::kIdle ? ustring() : composition_.Reading();
}

ustring ImeEmulator::CompositionString() const {
  if (state_ != ImeState::kConverting) return composition_.Text();
  ustring out;
  for (const ClauseState& clause : clauses_) out += ClauseText(clause);
  return out;
}

int ImeEmulator::CaretInComposition() const {
  switch (state_) {
    case ImeState::kComposing:
      return composition_.Caret();
    case ImeState::kConverting:
      return static_cast<int>(CompositionString().size());
    case ImeState::kIdle:
      break;
  }
  return 0;
}

// ---- Conversion

void ImeEmulator::StartConversion() {
  ResolvePending();
  clauses_.clear();
  focus_ = 0;
  segment_base_ = 0;
  engine_backed_ =
      !composition_.Empty() && engine_->SetString(composition_.Text()) && LoadClauses(0);
  if (!engine_backed_) FallBackFrom(0);
  SettleState();
}

// Where the clauses before `first` end in the composition.
int ImeEmulator::ClausesEnd(int first) const {
  return first == 0 ? 0 : clauses_[first - 1].begin + clauses_[first - 1].length;
}

// Reads the engine's segments from clause `first` on; false when they do not
// cover the rest of the composition exactly.
bool ImeEmulator::LoadClauses(int first) {
  int position = ClausesEnd(first);
  clauses_.resize(first);
  for (int segment = segment_base_ + first; segment < engine_->SegmentCount(); ++segment) {
    const SegmentStat stat = engine_->GetSegmentStat(segment);
    if (stat.length <= 0 || stat.length > composition_.Size() - position) return false;
    ClauseState clause{position, stat.length, {}, 0, {}, false};
    for (int i = 0; i < stat.candidates; ++i) {
      if (ustring candidate = engine_->GetSegment(segment, i); !candidate.empty()) {
        clause.candidates.push_back(FitCodePage(std::move(candidate)));
      }
    }
    if (clause.candidates.empty()) {
      clause.candidates.push_back(composition_.Text(position, position + stat.length));
    }
    clauses_.push_back(std::move(clause));
    position += stat.length;
  }
  return position == composition_.Size() && static_cast<int>(clauses_.size()) > first;
}

// The rest of the composition as one clause that shows its own text; the
// engine is not asked about these clauses again.
void ImeEmulator::FallBackFrom(int first) {
  engine_backed_ = false;
  const int begin = ClausesEnd(first);
  clauses_.resize(first);
  if (begin < composition_.Size()) {
    clauses_.push_back({begin,
                        composition_.Size() - begin,
                        {composition_.Text(begin, composition_.Size())},
                        0,
                        {},
                        true});
  }
  focus_ = std::clamp(focus_, 0, std::max(static_cast<int>(clauses_.size()) - 1, 0));
}

void ImeEmulator::StepCandidate(int step) {
  // Clauses shown by F6-F10 straight from the reading have no candidates yet.
  if (!engine_backed_) {
    StartConversion();
    return;
  }
  ClauseState& clause = clauses_[focus_];
  const int count = static_cast<int>(clause.candidates.size());
  clause.forced.clear();
  clause.selected = ((clause.selected + step) % count + count) % count;
}

void ImeEmulator::Resize(int delta) {
  if (!engine_backed_) {
    StartConversion();
    return;
  }
  const ClauseState& clause = clauses_[focus_];
  const int length = clause.length + delta;
  if (length < 1 || clause.begin + length > composition_.Size()) return;
  engine_->ResizeSegment(segment_base_ + focus_, delta);
  if (!LoadClauses(focus_)) FallBackFrom(focus_);
}

void ImeEmulator::ShowForm(ImeCommand form) {
  if (state_ == ImeState::kComposing) {
    ResolvePending();
    clauses_.clear();
    FallBackFrom(0);
    focus_ = 0;
    SettleState();
  }
  if (clauses_.empty()) return;
  ClauseState& clause = clauses_[focus_];
  clause.forced = Form(form, clause.begin, clause.begin + clause.length);
}

ustring ImeEmulator::Form(ImeCommand form, int begin, int end) const {
  switch (form) {
    case ImeCommand::kToHiragana:
      return FitCodePage(ToHiragana(composition_.Text(begin, end)));
    case ImeCommand::kToKatakana:
      return ToKatakana(composition_.Text(begin, end));
    case ImeCommand::kToHalfWidth:
      return ToHalfWidth(composition_.Text(begin, end));
    case ImeCommand::kToWideAlphanumeric:
      return ToFullWidthAscii(composition_.Keys(begin, end));
    default:
      return composition_.Keys(begin, end);
  }
}

ustring ImeEmulator::ClauseText(const ClauseState& clause) const {
  return clause.forced.empty() ? clause.candidates[clause.selected] : clause.forced;
}

std::vector<ImeEmulator::Clause> ImeEmulator::Clauses() const {
  std::vector<Clause> out;
  if (state_ != ImeState::kConverting) return out;
  for (const ClauseState& clause : clauses_) {
    out.push_back({composition_.Reading(clause.begin, clause.begin + clause.length),
                   clause.candidates, clause.forced.empty() ? clause.selected : -1,
                   ClauseText(clause)});
  }
  return out;
}

// ---- Confirmation

void ImeEmulator::CommitAll() {
  if (state_ == ImeState::kConverting) {
    CommitClauses(static_cast<int>(clauses_.size()));
    return;
  }
  ResolvePending();
  ustring text = composition_.Text();
  ustring reading = composition_.Reading();
  composition_.Clear();
  SettleState();
  if (!text.empty()) Commit(std::move(text), std::move(reading));
}

void ImeEmulator::CommitToFocused() { CommitClauses(focus_ + 1); }

void ImeEmulator::CommitClauses(int count) {
  count = std::clamp(count, 0, static_cast<int>(clauses_.size()));
  if (count == 0) return;
  const int end = clauses_[count - 1].begin + clauses_[count - 1].length;
  ustring text;
  for (int i = 0; i < count; ++i) {
    text += ClauseText(clauses_[i]);
    if (engine_backed_ && clauses_[i].forced.empty()) {
      engine_->CommitSegment(segment_base_ + i, clauses_[i].selected);
    }
  }
  ustring reading = composition_.Reading(0, end);
  composition_.Erase(0, end);
  clauses_.erase(clauses_.begin(), clauses_.begin() + count);
  for (ClauseState& clause : clauses_) clause.begin -= end;
  segment_base_ += count;
  focus_ = 0;
  SettleState();
  Commit(std::move(text), std::move(reading));
}

void ImeEmulator::Commit(ustring text, ustring reading) {
  result_string_ = std::move(text);
  result_reading_ = std::move(reading);
  if (sink_) sink_(result_string_);
}

}  // namespace orvo::emu
