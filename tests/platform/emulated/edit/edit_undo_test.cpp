// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "platform/emulated/edit/edit_control_model.h"

namespace orvo::emu {
namespace {

using Key = void (*)(EditControlModel&);
void BackspaceKey(EditControlModel& e) { e.Backspace(); }
void DeleteKey(EditControlModel& e) { e.Delete(); }
void TypeZ(EditControlModel& e) { e.ReplaceSel(u"Z"); }

// The deleting keys join a run as typing does. Each case edits "abcdef"
// (caret at 3) and undoes once, then once more.
TEST(EditUndoTest, DeletingKeysUndoAsOneRun) {
  struct Case {
    std::vector<Key> keys;
    const char16_t* edited;
  };
  const Case cases[] = {
      {{BackspaceKey, BackspaceKey}, u"adef"},
      {{DeleteKey, DeleteKey}, u"abcf"},
      {{BackspaceKey, TypeZ}, u"abZdef"},
  };
  for (const Case& c : cases) {
    EditControlModel edit;
    edit.SetText(u"abcdef");
    edit.SetSel(3, 0);
    for (Key key : c.keys) key(edit);
    ASSERT_EQ(edit.Text(), c.edited) << ToUtf8(c.edited);
    ASSERT_TRUE(edit.CanUndo()) << ToUtf8(c.edited);
    edit.Undo();
    EXPECT_EQ(edit.Text(), u"abcdef") << ToUtf8(c.edited);
    edit.Undo();  // the second undo redoes
    EXPECT_EQ(edit.Text(), c.edited) << ToUtf8(c.edited);
  }
}

}  // namespace
}  // namespace orvo::emu
