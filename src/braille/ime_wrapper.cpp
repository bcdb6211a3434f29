// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/ime_wrapper.h"

namespace orvo::braille {
namespace {
constexpr std::size_t kNameChars = 64;
}  // namespace

ImeWrapper::ImeWrapper(ImeService& ime) : ime_(ime), layout_(ime.CurrentLayout()) {}

ImeWrapper::~ImeWrapper() {
  if (context_ != 0) ime_.ReleaseContext(target_, context_);
  alive_ = false;
}

ImeWrapper::Bind ImeWrapper::SetIMETarget(WindowHandle window) {
  if (context_ != 0) ime_.ReleaseContext(target_, context_);
  context_ = 0;
  if (!ime_.IsWindow(window)) {
    alive_ = false;
    return Bind::kInvalidWindow;
  }
  if (!ime_.IsIme(layout_)) {
    alive_ = false;
    return Bind::kNoIme;
  }
  target_ = window;
  context_ = ime_.GetContext(window);
  if (!RomajiCheck()) {
    ime_.ReleaseContext(target_, context_);
    context_ = 0;
    alive_ = false;
    return Bind::kNotRomaji;
  }
  return Bind::kOk;
}

bool ImeWrapper::RomajiCheck() {
  std::uint32_t conversion = 0;
  std::uint32_t sentence = 0;
  last_result_ = ime_.GetConversionStatus(context_, conversion, sentence) ? 1 : 0;
  if (conversion & ime_cmode::kRoman) return true;
  if (ime_.IsNtFamily()) return false;
  last_result_ = ime_.SetConversionStatus(context_, conversion | ime_cmode::kRoman, sentence) ? 1 : 0;
  return true;
}

bool ImeWrapper::IME_OPEN() const { return context_ != 0 && ime_.GetOpenStatus(context_) == 1; }

void ImeWrapper::SetIME_OPEN(bool open) {
  if (context_ != 0) last_result_ = ime_.SetOpenStatus(context_, open) ? 1 : 0;
}

ustring ImeWrapper::IMEName() const {
  ustring name = ime_.Description(layout_).substr(0, kNameChars);
  return name.substr(0, name.find(u'\0'));
}

ustring ImeWrapper::Read(std::uint32_t index) const {
  if (context_ == 0) return {};
  const ustring text = ime_.GetCompositionString(context_, index);
  return text.substr(0, text.find(u'\0'));
}

int ImeWrapper::CandidateNumber() const {
  int selection = 0;
  int count = 0;
  if (context_ == 0 || !ime_.GetCandidateChoice(context_, selection, count)) return 0;
  return selection >= 0 && selection < count ? selection + 1 : 0;
}

}  // namespace orvo::braille
