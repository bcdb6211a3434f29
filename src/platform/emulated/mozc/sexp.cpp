// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/mozc/sexp.h"

#include <charconv>

namespace orvo::emu::mozc {
namespace {

constexpr int kMaxDepth = 64;

bool IsSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }
bool EndsAtom(char ch) { return IsSpace(ch) || ch == '(' || ch == ')' || ch == '"'; }

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  std::optional<Sexp> Whole() {
    std::optional<Sexp> out = Read(0);
    SkipSpace();
    if (!out || at_ != text_.size()) return std::nullopt;
    return out;
  }

 private:
  void SkipSpace() {
    while (at_ < text_.size() && IsSpace(text_[at_])) ++at_;
  }

  std::optional<Sexp> Read(int depth) {
    SkipSpace();
    if (at_ >= text_.size() || depth > kMaxDepth) return std::nullopt;
    if (text_[at_] == '(') return List(depth);
    if (text_[at_] == '"') return String();
    if (text_[at_] == ')') return std::nullopt;
    const std::size_t start = at_;
    while (at_ < text_.size() && !EndsAtom(text_[at_])) ++at_;
    return Sexp{Sexp::Kind::kAtom, std::string(text_.substr(start, at_ - start)), {}, false};
  }

  std::optional<Sexp> List(int depth) {
    ++at_;  // (
    Sexp list{Sexp::Kind::kList, {}, {}, false};
    for (;;) {
      SkipSpace();
      if (at_ >= text_.size()) return std::nullopt;
      if (text_[at_] == ')') {
        ++at_;
        return list;
      }
      std::optional<Sexp> item = Read(depth + 1);
      if (!item) return std::nullopt;
      if (item->IsAtom(".")) {
        // (a . b): exactly one element before and one after.
        if (list.items.size() != 1 || list.dotted) return std::nullopt;
        std::optional<Sexp> tail = Read(depth + 1);
        SkipSpace();
        if (!tail || at_ >= text_.size() || text_[at_] != ')') return std::nullopt;
        ++at_;
        list.items.push_back(std::move(*tail));
        list.dotted = true;
        return list;
      }
      list.items.push_back(std::move(*item));
    }
  }

  std::optional<Sexp> String() {
    ++at_;  // "
    std::string out;
    while (at_ < text_.size()) {
      const char ch = text_[at_++];
      if (ch == '"') return Sexp{Sexp::Kind::kString, std::move(out), {}, false};
      if (ch != '\\') {
        out += ch;
        continue;
      }
      if (at_ >= text_.size()) return std::nullopt;
      const char escaped = text_[at_++];
      out += escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped == 'r' ? '\r' : escaped;
    }
    return std::nullopt;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

const Sexp* Sexp::Find(std::string_view key) const {
  if (kind != Kind::kList) return nullptr;
  for (const Sexp& item : items) {
    if (item.kind == Kind::kList && !item.items.empty() && item.items.front().IsAtom(key)) {
      return &item;
    }
  }
  return nullptr;
}

const Sexp* Sexp::Value(std::string_view key) const {
  const Sexp* pair = Find(key);
  return pair && pair->dotted ? &pair->items[1] : nullptr;
}

std::vector<const Sexp*> Sexp::Rest(std::string_view key) const {
  std::vector<const Sexp*> out;
  const Sexp* list = Find(key);
  if (!list || list->dotted) return out;
  for (std::size_t i = 1; i < list->items.size(); ++i) out.push_back(&list->items[i]);
  return out;
}

long Sexp::Integer(long fallback) const {
  if (kind != Kind::kAtom) return fallback;
  long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end ? value : fallback;
}

std::optional<Sexp> ParseSexp(std::string_view line) { return Reader(line).Whole(); }

std::string QuoteSexp(std::string_view text) {
  std::string out = "\"";
  for (const char ch : text) {
    switch (ch) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        out += ch;
    }
  }
  return out + "\"";
}

}  // namespace orvo::emu::mozc
