// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cell conversion: each closed cell, read by Japanese braille rules in
// the current input mode, becomes romaji or ASCII typed key by key into the
// IME. Prefix cells wait for the next cell; mode cells switch the mode;
// capital signs count.
#include <array>

#include "braille/cell_codes.h"
#include "braille/cell_display.h"
#include "braille/editor_window.h"
#include "braille/ime_mirrors.h"
#include "braille/input_state.h"
#include "braille/key_synth.h"
#include "toolkit/program_host.h"
#include "platform/text.h"

namespace orvo::braille {

class ImeControl;
class InputModes;

// What RestoreComposition types again.
enum class Restore {
  kReading = 0,  // the composition's reading
  kResult = 1,   // the last confirmed text, taken out of the document first
};

// What converting one cell came to.
struct CellResult {
  // What the tables gave for the cell (or for it after a waiting prefix),
  // typed key by key; empty while a prefix waits and when a mode switched.
  ustring text;
  // Nothing could be typed for it (no entry, a character without a key, or
  // the cell dropped on the way): told to the user, the cell display emptied.
  bool failed = false;
};

class CellConversion {
 public:
  struct Ports {
    ProgramHost& host;
    CellDisplay& display;
    ImeMirrors& mirrors;
    EditorWindow& window;
  };
  struct Modules {
    InputModes& modes;
    ImeControl& ime;
  };
  CellConversion(InputState& state, KeySynth& keys, const Ports& ports, const Modules& modules)
      : s_(state), keys_(keys), p_(ports), m_(modules) {}

  CellResult Convert(CellCode cell);
  // The cell being converted goes no further: braille mode switched, or a
  // chord was dropped, while its keys were typed.
  void DropCell() { cell_dropped_ = true; }
  // Empties result and pending cells, clears prefix pending and the no-output flag.
  void Reset();
  // A mark whose cell also begins a special sound (？ 。 KAKKO) waits for the
  // next cell; whatever else comes first has it typed now. True when typed.
  bool TypePendingSign();
  void RestoreComposition(Restore which);

  bool NoOutput() const { return no_output_; }
  bool PrefixPending() const { return prefix_pending_; }
  bool SignPending() const { return prefix_pending_ && sign_waits_; }
  const ustring& PendingCells() const { return pending_; }
  int CapitalCount() const { return capital_count_; }
  void SetCapitalCount(int count) { capital_count_ = count; }

 private:
  // What the prefix check made of a first cell.
  enum class PrefixResult {
    kLookUp,    // look the cell up on its own
    kWait,      // a prefix: wait for the next cell
    kSignWaits,  // a mark that may begin a special sound: wait for the next cell
    kSwitched,  // a mode cell: the mode switched, nothing typed
  };
  PrefixResult CheckPrefix(char16_t cell);
  ustring LookupSingleCell(char16_t cell);
  // False when a character had no key: that failure is told.
  bool TypeResult(const ustring& result);
  // The waiting mark typed, as TypePendingSign does; false when it failed.
  bool TypeSign();
  CellResult Finish(ustring result);

  InputState& s_;
  KeySynth& keys_;
  Ports p_;
  Modules m_;
  bool prefix_pending_ = false;
  bool sign_waits_ = false;  // the pending prefix types a mark of its own if nothing combines
  ustring pending_;
  bool cell_dropped_ = false;
  int capital_count_ = 0;
  bool no_output_ = false;
  std::array<bool, 3> bracket_closes_next_{};  // corner, parenthesis, angle; for the whole run
};

}  // namespace orvo::braille
