// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object: where the program lives, how it was started, and
// the platform's own message box for the moments before any window exists.
#include "platform/text.h"

namespace orvo {

// Icon flags of the standard message box.
namespace mb_icon {
inline constexpr int kNone = 0;
inline constexpr int kStop = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
}  // namespace mb_icon

class AppHost {
 public:
  virtual ~AppHost() = default;

  // The program folder (may or may not end in a separator).
  virtual ustring Path() const = 0;
  // The folder separator of file paths: a backslash on Windows, '/' elsewhere.
  virtual char16_t PathSeparator() const = 0;
  // True when another copy of the program is running. A false answer makes
  // this run the one instance until it ends.
  virtual bool PreviousInstance() = 0;
  virtual ustring CommandLine() const = 0;
  // Who runs the program, as the system numbers users; a recovery copy
  // written by anyone else is refused. Empty where users are not told apart.
  virtual std::string UserId() const { return {}; }

  virtual const ustring& Title() const = 0;
  virtual void SetTitle(ustring title) = 0;

  // A standard message box with a single OK button.
  virtual void StandardMessage(const ustring& text, int icon, const ustring& title) = 0;

  // Ends the program: no further events are delivered.
  virtual void End() = 0;
  virtual bool Ended() const = 0;
};

}  // namespace orvo
