// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/emulated_ime.h"

#include "platform/emulated/text_box.h"

namespace orvo::emu {

bool EmulatedIme::IsWindow(WindowHandle window) const {
  return window != 0 && desktop_.FindTextBox(window) != nullptr;
}

ustring EmulatedIme::Description(KeyboardLayout layout) const {
  if (!IsIme(layout)) return u"";
  return engine_name_.empty() ? u"Orvo IME" : u"Orvo IME (" + engine_name_ + u")";
}

ImeContextHandle EmulatedIme::GetContext(WindowHandle window) {
  return IsWindow(window) ? window : 0;
}

int EmulatedIme::GetOpenStatus(ImeContextHandle context) const {
  const TextBox* box = desktop_.FindTextBox(context);
  if (box == nullptr) return -1;
  return box->Ime().Open() ? 1 : 0;
}

bool EmulatedIme::SetOpenStatus(ImeContextHandle context, bool open) {
  TextBox* box = desktop_.FindTextBox(context);
  if (box == nullptr) return false;
  box->Ime().SetOpen(open);
  return true;
}

bool EmulatedIme::GetConversionStatus(ImeContextHandle context, std::uint32_t& conversion,
                                      std::uint32_t& sentence) const {
  const TextBox* box = desktop_.FindTextBox(context);
  if (box == nullptr) return false;
  conversion = box->Ime().ConversionMode();
  sentence = 0;
  return true;
}

bool EmulatedIme::SetConversionStatus(ImeContextHandle context, std::uint32_t conversion,
                                      std::uint32_t) {
  TextBox* box = desktop_.FindTextBox(context);
  if (box == nullptr) return false;
  box->Ime().SetConversionMode(conversion);
  return true;
}

ustring EmulatedIme::GetCompositionString(ImeContextHandle context, std::uint32_t index) const {
  const TextBox* box = desktop_.FindTextBox(context);
  if (box == nullptr) return {};
  const ImeEmulator& ime = box->Ime();
  switch (index) {
    case gcs::kCompReadStr:
      return ime.CompositionReading();
    case gcs::kCompStr:
      return ime.CompositionString();
    case gcs::kResultReadStr:
      return ime.ResultReading();
    case gcs::kResultStr:
      return ime.ResultString();
    default:
      return {};
  }
}

bool EmulatedIme::GetCandidateChoice(ImeContextHandle context, int& selection, int& count) const {
  const TextBox* box = desktop_.FindTextBox(context);
  if (box == nullptr) return false;
  const ImeEmulator& ime = box->Ime();
  const int focus = ime.FocusedClause();
  if (focus < 0) return false;
  const std::vector<ImeEmulator::Clause> clauses = ime.Clauses();
  if (focus >= static_cast<int>(clauses.size())) return false;
  const ImeEmulator::Clause& clause = clauses[static_cast<std::size_t>(focus)];
  // A clause shown in another form (F6-F10) has no candidate chosen.
  if (clause.selected < 0 || clause.candidates.empty()) return false;
  selection = clause.selected;
  count = static_cast<int>(clause.candidates.size());
  return true;
}

}  // namespace orvo::emu
