// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/mozc/mozc_reply.h"

#include "platform/emulated/mozc/sexp.h"

namespace orvo::emu::mozc {
namespace {

std::string StringOf(const Sexp* value) {
  return value && value->kind == Sexp::Kind::kString ? value->text : std::string();
}

void ReadPreedit(const Sexp& output, Reply& reply) {
  const Sexp* preedit = output.Value("preedit");
  if (!preedit) return;
  for (const Sexp* segment : preedit->Rest("segment")) {
    PreeditSegment s;
    s.value = StringOf(segment->Value("value"));
    s.key = StringOf(segment->Value("key"));
    if (const Sexp* length = segment->Value("value-length")) s.value_length = static_cast<int>(length->Integer(0));
    const Sexp* annotation = segment->Value("annotation");
    s.highlighted = annotation && annotation->IsAtom("highlight");
    reply.preedit.push_back(std::move(s));
  }
}

// Only a conversion's list: while composing, mozc lists suggestions there.
void ReadCandidates(const Sexp& output, Reply& reply) {
  const Sexp* words = output.Value("all-candidate-words");
  if (!words) return;
  const Sexp* category = words->Value("category");
  if (!category || !category->IsAtom("conversion")) return;
  for (const Sexp* candidate : words->Rest("candidates")) {
    reply.candidates.push_back(StringOf(candidate->Value("value")));
  }
  const Sexp* focused = words->Value("focused-index");
  reply.selected = focused ? static_cast<int>(focused->Integer(-1)) : -1;
}

}  // namespace

int Reply::Highlighted() const {
  for (std::size_t i = 0; i < preedit.size(); ++i) {
    if (preedit[i].highlighted) return static_cast<int>(i);
  }
  return -1;
}

std::optional<Reply> ParseReply(std::string_view line) {
  const std::optional<Sexp> sexp = ParseSexp(line);
  if (!sexp || sexp->kind != Sexp::Kind::kList) return std::nullopt;
  Reply reply;
  if (sexp->Find("error")) {
    reply.error = true;
    return reply;
  }
  const Sexp* id = sexp->Value("emacs-event-id");
  const Sexp* output = sexp->Value("output");
  if (!id || !output || output->kind != Sexp::Kind::kList) return std::nullopt;
  reply.event_id = id->Integer(-1);
  if (reply.event_id < 0) return std::nullopt;
  if (const Sexp* session = sexp->Value("emacs-session-id")) reply.session = session->text;
  if (const Sexp* consumed = output->Value("consumed")) reply.consumed = consumed->IsAtom("t");
  ReadPreedit(*output, reply);
  ReadCandidates(*output, reply);
  if (const Sexp* result = output->Value("result")) {
    reply.has_result = true;
    reply.result = StringOf(result->Value("value"));
  }
  return reply;
}

}  // namespace orvo::emu::mozc
