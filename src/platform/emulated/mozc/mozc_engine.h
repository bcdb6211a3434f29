// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Kana-kanji conversion by mozc, through one session of its Emacs helper.
// The composition is fed to mozc as it is typed (Follow), so converting costs
// one exchange; the candidates of a segment after the first come when the
// segment is focused, one exchange more.
// Candidates keep the reading's literals first, as with every engine.
// Choices are confirmed in mozc, which learns from them as it does for the
// person's desktop; cancelling leaves nothing behind in mozc.
#include <memory>
#include <string>
#include <vector>

#include "platform/emulated/ime/conversion_engine.h"
#include "platform/emulated/mozc/mozc_reading.h"
#include "platform/emulated/mozc/mozc_session.h"

namespace orvo::emu::mozc {

class MozcEngine : public ConversionEngine {
 public:
  // The session must be open. Without learning, choices are not confirmed
  // in mozc: the conversion is cancelled there instead.
  MozcEngine(std::unique_ptr<MozcSession> session, bool learning);

  // False for a reading mozc cannot be given or whose segments do not cover
  // it; then mozc is left with nothing composed.
  bool SetString(ustring_view reading) override;
  int SegmentCount() const override { return static_cast<int>(segments_.size()); }
  SegmentStat GetSegmentStat(int segment) const override;
  ustring GetSegment(int segment, int candidate) const override;
  // `delta` counts units of the reading; a resize ending inside a character
  // mozc reads as one (ｶﾞ) goes on past it, the same way.
  void ResizeSegment(int segment, int delta) override;
  void CommitSegment(int segment, int candidate) override;
  // mozc lists the candidates of its focused segment only: a segment's come
  // when the focus passes it (this moves the focus there).
  void LoadCandidates(int segment) override;
  void Follow(ustring_view settled) override;
  bool Broken() const override { return session_->Broken(); }

  const std::string& Failure() const { return session_->Failure(); }

 private:
  struct Segment {
    int begin = 0;  // characters of the form sent
    int end = 0;
    std::vector<ustring> candidates;
    std::vector<int> mozc_index;  // of each candidate in mozc's list; -1 for none
    int mozc_selected = 0;
    bool loaded = false;  // all of mozc's candidates are in, not just the one shown
  };
  enum class State { kEmpty, kComposing, kConverting, kUnknown };

  bool Valid(int segment) const { return segment >= 0 && segment < SegmentCount(); }
  // mozc composing exactly `text` (the form sent), waiting for nothing.
  void FeedAhead(const ustring& text);
  // mozc composing `text`, checked; false when it could not be brought there.
  bool Compose(const ustring& text);
  bool Clear();
  // Reads the segments of a conversion reply from `first` on, moving mozc's
  // focus through them; false when they do not fit the reading.
  bool LoadFrom(int first, const Reply& reply);
  Segment MakeSegment(int begin, int end, const Reply& reply) const;
  // A segment mozc has not focused yet: only what it shows.
  Segment ShownSegment(int begin, int end, const PreeditSegment& shown) const;
  bool FocusOn(int segment);
  bool Select(int segment, int mozc_index);
  void Forget();

  std::unique_ptr<MozcSession> session_;
  bool learning_;
  State state_ = State::kEmpty;
  ustring fed_;  // what mozc composes while kComposing (the form sent)
  MozcReading reading_;
  std::vector<Segment> segments_;
  int committed_ = 0;  // segments confirmed in mozc; mozc's first is this one
  int focus_ = 0;      // mozc's focused segment, as numbered here
};

}  // namespace orvo::emu::mozc
