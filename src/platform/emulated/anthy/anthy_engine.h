// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Kana-kanji conversion by anthy. Readings are taken in any kana form and
// given to anthy as hiragana; characters that are not kana (digits, letters,
// symbols, punctuation) stay as typed in every segment's first candidate,
// the forms anthy offers for them (１２３ → 123, 百二十三) coming after.
#include <memory>
#include <string>
#include <vector>

#include "platform/emulated/anthy/anthy_reading.h"
#include "platform/emulated/ime/conversion_engine.h"

struct anthy_context;

namespace orvo::emu {

class AnthyLibrary;

struct AnthyOptions {
  // Where anthy keeps what it learns, in a ".anthy" folder it makes inside:
  // the program's per-user folder. Required; anthy is never left to choose,
  // as it would pick the account's home whatever $HOME says.
  std::string data_folder;
  // Off: choices are not told to anthy, and no learning data is read or
  // written (at most an empty lock file, when data_folder/.anthy exists).
  bool learning = true;
  // anthy's dictionary file; empty for the one anthy is set up with.
  std::string dictionary;
};

class AnthyEngine : public ConversionEngine {
 public:
  ~AnthyEngine() override;
  AnthyEngine(const AnthyEngine&) = delete;
  AnthyEngine& operator=(const AnthyEngine&) = delete;

  // False for an empty reading or one holding a NUL or a lone surrogate.
  bool SetString(ustring_view reading) override;
  int SegmentCount() const override { return static_cast<int>(segments_.size()); }
  SegmentStat GetSegmentStat(int segment) const override;
  ustring GetSegment(int segment, int candidate) const override;
  // `delta` counts units of the reading; a resize ending inside a character
  // anthy reads as one (ｶﾞ, a surrogate pair) goes on past it, the same way.
  void ResizeSegment(int segment, int delta) override;
  void CommitSegment(int segment, int candidate) override;

 private:
  friend std::unique_ptr<ConversionEngine> MakeAnthyEngine(const AnthyOptions&, std::string*);
  AnthyEngine(std::shared_ptr<AnthyLibrary> library, anthy_context* context, bool learning);

  struct Segment {
    int begin = 0;  // in anthy's characters
    int end = 0;
    std::vector<ustring> candidates;
    std::vector<int> anthy_index;  // of each candidate, as anthy numbers them
  };

  bool LoadSegments();
  Segment LoadSegment(int segment, int begin, int length, int candidates) const;
  bool Valid(int segment) const { return segment >= 0 && segment < SegmentCount(); }

  std::shared_ptr<AnthyLibrary> library_;
  anthy_context* context_;
  bool learning_;
  AnthyReading reading_;
  std::vector<Segment> segments_;
};

// nullptr and a message in `error` when anthy cannot start (no dictionary,
// no data folder, anthy already running with other options); the caller then
// converts with SimpleEngine (kana only).
std::unique_ptr<ConversionEngine> MakeAnthyEngine(const AnthyOptions& options, std::string* error);

}  // namespace orvo::emu
