// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/ime/romaji_composer.h"

#include <functional>
#include <map>

#include "platform/emulated/ime/kana_forms.h"
#include "platform/emulated/ime/romaji_table.h"

namespace orvo::emu {
namespace {

// The table keyed by input; an ordered map also answers "is this the start of
// a longer rule" with one lower_bound.
class RuleIndex {
 public:
  RuleIndex() {
    for (const RomajiRule& rule : RomajiTable()) rules_.emplace(rule.input, &rule);
  }

  const RomajiRule* Exact(ustring_view keys) const {
    const auto it = rules_.find(keys);
    return it == rules_.end() ? nullptr : it->second;
  }

  bool StartsLongerRule(ustring_view keys) const {
    auto it = rules_.upper_bound(keys);
    return it != rules_.end() && it->first.size() > keys.size() &&
           it->first.substr(0, keys.size()) == keys;
  }

 private:
  std::map<ustring_view, const RomajiRule*, std::less<>> rules_;
};

const RuleIndex& Index() {
  static const RuleIndex index;
  return index;
}

void Emit(const RomajiRule& rule, std::vector<RomajiPiece>& done) {
  done.push_back({ustring(rule.output),
                  ustring(rule.input.substr(0, rule.input.size() - rule.pending.size())), false});
}

// Takes one finished piece off the front of keys that can no longer grow into
// a rule: the longest rule that starts them, or else the first key as it is.
ustring TakeFront(ustring_view keys, std::vector<RomajiPiece>& done) {
  for (std::size_t len = keys.size(); len > 0; --len) {
    if (const RomajiRule* rule = Index().Exact(keys.substr(0, len))) {
      Emit(*rule, done);
      return ustring(rule->pending) + ustring(keys.substr(len));
    }
  }
  done.push_back({ustring(keys.substr(0, 1)), ustring(keys.substr(0, 1)), true});
  return ustring(keys.substr(1));
}

}  // namespace

RomajiStep FeedRomaji(ustring_view pending, char16_t key) {
  RomajiStep step;
  ustring keys = ustring(pending) + key;
  // Every rule consumes more than it leaves pending, so keys shrink each turn.
  while (!keys.empty() && !Index().StartsLongerRule(keys)) keys = TakeFront(keys, step.done);
  step.pending = std::move(keys);
  return step;
}

std::vector<RomajiPiece> FlushRomaji(ustring_view pending) {
  std::vector<RomajiPiece> done;
  ustring keys(pending);
  while (!keys.empty()) keys = TakeFront(keys, done);
  return done;
}

ustring SpellKana(char16_t kana) {
  const ustring hiragana = ToHiragana(ustring_view(&kana, 1));
  for (const RomajiRule& rule : RomajiTable()) {
    if (rule.pending.empty() && ToHiragana(rule.output) == hiragana) return ustring(rule.input);
  }
  return {};
}

}  // namespace orvo::emu
