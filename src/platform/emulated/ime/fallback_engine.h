// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Converts with a first engine and, when it cannot, with a second. A reading
// the first engine cannot convert goes to the second for that reading only;
// once the first engine is broken for good, the second takes over and the
// owner is told once. The reading is never lost: when the first engine breaks
// in the middle of a conversion, the clauses it had fail to load and the IME
// shows the reading until the next conversion, which the second engine makes.
#include <functional>
#include <memory>

#include "platform/emulated/ime/conversion_engine.h"

namespace orvo::emu {

class FallbackEngine : public ConversionEngine {
 public:
  // `second` may be null: readings then stay unconverted once `first` fails.
  FallbackEngine(std::unique_ptr<ConversionEngine> first, std::unique_ptr<ConversionEngine> second,
                 std::function<void()> on_switch);

  bool SetString(ustring_view reading) override;
  int SegmentCount() const override;
  SegmentStat GetSegmentStat(int segment) const override;
  ustring GetSegment(int segment, int candidate) const override;
  void ResizeSegment(int segment, int delta) override;
  void CommitSegment(int segment, int candidate) override;
  void LoadCandidates(int segment) override;
  void Follow(ustring_view settled) override;

  // True once the second engine has taken over for good.
  bool Switched() const { return switched_; }

 private:
  ConversionEngine* Current() const { return current_; }
  // Moves to the second engine for good when the first has broken.
  bool CheckFirst();

  std::unique_ptr<ConversionEngine> first_;
  std::unique_ptr<ConversionEngine> second_;
  std::function<void()> on_switch_;
  ConversionEngine* current_ = nullptr;  // the engine holding this reading, or null
  bool switched_ = false;
};

}  // namespace orvo::emu
