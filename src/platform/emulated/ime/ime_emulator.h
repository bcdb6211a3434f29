// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Japanese IME in romaji input mode, attached to one text box. The text
// box hands it every key-down; what the IME confirms comes back through the
// commit sink. Composition, preedit and composing text mean the same here: the
// underlined text not yet in the box. The reading is the composition as
// half-width katakana (ASCII stays ASCII); clauses exist only in conversion.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/emulated/ime/composition.h"
#include "platform/emulated/ime/conversion_engine.h"
#include "platform/emulated/ime/ime_keymap.h"
#include "platform/text.h"

namespace orvo::emu {

struct ImeKey {
  std::uint8_t vk = 0;  // Windows virtual key
  char16_t ch = 0;      // the ASCII character the layout gives with Shift/Caps Lock, 0 for none
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

class ImeEmulator {
 public:
  struct Clause {
    ustring reading;
    std::vector<ustring> candidates;
    int selected = 0;  // -1 while F6-F10 show the clause in another form
    ustring text;      // what the clause shows
  };

  // nullptr: a built-in engine whose candidates are the hiragana and katakana.
  explicit ImeEmulator(ConversionEngine* engine = nullptr);
  ~ImeEmulator();
  ImeEmulator(const ImeEmulator&) = delete;
  ImeEmulator& operator=(const ImeEmulator&) = delete;

  // IME mode of the text box: 2 closed, 4 hiragana, 5 katakana, 6 half-width
  // katakana, 7 full-width alphanumeric, 8 half-width alphanumeric (open);
  // 1 opens and 3 closes without changing the input mode, others are ignored.
  int ImeMode() const;
  void SetImeMode(int mode);
  bool Open() const { return open_; }
  // Closing confirms any composition.
  void SetOpen(bool open);
  // The text box lost the focus: the composition goes, nothing is confirmed.
  void CancelComposition();
  // ime_cmode bits. kRoman is kept for whoever asks; keys compose as romaji
  // either way (kana-key input is not emulated).
  std::uint32_t ConversionMode() const { return conversion_; }
  void SetConversionMode(std::uint32_t bits);

  // True when the IME took the key; the text box must then not act on it.
  // Never taken: keys with Ctrl and Alt both held, and while closed anything
  // but the Kanji key (which opens and closes). With no composition only
  // characters and Space are taken; while composing every key but modifiers,
  // F1-F5, F11, F12 and Ctrl/Alt combinations outside the key map.
  bool KeyDown(const ImeKey& key);
  // On a system whose code page has no ゔ (CP932) the IME composes ヴ in its
  // place, in readings, candidates and the hiragana form alike.
  void SetKatakanaVu(bool on) { katakana_vu_ = on; }
  bool KatakanaVu() const { return katakana_vu_; }
  void SetCommitSink(std::function<void(const ustring&)> sink) { sink_ = std::move(sink); }

  ImeState State() const { return state_; }
  bool Composing() const { return state_ != ImeState::kIdle; }
  bool Converting() const { return state_ == ImeState::kConverting; }
  ustring CompositionReading() const;
  ustring CompositionString() const;
  // Kept from the last confirmation until the next one.
  const ustring& ResultReading() const { return result_reading_; }
  const ustring& ResultString() const { return result_string_; }
  int CaretInComposition() const;

  std::vector<Clause> Clauses() const;
  int FocusedClause() const { return Converting() ? focus_ : -1; }

 private:
  struct ClauseState {
    int begin = 0;
    int length = 0;
    std::vector<ustring> candidates;
    int selected = 0;
    ustring forced;         // set by F6-F10
    bool complete = false;  // all the engine's candidates are in
  };

  void Execute(ImeCommand command);
  void AfterKey();
  void LoadCandidates(int clause);
  bool TypeChar(char16_t ch);
  void TypeRomaji(char16_t key);
  ustring Shape(ustring_view kana) const;
  ustring FitCodePage(ustring text) const;
  char16_t ShapeAscii(char16_t ch) const;
  void ResolvePending();
  void SettleState();

  void DeleteBefore();
  void DeleteAfter();
  void MoveCaret(int step);
  void PlaceCaret(bool at_end);

  void StartConversion();
  int ClausesEnd(int first) const;
  bool LoadClauses(int first);
  void FallBackFrom(int first);
  void StepCandidate(int step);
  void Resize(int delta);
  void ShowForm(ImeCommand form);
  ustring Form(ImeCommand form, int begin, int end) const;
  ustring ClauseText(const ClauseState& clause) const;

  void CommitAll();
  void CommitToFocused();
  void CommitClauses(int count);
  void Commit(ustring text, ustring reading);

  std::unique_ptr<ConversionEngine> own_engine_;
  ConversionEngine* engine_;
  bool open_ = false;
  bool katakana_vu_ = false;
  std::uint32_t conversion_;
  ImeState state_ = ImeState::kIdle;
  Composition composition_;

  std::vector<ClauseState> clauses_;
  int focus_ = 0;
  int segment_base_ = 0;  // engine segment of clauses_[0]; earlier ones are confirmed
  bool engine_backed_ = false;

  ustring result_reading_;
  ustring result_string_;
  std::function<void(const ustring&)> sink_;
};

}  // namespace orvo::emu
