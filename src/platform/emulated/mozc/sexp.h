// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The helper's replies are S-expressions, one a line: atoms, strings, lists
// and dotted pairs. This reads one line of them, strictly: anything else
// (a cut line, a stray quote, nesting past a sane depth) is no expression.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvo::emu::mozc {

struct Sexp {
  enum class Kind { kAtom, kString, kList };
  Kind kind = Kind::kAtom;
  std::string text;         // an atom's name or a string's value (UTF-8, unescaped)
  std::vector<Sexp> items;  // a list's elements; a dotted pair (a . b) holds a and b
  bool dotted = false;

  bool IsAtom(std::string_view name) const { return kind == Kind::kAtom && text == name; }
  // In an association list: the pair whose first element is the atom `key`.
  const Sexp* Find(std::string_view key) const;
  // The value of `key`: b of a pair (key . b); null for a missing key.
  const Sexp* Value(std::string_view key) const;
  // The elements after `key` in a list (key x y ...); empty for a missing key.
  std::vector<const Sexp*> Rest(std::string_view key) const;
  // An atom read as an integer; `fallback` when it is not one.
  long Integer(long fallback = -1) const;
};

std::optional<Sexp> ParseSexp(std::string_view line);

// A string literal the helper reads back as `text`.
std::string QuoteSexp(std::string_view text);

}  // namespace orvo::emu::mozc
