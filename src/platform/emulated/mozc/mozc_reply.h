// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one reply of the helper says, as far as converting needs it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvo::emu::mozc {

struct PreeditSegment {
  std::string value;  // as shown: the converted text while converting
  std::string key;    // its reading, as mozc holds it
  int value_length = 0;
  bool highlighted = false;  // the focused segment while converting
};

struct Reply {
  long event_id = -1;
  bool error = false;  // the helper refused the request (it exits after saying so)
  bool consumed = false;
  std::vector<PreeditSegment> preedit;
  // The focused segment's candidates while converting (all of them, in
  // mozc's order), and the one selected; empty outside conversion.
  std::vector<std::string> candidates;
  int selected = -1;
  bool has_result = false;  // text was confirmed
  std::string result;
  std::string session;  // the helper's session number, as it names it

  bool Converting() const { return !candidates.empty(); }
  int Highlighted() const;
};

// nullopt for a line that is not a reply of the helper.
std::optional<Reply> ParseReply(std::string_view line);

}  // namespace orvo::emu::mozc
