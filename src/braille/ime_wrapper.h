// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One input context bound to one window, with the IME's open status and its
// composition and result strings.
#include <cstdint>

#include "platform/ime_service.h"

namespace orvo::braille {

class ImeWrapper {
 public:
  // What binding to a window ended in; the caller shows the message.
  enum class Bind { kOk, kInvalidWindow, kNoIme, kNotRomaji };

  explicit ImeWrapper(ImeService& ime);
  ~ImeWrapper();
  ImeWrapper(const ImeWrapper&) = delete;
  ImeWrapper& operator=(const ImeWrapper&) = delete;

  Bind SetIMETarget(WindowHandle window);  // IMETarget
  bool Alive() const { return alive_; }
  WindowHandle Target() const { return target_; }

  bool IME_OPEN() const;
  void SetIME_OPEN(bool open);
  ustring IMEName() const;
  ustring CompositionRead() const { return Read(gcs::kCompReadStr); }
  ustring CompositionWord() const { return Read(gcs::kCompStr); }
  ustring ResultRead() const { return Read(gcs::kResultReadStr); }
  ustring ResultWord() const { return Read(gcs::kResultStr); }
  ustring CompositionClause() const { return Read(gcs::kCompClause); }
  ustring CompReadClause() const { return Read(gcs::kCompReadClause); }
  ustring ResultClause() const { return Read(gcs::kResultClause); }
  // The number (from 1) of the candidate chosen on the clause being
  // converted; 0 while no candidate list is open.
  int CandidateNumber() const;

 private:
  ustring Read(std::uint32_t index) const;
  bool RomajiCheck();

  ImeService& ime_;
  std::int32_t last_result_ = 0;
  ImeContextHandle context_ = 0;
  WindowHandle target_ = 0;
  KeyboardLayout layout_ = 0;
  bool alive_ = true;
};

}  // namespace orvo::braille
