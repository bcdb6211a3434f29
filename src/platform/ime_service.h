// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The input-method services the program asks of the platform, in the shape of
// the Windows IMM interface: an input context per window, its open status,
// conversion mode and composition strings.
#include <cstdint>

#include "platform/edit_control.h"
#include "platform/text.h"

namespace orvo {

using ImeContextHandle = std::uintptr_t;
using KeyboardLayout = std::uintptr_t;

namespace ime_cmode {
inline constexpr std::uint32_t kNative = 0x01;
inline constexpr std::uint32_t kKatakana = 0x02;
inline constexpr std::uint32_t kFullShape = 0x08;
inline constexpr std::uint32_t kRoman = 0x10;
}  // namespace ime_cmode

// Indexes of the composition strings.
namespace gcs {
inline constexpr std::uint32_t kCompReadStr = 0x0001;
inline constexpr std::uint32_t kCompReadClause = 0x0004;
inline constexpr std::uint32_t kCompStr = 0x0008;
inline constexpr std::uint32_t kCompClause = 0x0020;
inline constexpr std::uint32_t kResultReadStr = 0x0200;
inline constexpr std::uint32_t kResultStr = 0x0800;
inline constexpr std::uint32_t kResultClause = 0x1000;
}  // namespace gcs

class ImeService {
 public:
  virtual ~ImeService() = default;

  virtual bool IsWindow(WindowHandle window) const = 0;
  virtual KeyboardLayout CurrentLayout() const = 0;
  virtual bool IsIme(KeyboardLayout layout) const = 0;
  virtual ustring Description(KeyboardLayout layout) const = 0;
  // The NT family cannot have its input mode set by a program.
  virtual bool IsNtFamily() const = 0;

  virtual ImeContextHandle GetContext(WindowHandle window) = 0;  // 0: none
  virtual void ReleaseContext(WindowHandle window, ImeContextHandle context) = 0;

  // 1 open, 0 closed; any other value is a failed read.
  virtual int GetOpenStatus(ImeContextHandle context) const = 0;
  virtual bool SetOpenStatus(ImeContextHandle context, bool open) = 0;
  virtual bool GetConversionStatus(ImeContextHandle context, std::uint32_t& conversion,
                                   std::uint32_t& sentence) const = 0;
  virtual bool SetConversionStatus(ImeContextHandle context, std::uint32_t conversion,
                                   std::uint32_t sentence) = 0;
  virtual ustring GetCompositionString(ImeContextHandle context, std::uint32_t index) const = 0;
  // The candidate list open on the clause being converted, as ImmGetCandidateList
  // gives it: the chosen candidate (from 0) and how many there are. False while
  // no list is open, or where the system does not tell.
  virtual bool GetCandidateChoice(ImeContextHandle context, int& selection, int& count) const {
    (void)context, (void)selection, (void)count;
    return false;
  }
};

}  // namespace orvo
