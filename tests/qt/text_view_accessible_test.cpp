// A screen reader's view of the document: the text view's accessible text
// (CR LF read as one line feed), its caret, selection and lines, and the
// events that tell of changes when the view syncs.
#include "platform/qt/text_view_accessible.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <functional>
#include <vector>

#include "platform/emulated/text_box.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/text_view.h"
#include "qt/qt_app.h"

namespace orvo::testing {
namespace {

// What a reader heard from the view: the kind, a position and the text.
struct Heard {
  QAccessible::Event type;
  int position;
  QString text;
  bool operator==(const Heard&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Heard& h) {
  return out << "{" << static_cast<int>(h.type) << ", " << h.position << ", "
             << h.text.toStdString() << "}";
}

QObject* g_listened = nullptr;
std::vector<Heard> g_heard;

void Record(QAccessibleEvent* event) {
  if (event->object() != g_listened) return;
  switch (event->type()) {
    case QAccessible::TextInserted: {
      auto* e = static_cast<QAccessibleTextInsertEvent*>(event);
      g_heard.push_back({e->type(), e->changePosition(), QStringLiteral("+") + e->textInserted()});
      break;
    }
    case QAccessible::TextRemoved: {
      auto* e = static_cast<QAccessibleTextRemoveEvent*>(event);
      g_heard.push_back({e->type(), e->changePosition(), QStringLiteral("-") + e->textRemoved()});
      break;
    }
    case QAccessible::TextUpdated: {
      auto* e = static_cast<QAccessibleTextUpdateEvent*>(event);
      g_heard.push_back({e->type(), e->changePosition(),
                         QStringLiteral("-%1+%2").arg(e->textRemoved(), e->textInserted())});
      break;
    }
    case QAccessible::TextCaretMoved:
      g_heard.push_back(
          {event->type(), static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition(), {}});
      break;
    case QAccessible::TextSelectionChanged: {
      auto* e = static_cast<QAccessibleTextSelectionEvent*>(event);
      g_heard.push_back({e->type(), e->selectionStart(), QString::number(e->selectionEnd())});
      break;
    }
    default:
      break;
  }
}

// The application exists before the view is made.
struct WithApp {
  WithApp() { App(); }
};

class TextViewAccessibleTest : public ::testing::Test, WithApp {
 protected:
  TextViewAccessibleTest() : box_(clipboard_, nullptr) {
    view_.resize(300, 200);
    view_.Show(&box_);
  }
  ~TextViewAccessibleTest() override { Listen(false); }

  // Qt passes events to an update handler only while a platform reader is
  // active, which the offscreen platform never is: the view's own listener
  // hears them instead.
  void Listen(bool on) {
    if (on) {
      g_listened = &view_;
      previous_ = qt::SetReaderListener(Record);
    } else if (g_listened != nullptr) {
      qt::SetReaderListener(previous_);
      g_listened = nullptr;
    }
    g_heard.clear();
  }

  QAccessibleInterface* Reader() { return QAccessible::queryAccessibleInterface(&view_); }
  QAccessibleTextInterface* Text() { return Reader()->textInterface(); }
  void Set(const char16_t* text) {
    box_.SetText(text);
    view_.Show(&box_);
  }

  ustring clipboard_;
  emu::TextBox box_;
  qt::TextView view_;
  qt::ReaderListener previous_ = nullptr;
};

TEST_F(TextViewAccessibleTest, IsAnEditableMultiLineText) {
  QAccessibleInterface* reader = Reader();
  ASSERT_NE(reader, nullptr);
  ASSERT_NE(reader->textInterface(), nullptr);
  EXPECT_EQ(reader->role(), QAccessible::EditableText);
  EXPECT_TRUE(reader->state().editable);
  EXPECT_TRUE(reader->state().multiLine);
  EXPECT_TRUE(reader->state().focusable);
  EXPECT_FALSE(reader->state().disabled);
  EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("本文"));
  box_.SetEnabled(false);
  EXPECT_TRUE(reader->state().disabled);
}

TEST_F(TextViewAccessibleTest, ReadsTextCaretAndSelection) {
  struct Case {
    const char16_t* text;
    int start;  // selection in text positions
    int length;
    const char* read;  // UTF-8
    int caret;         // reader offsets
    int sel_start;
    int sel_end;
  };
  // clang-format off
  const Case cases[] = {
      {u"", 0, 0, "", 0, 0, 0},
      {u"ab\r\ncd", 4, 0, "ab\ncd", 3, 0, 0},
      {u"ab\r\ncd", 1, 4, "ab\ncd", 4, 1, 4},
      {u"\r\n\r\nあ", 5, 0, "\n\nあ", 3, 0, 0},
      {u"a\rb\nc", 3, 2, "a\rb\nc", 5, 3, 5},   // lone CR and LF are characters
  };
  // clang-format on
  for (const Case& c : cases) {
    Set(c.text);
    box_.SetSel(c.start, c.length);
    const QString read = QString::fromUtf8(c.read);
    EXPECT_EQ(Text()->characterCount(), read.size()) << c.read;
    EXPECT_EQ(Text()->text(0, Text()->characterCount()), read) << c.read;
    EXPECT_EQ(Reader()->text(QAccessible::Value), read) << c.read;
    EXPECT_EQ(Text()->cursorPosition(), c.caret) << c.read;
    EXPECT_EQ(Text()->selectionCount(), c.sel_end > c.sel_start ? 1 : 0) << c.read;
    int start = -1;
    int end = -1;
    Text()->selection(0, &start, &end);
    EXPECT_EQ(start, c.sel_start) << c.read;
    EXPECT_EQ(end, c.sel_end) << c.read;
  }
}

TEST_F(TextViewAccessibleTest, LinesAreTheTextBoxLines) {
  // Read as "ab\nあい\n\nx": offsets 0-2, 3-5, 6, 7.
  Set(u"ab\r\nあい\r\n\r\nx");
  struct Case {
    int offset;
    const char* at;
    int start;
    int end;
    const char* before;  // null: none
    const char* after;
  };
  // clang-format off
  const Case cases[] = {
      {0, "ab\n", 0, 3, nullptr, "あい\n"},
      {2, "ab\n", 0, 3, nullptr, "あい\n"},     // on the line feed
      {4, "あい\n", 3, 6, "ab\n", "\n"},
      {6, "\n", 6, 7, "あい\n", "x"},
      {7, "x", 7, 8, "\n", nullptr},
      {8, "x", 7, 8, "\n", nullptr},            // the end of the text
  };
  // clang-format on
  for (const Case& c : cases) {
    int start = -1;
    int end = -1;
    EXPECT_EQ(Text()->textAtOffset(c.offset, QAccessible::LineBoundary, &start, &end),
              QString::fromUtf8(c.at))
        << c.offset;
    EXPECT_EQ(start, c.start) << c.offset;
    EXPECT_EQ(end, c.end) << c.offset;
    const QString before =
        Text()->textBeforeOffset(c.offset, QAccessible::LineBoundary, &start, &end);
    EXPECT_EQ(before, c.before ? QString::fromUtf8(c.before) : QString()) << c.offset;
    const QString after =
        Text()->textAfterOffset(c.offset, QAccessible::LineBoundary, &start, &end);
    EXPECT_EQ(after, c.after ? QString::fromUtf8(c.after) : QString()) << c.offset;
  }
  int start = 0;
  int end = 0;
  EXPECT_TRUE(Text()->textAtOffset(9, QAccessible::LineBoundary, &start, &end).isEmpty());
  EXPECT_EQ(start, -1);

  Set(u"a\nb\r\n");  // a lone LF breaks no line; a final break leaves an empty last line
  EXPECT_EQ(Text()->textAtOffset(0, QAccessible::LineBoundary, &start, &end),
            QStringLiteral("a\nb\n"));
  EXPECT_EQ(Text()->textAfterOffset(0, QAccessible::LineBoundary, &start, &end), QString());
  EXPECT_EQ(start, 4);
  EXPECT_EQ(Text()->textAtOffset(4, QAccessible::LineBoundary, &start, &end), QString());
  EXPECT_EQ(start, 4);
}

TEST_F(TextViewAccessibleTest, WordsAndCharacters) {
  Set(u"hello world\r\nあい");
  int start = 0;
  int end = 0;
  EXPECT_EQ(Text()->textAtOffset(8, QAccessible::WordBoundary, &start, &end),
            QStringLiteral("world"));
  EXPECT_EQ(start, 6);
  EXPECT_EQ(Text()->textAtOffset(13, QAccessible::CharBoundary, &start, &end),
            QStringLiteral("い"));
  EXPECT_EQ(start, 13);
}

TEST_F(TextViewAccessibleTest, AReaderMovesTheCaretInTextPositions) {
  Set(u"ab\r\nあい");
  Text()->setCursorPosition(4);  // after あ
  EXPECT_EQ(box_.SelStart(), 5);
  EXPECT_EQ(box_.SelLength(), 0);
  Text()->setSelection(0, 1, 4);  // b, the break, あ
  EXPECT_EQ(box_.SelText(), u"b\r\nあ");
  Text()->removeSelection(0);
  EXPECT_EQ(box_.SelLength(), 0);
  box_.SetEnabled(false);  // a disabled box keeps its caret
  Text()->setCursorPosition(0);
  EXPECT_NE(box_.SelStart(), 0);
}

TEST_F(TextViewAccessibleTest, CharacterGeometryRoundTrips) {
  Set(u"ab\r\ncd");
  const QRect a = Text()->characterRect(0);
  const QRect c = Text()->characterRect(3);
  ASSERT_FALSE(a.isEmpty());
  EXPECT_GT(c.top(), a.top());  // the second line is below the first
  for (int offset : {0, 1, 3, 4}) {
    EXPECT_EQ(Text()->offsetAtPoint(Text()->characterRect(offset).center()), offset) << offset;
  }
  EXPECT_EQ(Text()->offsetAtPoint(view_.mapToGlobal(QPoint(5, 190))), -1);  // below the text
}

TEST_F(TextViewAccessibleTest, ChangesAreTold) {
  struct Case {
    const char* name;
    std::function<void(emu::TextBox&)> change;
    std::vector<Heard> heard;
  };
  using E = QAccessible::Event;
  const Case cases[] = {
      {"nothing changed", [](emu::TextBox&) {}, {}},
      {"typing at the end",
       [](emu::TextBox& b) {
         b.SetSel(6, 0);
         b.ReplaceSel(u"x");
       },
       {{E::TextInserted, 5, "+x"}, {E::TextCaretMoved, 6, {}}}},
      {"a break deleted",
       [](emu::TextBox& b) {
         b.SetSel(2, 2);
         b.ReplaceSel(u"");
       },
       {{E::TextRemoved, 2, "-\n"}, {E::TextCaretMoved, 2, {}}}},
      {"a selection replaced",
       [](emu::TextBox& b) {
         b.SetSel(1, 1);
         b.ReplaceSel(u"Z");
       },
       {{E::TextUpdated, 1, "-b+Z"}, {E::TextCaretMoved, 2, {}}}},
      {"a CR typed before a break",
       [](emu::TextBox& b) {
         b.SetSel(2, 0);
         b.ReplaceSel(u"\r");
       },
       {{E::TextUpdated, 2, "-\n+\r\n"}, {E::TextCaretMoved, 3, {}}}},  // never half a pair
      {"selecting",
       [](emu::TextBox& b) { b.SetSel(0, 4); },
       {{E::TextCaretMoved, 3, {}}, {E::TextSelectionChanged, 0, "3"}}},
      {"new text",
       [](emu::TextBox& b) { b.SetText(u"xyz"); },
       {{E::TextUpdated, 0, "-ab\ncd+xyz"}}},
  };
  Listen(true);
  for (const Case& c : cases) {
    Set(u"ab\r\ncd");
    box_.SetSel(0, 0);
    view_.Show(&box_);
    g_heard.clear();
    c.change(box_);
    view_.Show(&box_);
    EXPECT_EQ(g_heard, c.heard) << c.name;
  }
  Listen(false);
  box_.ReplaceSel(u"unheard");
  view_.Show(&box_);
  EXPECT_TRUE(g_heard.empty());
}

TEST(ReaderTextTest, OffsetsAndPositionsMapBothWays) {
  const ustring text = u"a\r\n\r\nb\rc\n";
  EXPECT_EQ(qt::ReaderText(text), u"a\n\nb\rc\n");
  struct Case {
    int pos;
    int offset;
  };
  const Case cases[] = {{0, 0}, {1, 1}, {3, 2}, {5, 3}, {6, 4}, {9, 7}};
  for (const Case& c : cases) {
    EXPECT_EQ(qt::ReaderOffset(text, c.pos), c.offset) << c.pos;
    EXPECT_EQ(qt::TextPosition(text, c.offset), c.pos) << c.offset;
  }
  EXPECT_EQ(qt::TextPosition(text, 99), 9);
  EXPECT_EQ(qt::TextPosition(text, -3), 0);
  EXPECT_EQ(qt::ReaderOffset(text, 99), 7);
}

}  // namespace
}  // namespace orvo::testing
