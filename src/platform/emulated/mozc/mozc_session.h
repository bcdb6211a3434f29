// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One mozc session through the helper: requests numbered in order, replies
// matched to them. Requests may be sent ahead without waiting; their replies
// are read, in order, before the next request that waits. Any reply missing
// in time, out of order, unreadable or refused breaks the session for good:
// the helper is ended and every later request fails at once.
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/emulated/mozc/helper_transport.h"
#include "platform/emulated/mozc/mozc_keys.h"
#include "platform/emulated/mozc/mozc_reply.h"

namespace orvo::emu::mozc {

struct Timeouts {
  int start_ms = 5000;  // the helper's greeting and the first conversion (mozc_server starting)
  int reply_ms = 2000;  // any other reply (a server that left when idle starts again within it)
};

class MozcSession {
 public:
  MozcSession(std::unique_ptr<HelperTransport> transport, Timeouts timeouts);

  // Reads the helper's greeting and opens a session; false (broken) on failure.
  bool Open(std::string* error);
  bool Broken() const { return !transport_; }
  const std::string& Failure() const { return failure_; }

  // Sends a key, or text typed as one key (`text` as UTF-8), and waits for its reply.
  std::optional<Reply> Press(Key key);
  std::optional<Reply> Type(std::string_view text);
  // The same without waiting; `expected_length` is the composition's length in
  // characters the reply must show, or -1 for any.
  void PressAhead(Key key, int expected_length);
  void TypeAhead(std::string_view text, int expected_length);
  // Reads the replies still owed; false when one did not show what was
  // expected (the session is fine, the composition is not known).
  bool Settle();
  // Reads the owed replies that have come already, waiting for none; true
  // when none is owed any more. `as_expected` turns false as Settle's would.
  bool Collect(bool& as_expected);
  // The wait of the next reply: the longer one until mozc has converted once.
  void Started() { started_ = true; }

 private:
  std::string Request(std::string_view keys);
  std::optional<Reply> Exchange(std::string_view keys);
  std::optional<Reply> Receive(long id);
  std::optional<Reply> Accept(const std::string& line, long id);
  static bool AsExpected(const Reply& reply, int expected_length);
  void Break(std::string why);

  struct Owed {
    long id;
    int expected_length;
  };

  std::unique_ptr<HelperTransport> transport_;
  Timeouts timeouts_;
  std::string session_;
  long next_id_ = 1;
  std::deque<Owed> owed_;
  bool started_ = false;
  std::string failure_;
};

// Characters of the composition a reply shows.
int CompositionLength(const Reply& reply);

}  // namespace orvo::emu::mozc
