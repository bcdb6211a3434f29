// SPDX-License-Identifier: GPL-3.0-or-later
// A view following the edit control is told each change of the text, in
// order, with ranges that turn the old text into the new.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/emulated/edit/edit_control_model.h"

namespace orvo::testing {
namespace {

// Keeps its own copy of the text by the changes it is told, as a view does.
class Follower : public emu::EditObserver {
 public:
  explicit Follower(emu::EditControlModel& model) : model_(&model), copy_(model.Text()) {}
  ~Follower() override {
    if (model_ != nullptr && model_->Observer() == this) model_->SetObserver(nullptr);
  }
  Follower(const Follower&) = delete;
  Follower& operator=(const Follower&) = delete;
  void TextReplaced(int start, int removed, int inserted) override {
    ++told_;
    copy_.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(removed),
                  model_->Text().substr(static_cast<std::size_t>(start), static_cast<std::size_t>(inserted)));
  }
  void TextReset() override {
    ++told_;
    copy_ = model_->Text();
  }
  void ModelGone() override { model_ = nullptr; }

  emu::EditControlModel* model_;
  ustring copy_;
  int told_ = 0;
};

TEST(EditObserverTest, EveryChangeOfTheTextIsToldInOrder) {
  emu::EditControlModel edit;
  Follower view(edit);
  edit.SetObserver(&view);
  const struct {
    const char* name;
    void (*act)(emu::EditControlModel&);
  } steps[] = {
      {"set", [](emu::EditControlModel& e) { e.SetText(u"ab\r\ncd"); }},
      {"type", [](emu::EditControlModel& e) { e.SetSel(2, 0); e.ReplaceSel(u"x\r\ny"); }},
      {"backspace a pair", [](emu::EditControlModel& e) { e.SetSel(4, 0); e.Backspace(); }},
      {"delete", [](emu::EditControlModel& e) { e.SetSel(0, 0); e.Delete(); }},
      {"replace across a break", [](emu::EditControlModel& e) { e.SetSel(1, 4); e.ReplaceSel(u"-"); }},
      {"undo", [](emu::EditControlModel& e) { e.Undo(); }},
      {"undo again", [](emu::EditControlModel& e) { e.Undo(); }},
      {"cut", [](emu::EditControlModel& e) {
         ustring clip;
         e.SetSel(0, 2); e.Cut(clip);
       }},
      {"paste", [](emu::EditControlModel& e) { e.Paste(u"𠮷\r\n"); }},
  };
  int told = 0;
  for (const auto& step : steps) {
    step.act(edit);
    EXPECT_EQ(view.copy_, edit.Text()) << step.name;
    EXPECT_GT(view.told_, told) << step.name;
    told = view.told_;
  }
}

TEST(EditObserverTest, NothingIsToldWhenNothingChanged) {
  emu::EditControlModel edit;
  edit.SetText(u"abc");
  Follower view(edit);
  edit.SetObserver(&view);
  edit.SetSel(1, 1);
  edit.MoveCaret(emu::CaretMove::kRight, false);
  edit.LineScroll(1, 1);
  edit.ReplaceSel(u"");  // nothing selected, nothing typed
  edit.SetLimit(3);
  edit.SetSel(3, 0);
  edit.ReplaceSel(u"d");  // no room: cut to nothing
  edit.FailNextGrowth();
  edit.SetSel(0, 0);
  edit.ReplaceSel(u"zz");  // out of memory: the text stays
  EXPECT_EQ(view.told_, 0);
  EXPECT_EQ(edit.Text(), u"abc");
}

TEST(EditObserverTest, TheViewHearsWhenTheControlGoes) {
  auto edit = std::make_unique<emu::EditControlModel>();
  Follower view(*edit);
  edit->SetObserver(&view);
  edit.reset();
  EXPECT_EQ(view.model_, nullptr);
}

}  // namespace
}  // namespace orvo::testing
