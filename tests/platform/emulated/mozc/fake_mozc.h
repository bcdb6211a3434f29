// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stand-in for mozc's helper, in this process: it composes what it is sent,
// converts by cutting the composition into segments of two characters, and
// offers for each the katakana, the hiragana and ten numbered forms. It can
// be told to stop answering, answer garbage or go away after some requests.
// A read it has nothing for fails at once, as a time limit running out would.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/emulated/ime/kana_forms.h"
#include "platform/emulated/mozc/helper_transport.h"
#include "platform/emulated/mozc/sexp.h"
#include "platform/text.h"

namespace orvo::emu::testing {

class FakeMozc : public mozc::HelperTransport {
 public:
  enum class Fault { kNone, kSilent, kGarbage, kGone };

  // From request number `after` on (counting every line sent), misbehave.
  void FailAfter(int after, Fault fault) {
    fail_after_ = after;
    fault_ = fault;
  }
  // The lines sent so far.
  const std::vector<std::string>& Requests() const { return requests_; }

  bool Send(std::string_view line) override {
    requests_.emplace_back(line);
    const Fault now = static_cast<int>(requests_.size()) > fail_after_ ? fault_ : Fault::kNone;
    if (now == Fault::kGone) return false;
    if (now == Fault::kSilent) return true;
    if (now == Fault::kGarbage) {
      replies_.push_back("((emacs-event-id . 1) garbage");
      return true;
    }
    replies_.push_back(Answer(line));
    return true;
  }

  std::optional<std::string> ReadLine(int) override {
    if (!greeted_) {
      greeted_ = true;
      return std::string("((mozc-emacs-helper . t)(version . \"fake\"))");
    }
    if (replies_.empty()) return std::nullopt;
    std::string line = replies_.front();
    replies_.pop_front();
    return line;
  }

 private:
  struct Segment {
    ustring key;
    int selected = 0;
  };

  static std::vector<ustring> Candidates(const ustring& key) {
    std::vector<ustring> out{ToKatakana(key), key};
    for (char16_t n = u'0'; n <= u'9'; ++n) out.push_back(key + n);
    return out;
  }

  void Cut(std::size_t from) {
    ustring rest;
    for (std::size_t i = from; i < segments_.size(); ++i) rest += segments_[i].key;
    segments_.resize(from);
    for (std::size_t at = 0; at < rest.size(); at += 2) segments_.push_back({rest.substr(at, 2), 0});
  }

  void Key(const std::string& keys, const std::string& text) {
    const bool converting = !segments_.empty();
    if (!text.empty()) {
      composition_ += FromUtf8(text);
    } else if (keys == "space" && !converting && !composition_.empty()) {
      segments_.push_back({composition_, 0});
      Cut(0);
      focus_ = 0;
    } else if ((keys == "space" || keys == "down") && converting) {
      segments_[focus_].selected = (segments_[focus_].selected + 1) % 12;
    } else if (keys == "up" && converting) {
      segments_[focus_].selected = (segments_[focus_].selected + 11) % 12;
    } else if (keys == "right" && converting) {
      focus_ = std::min(focus_ + 1, static_cast<int>(segments_.size()) - 1);
    } else if (keys == "left" && converting) {
      focus_ = std::max(focus_ - 1, 0);
    } else if (keys == "shift left" && converting && segments_[focus_].key.size() > 1) {
      const char16_t moved = segments_[focus_].key.back();
      segments_[focus_].key.pop_back();
      if (focus_ + 1 == static_cast<int>(segments_.size())) segments_.push_back({});
      segments_[focus_ + 1].key.insert(0, 1, moved);
      Cut(focus_ + 1);
    } else if (keys == "ctrl down" && converting) {
      result_ = Candidates(segments_[0].key)[segments_[0].selected];
      composition_.erase(0, segments_[0].key.size());
      segments_.erase(segments_.begin());
      focus_ = 0;
    } else if (keys == "escape") {
      if (converting) {
        segments_.clear();
      } else {
        composition_.clear();
      }
    } else if (keys == "backspace" && !converting && !composition_.empty()) {
      composition_.pop_back();
    }
  }

  std::string Answer(std::string_view line) {
    const std::optional<mozc::Sexp> request = mozc::ParseSexp(line);
    if (!request || request->items.size() < 2) return "((error . scan-error))";
    const std::string id = request->items[0].text;
    const std::string command = request->items[1].text;
    if (command == "CreateSession") {
      return "((emacs-event-id . " + id + ")(emacs-session-id . 1)(output . ()))";
    }
    std::string keys, text;
    for (std::size_t i = 3; i < request->items.size(); ++i) {
      const mozc::Sexp& item = request->items[i];
      if (item.kind == mozc::Sexp::Kind::kString) {
        text = item.text;
      } else if (item.text != "97") {
        keys += (keys.empty() ? "" : " ") + item.text;
      }
    }
    result_.clear();
    Key(keys, text);
    return "((emacs-event-id . " + id + ")(emacs-session-id . 1)(output . ((consumed . t)" +
           Preedit() + CandidateList() + Result() + ")))";
  }

  static std::string SegmentSexp(const ustring& value, const ustring& key, bool highlight) {
    return std::string("((annotation . ") + (highlight ? "highlight" : "underline") +
           ")(value . " + mozc::QuoteSexp(ToUtf8(value)) + ")(value-length . " +
           std::to_string(value.size()) + ")(key . " + mozc::QuoteSexp(ToUtf8(key)) + "))";
  }

  std::string Preedit() const {
    if (composition_.empty()) return {};
    std::string out = "(preedit . ((segment ";
    if (segments_.empty()) {
      out += SegmentSexp(composition_, composition_, false);
    } else {
      for (std::size_t i = 0; i < segments_.size(); ++i) {
        const auto& s = segments_[i];
        out += SegmentSexp(Candidates(s.key)[s.selected], s.key, static_cast<int>(i) == focus_);
      }
    }
    return out + ")))";
  }

  std::string CandidateList() const {
    if (segments_.empty()) return {};
    const auto& s = segments_[focus_];
    std::string out = "(all-candidate-words . ((focused-index . " + std::to_string(s.selected) +
                      ")(candidates ";
    const std::vector<ustring> all = Candidates(s.key);
    for (std::size_t i = 0; i < all.size(); ++i) {
      out += "((index . " + std::to_string(i) + ")(value . " + mozc::QuoteSexp(ToUtf8(all[i])) + "))";
    }
    return out + ")(category . conversion)))";
  }

  std::string Result() const {
    if (result_.empty()) return {};
    return "(result . ((type . string)(value . " + mozc::QuoteSexp(ToUtf8(result_)) + ")))";
  }

  int fail_after_ = 1 << 30;
  Fault fault_ = Fault::kNone;
  bool greeted_ = false;
  std::vector<std::string> requests_;
  std::deque<std::string> replies_;
  ustring composition_;
  std::vector<Segment> segments_;
  int focus_ = 0;
  ustring result_;
};

}  // namespace orvo::emu::testing
