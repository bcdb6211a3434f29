#include <gtest/gtest.h>

#include "platform/emulated/edit/edit_control_model.h"

namespace orvo::emu {
namespace {

TEST(EditUndoTest, NothingToUndoAtFirst) {
  EditControlModel edit;
  edit.SetText(u"abc");
  EXPECT_FALSE(edit.CanUndo());
  edit.Undo();
  EXPECT_EQ(edit.Text(), u"abc");
  EXPECT_FALSE(edit.Modified());
}

// Each case edits "abcdef" (caret at 3) and undoes once.
TEST(EditUndoTest, OneUndoTakesBackTheWholeRun) {
  struct Case {
    const char* name;
    void (*edit)(EditControlModel&);
    const char16_t* edited;
  };
  const Case cases[] = {
      {"typing",
       [](EditControlModel& e) {
         for (auto k : {u"x", u"y", u"\r\n", u"あ"}) e.ReplaceSel(k);
       },
       u"abcxy\r\nあdef"},
      {"backspaces",
       [](EditControlModel& e) {
         e.Backspace();
         e.Backspace();
       },
       u"adef"},
      {"deletes",
       [](EditControlModel& e) {
         e.Delete();
         e.Delete();
       },
       u"abcf"},
      {"backspace then typing",
       [](EditControlModel& e) {
         e.Backspace();
         e.ReplaceSel(u"Z");
       },
       u"abZdef"},
      {"selection replaced",
       [](EditControlModel& e) {
         e.SetSel(1, 4);
         e.ReplaceSel(u"Q");
         e.ReplaceSel(u"R");
       },
       u"aQRf"},
  };
  for (const Case& c : cases) {
    EditControlModel edit;
    edit.SetText(u"abcdef");
    edit.SetSel(3, 0);
    c.edit(edit);
    ASSERT_EQ(edit.Text(), c.edited) << c.name;
    ASSERT_TRUE(edit.CanUndo()) << c.name;
    edit.Undo();
    EXPECT_EQ(edit.Text(), u"abcdef") << c.name;
    edit.Undo();  // the second undo redoes
    EXPECT_EQ(edit.Text(), c.edited) << c.name;
  }
}

TEST(EditUndoTest, TypingElsewhereStartsANewStep) {
  EditControlModel edit;
  edit.SetText(u"abc");
  edit.SetSel(3, 0);
  edit.ReplaceSel(u"1");
  edit.SetSel(0, 0);
  edit.ReplaceSel(u"2");
  edit.SetSel(2, 0);
  edit.ReplaceSel(u"3");
  edit.Undo();
  EXPECT_EQ(edit.Text(),
            u"2ab"
            u"c1");
}

TEST(EditUndoTest, UndoSelectsWhatItPutBackAndSetsTheModifyFlag) {
  EditControlModel edit;
  edit.SetText(u"hello world");
  edit.SetSel(6, 5);
  ustring clipboard;
  edit.Cut(clipboard);
  edit.SetModified(false);
  edit.Undo();
  EXPECT_EQ(edit.Text(), u"hello world");
  EXPECT_EQ(edit.SelText(), u"world");
  EXPECT_TRUE(edit.Modified());
  edit.Undo();
  EXPECT_EQ(edit.Text(), u"hello ");
  EXPECT_EQ(edit.SelLength(), 0);
  EXPECT_EQ(edit.LineLength(0), 6);
}

TEST(EditUndoTest, EmptyingTheBufferAndSetTextForget) {
  EditControlModel edit;
  edit.ReplaceSel(u"abc");
  edit.EmptyUndoBuffer();
  EXPECT_FALSE(edit.CanUndo());
  edit.ReplaceSel(u"d");
  edit.SetText(u"new");
  EXPECT_FALSE(edit.CanUndo());
}

TEST(EditUndoTest, UndoIsNotBoundByTheLimit) {
  EditControlModel edit;
  edit.SetText(u"abcdef");
  edit.SetSel(0, 6);
  edit.Clear();
  edit.SetLimit(2);
  edit.Undo();
  EXPECT_EQ(edit.Text(), u"abcdef");
}

}  // namespace
}  // namespace orvo::emu
