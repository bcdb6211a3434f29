// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/mozc/mozc_session.h"

#include "platform/emulated/mozc/sexp.h"

namespace orvo::emu::mozc {
namespace {

// One request: its number, then the command and its arguments.
std::string Line(long id, std::string_view command) {
  std::string line = "(";
  line += std::to_string(id);
  line += ' ';
  line += command;
  line += ')';
  return line;
}

}  // namespace

MozcSession::MozcSession(std::unique_ptr<HelperTransport> transport, Timeouts timeouts)
    : transport_(std::move(transport)), timeouts_(timeouts) {}

void MozcSession::Break(std::string why) {
  if (!transport_) return;
  failure_ = std::move(why);
  transport_.reset();
  owed_.clear();
}

bool MozcSession::Open(std::string* error) {
  auto fail = [&](std::string why) {
    Break(std::move(why));
    if (error) *error = failure_;
    return false;
  };
  if (!transport_) return fail("the helper is not running");
  const std::optional<std::string> greeting = transport_->ReadLine(timeouts_.start_ms);
  const std::optional<Sexp> hello = greeting ? ParseSexp(*greeting) : std::nullopt;
  const Sexp* mark = hello ? hello->Value("mozc-emacs-helper") : nullptr;
  if (!mark || !mark->IsAtom("t")) return fail("the helper did not greet as mozc_emacs_helper does");
  const long id = next_id_++;
  if (!transport_->Send(Line(id, "CreateSession"))) {
    return fail("the helper stopped reading");
  }
  const std::optional<Reply> reply = Receive(id);
  if (!reply || reply->session.empty()) return fail(Broken() ? failure_ : "no session was opened");
  session_ = reply->session;
  return true;
}

std::string MozcSession::Request(std::string_view keys) {
  std::string command = "SendKey ";
  command += session_;
  command += ' ';
  command += keys;
  return Line(next_id_++, command);
}

std::optional<Reply> MozcSession::Receive(long id) {
  if (!transport_) return std::nullopt;
  const std::optional<std::string> line =
      transport_->ReadLine(started_ ? timeouts_.reply_ms : timeouts_.start_ms);
  if (!line) {
    Break("the helper did not answer in time");
    return std::nullopt;
  }
  return Accept(*line, id);
}

std::optional<Reply> MozcSession::Accept(const std::string& line, long id) {
  std::optional<Reply> reply = ParseReply(line);
  if (!reply || reply->error || reply->event_id != id) {
    Break(reply && reply->error ? "the helper refused a request" : "the helper answered garbage");
    return std::nullopt;
  }
  return reply;
}

std::optional<Reply> MozcSession::Exchange(std::string_view keys) {
  if (!transport_) return std::nullopt;
  Settle();
  if (!transport_) return std::nullopt;
  const long id = next_id_;
  if (!transport_->Send(Request(keys))) {
    Break("the helper stopped reading");
    return std::nullopt;
  }
  return Receive(id);
}

std::optional<Reply> MozcSession::Press(Key key) { return Exchange(NameOf(key)); }

// A key with the text as its key string: mozc takes the text as composed,
// whatever the key. The key is a plain letter, which every keymap inserts.
std::optional<Reply> MozcSession::Type(std::string_view text) {
  return Exchange("97 " + QuoteSexp(text));
}

void MozcSession::PressAhead(Key key, int expected_length) {
  if (!transport_) return;
  const long id = next_id_;
  if (!transport_->Send(Request(NameOf(key)))) return Break("the helper stopped reading");
  owed_.push_back({id, expected_length});
}

void MozcSession::TypeAhead(std::string_view text, int expected_length) {
  if (!transport_) return;
  const long id = next_id_;
  if (!transport_->Send(Request("97 " + QuoteSexp(text)))) {
    return Break("the helper stopped reading");
  }
  owed_.push_back({id, expected_length});
}

bool MozcSession::AsExpected(const Reply& reply, int expected_length) {
  if (expected_length < 0) return true;
  return (expected_length == 0 || reply.consumed) && !reply.Converting() &&
         CompositionLength(reply) == expected_length;
}

bool MozcSession::Settle() {
  bool as_expected = true;
  while (!owed_.empty() && transport_) {
    const Owed owed = owed_.front();
    owed_.pop_front();
    const std::optional<Reply> reply = Receive(owed.id);
    if (!reply) return false;
    as_expected = as_expected && AsExpected(*reply, owed.expected_length);
  }
  return as_expected && transport_;
}

bool MozcSession::Collect(bool& as_expected) {
  while (!owed_.empty() && transport_) {
    const std::optional<std::string> line = transport_->ReadLine(0);
    if (!line) return false;  // not come yet; a helper that is gone shows at the next wait
    const Owed owed = owed_.front();
    owed_.pop_front();
    const std::optional<Reply> reply = Accept(*line, owed.id);
    if (!reply) return false;
    as_expected = as_expected && AsExpected(*reply, owed.expected_length);
  }
  return owed_.empty();
}

int CompositionLength(const Reply& reply) {
  int length = 0;
  for (const PreeditSegment& segment : reply.preedit) length += segment.value_length;
  return length;
}

}  // namespace orvo::emu::mozc
