// SPDX-License-Identifier: GPL-3.0-or-later
// What a key repaints in the main window: the widgets whose model changed and
// nothing else. Every paint event of every widget is counted between a key
// and the moment the window has settled.
#include <QAbstractScrollArea>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleHints>
#include <QWindow>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/emulated/text_box.h"
#include "frontends/qt/candidate_list.h"
#include "frontends/qt/document_pane.h"
#include "frontends/qt/forms/form_view.h"
#include "frontends/qt/session_fixture.h"

namespace orvo::testing {
namespace {

std::string NameOf(const QWidget& widget) {
  return (widget.objectName().isEmpty() ? QString(widget.metaObject()->className()) : widget.objectName()).toStdString();
}

// Paint events per widget, with the area each covered.
class PaintLog : public QObject {
 public:
  PaintLog() { QCoreApplication::instance()->installEventFilter(this); }
  ~PaintLog() override { QCoreApplication::instance()->removeEventFilter(this); }
  PaintLog(const PaintLog&) = delete;
  PaintLog& operator=(const PaintLog&) = delete;

  struct Painted {
    int count = 0;
    QRegion area;
    int first_pass = 0;  // the window's paint pass that first painted it
  };
  const std::map<const QWidget*, Painted>& Paints() const { return paints_; }
  void Clear() { paints_.clear(); }
  int Count(const QWidget* widget) const {
    auto it = paints_.find(widget);
    return it == paints_.end() ? 0 : it->second.count;
  }
  int FirstPass(const QWidget* widget) const {
    auto it = paints_.find(widget);
    return it == paints_.end() ? 0 : it->second.first_pass;
  }
  QRect Area(const QWidget* widget) const {
    auto it = paints_.find(widget);
    return it == paints_.end() ? QRect() : it->second.area.boundingRect();
  }
  // "name WxH" of each widget painted, for a failure's message.
  std::string Said() const {
    std::string said;
    for (const auto& [widget, painted] : paints_) {
      const QRect r = painted.area.boundingRect();
      // Appended piece by piece: a literal in front of a temporary string trips GCC 12's -Wrestrict at -O3.
      said.append(NameOf(*widget)).append(" ").append(std::to_string(r.width())).append("x");
      said.append(std::to_string(r.height())).append(" (").append(std::to_string(painted.count)).append(")");
      for (const QRect& part : painted.area) {
        said.append(" ").append(std::to_string(part.x())).append(",").append(std::to_string(part.y())).append(":");
        said.append(std::to_string(part.width())).append("x").append(std::to_string(part.height()));
      }
      said += "\n";
    }
    return said;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // A window paints what is due in one pass, asked for by an update request.
    if (event->type() == QEvent::UpdateRequest && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
      ++passes_;
    }
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
      Painted& p = paints_[static_cast<QWidget*>(watched)];
      if (p.count++ == 0) p.first_pass = passes_;
      p.area += static_cast<QPaintEvent*>(event)->region();
    }
    return false;
  }

 private:
  std::map<const QWidget*, Painted> paints_;
  int passes_ = 0;
};

// What a control shows on the screen (its accessible name is not drawn), to tell whether its model changed.
struct Looks {
  ustring caption;
  int picture;
  bool enabled;
  bool visible;
  Rect bounds;
  std::uint32_t fore;
  std::uint32_t back;
  bool operator==(const Looks&) const = default;
};

Looks LooksOf(const forms::Control& c) {
  return {c.Caption(), c.Picture(), c.Enabled(), c.Visible(), c.Bounds(), c.ForeColor(), c.BackColor()};
}

// What the menu bar shows of a top-level menu.
struct MenuLooks {
  ustring caption;
  bool visible;
  bool enabled;
  bool operator==(const MenuLooks&) const = default;
};

// What a scroll bar shows.
struct BarLooks {
  int minimum;
  int maximum;
  int value;
  int page;
  bool visible;
  bool operator==(const BarLooks&) const = default;
};

BarLooks LooksOf(const QScrollBar& bar) {
  return {bar.minimum(), bar.maximum(), bar.value(), bar.pageStep(), bar.isVisible()};
}

// The window as a key finds it: what each part shows, and where on the
// window the parts that change with a key are.
struct Scene {
  std::map<const forms::Control*, Looks> controls;
  std::vector<MenuLooks> menus;
  BarLooks vertical{};
  BarLooks horizontal{};
  QRect caret_line;  // the document's line that holds the caret, across the view
  QRect candidates;  // the candidate list, when shown
};

// A widget's area on its window.
QRect OnWindow(const QWidget& widget, const QRect& area) {
  return area.translated(widget.mapTo(widget.window(), QPoint()));
}

class Repaints : public QtFrontEnd {
 protected:
  void SetUp() override {
    QtFrontEnd::SetUp();
    log_ = std::make_unique<PaintLog>();  // once the application is there
    Settle();
  }
  // Lets every queued update reach the screen, then forgets what was painted.
  void Settle() {
    Drain();
    log_->Clear();
  }
  const QWidget* Viewport() const { return session_->View()->Text().viewport(); }
  int LineHeight() { return View().Text().fontMetrics().lineSpacing(); }
  Scene Look() {
    Scene scene;
    for (const forms::Control* c : W().Controls()) scene.controls[c] = LooksOf(*c);
    for (const auto& top : W().MenuBar().Children()) scene.menus.push_back({top->Caption(), top->Visible(), top->Enabled()});
    qt::DocumentEdit& text = View().Text();
    scene.vertical = LooksOf(*text.verticalScrollBar());
    scene.horizontal = LooksOf(*text.horizontalScrollBar());
    // The caret's block, as the widget lays it out (one line: the text does
    // not wrap), with the margin below that the last block takes in.
    const QTextLayout& layout = *text.textCursor().block().layout();
    const int top = text.cursorRect().top() - static_cast<int>(layout.lineAt(0).y());
    const int height = static_cast<int>(std::ceil(layout.boundingRect().height() + text.document()->documentMargin()));
    scene.caret_line = OnWindow(*text.viewport(), QRect(0, top - 1, text.viewport()->width(), height + 2));
    const qt::CandidateList& list = View().Pane().Candidates();
    if (list.isVisible()) scene.candidates = OnWindow(*list.parentWidget(), list.geometry());
    return scene;
  }
  // What may be repainted on the window after a key that led from `before` to
  // now: a control whose looks changed, the caret's line where it was and is,
  // the candidate list where it was and is, the menu bar when a menu on it
  // changed, a scroll bar whose range or position changed.
  QRegion Changed(const Scene& before) {
    const Scene now = Look();
    QRegion changed = QRegion(before.caret_line) + now.caret_line + before.candidates + now.candidates;
    for (QWidget* widget : View().findChildren<QWidget*>()) {
      const forms::Control* control = View().Inner().ControlOf(widget);
      if (control != nullptr && LooksOf(*control) != before.controls.at(control)) {
        changed += OnWindow(*widget, widget->rect());
      }
    }
    if (now.menus != before.menus) changed += OnWindow(*View().menuBar(), View().menuBar()->rect());
    const qt::DocumentEdit& text = View().Text();
    if (now.vertical != before.vertical) changed += OnWindow(*text.verticalScrollBar(), text.verticalScrollBar()->rect());
    if (now.horizontal != before.horizontal) {
      changed += OnWindow(*text.horizontalScrollBar(), text.horizontalScrollBar()->rect());
    }
    return changed;
  }
  // Drains the key's updates and checks that every widget painted since the
  // last Settle painted only where something changed since `before`.
  void ExpectOnlyChangesPainted(const Scene& before, const char* key) {
    Drain();
    const QRegion changed = Changed(before);
    std::string beyond;
    for (const auto& [widget, painted] : log_->Paints()) {
      ASSERT_EQ(widget->window(), &View()) << key << ": " << NameOf(*widget) << " painted\n" << log_->Said();
      QRegion on_window;
      for (const QRect& part : painted.area) on_window += OnWindow(*widget, part);
      if (!(on_window - changed).isEmpty()) beyond.append(" ").append(NameOf(*widget));
    }
    EXPECT_TRUE(beyond.empty()) << key << ": painted beyond what changed:" << beyond << "\n" << log_->Said();
    EXPECT_LE(log_->Count(Viewport()), 1) << key << "\n" << log_->Said();
  }

  // Where the view on the screen (the window system's pixels where there is
  // one) differs from the view drawn whole now; empty where it does not. The
  // candidate list lies over the view and is not part of it.
  QRect ScreenDiffersFromWhole() {
    QWidget* viewport = View().Text().viewport();
    const QPoint at = viewport->mapTo(&View(), QPoint());
    const QImage shown = View().screen()->grabWindow(View().winId(), at.x(), at.y(), viewport->width(),
                                                     viewport->height()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage whole = viewport->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (shown.size() != whole.size()) return viewport->rect();
    const qt::CandidateList& list = View().Pane().Candidates();
    const QRect over = list.isVisible() ? QRect(list.mapTo(viewport->window(), QPoint()) - at, list.size()) : QRect();
    QRect differs;
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) {
        if (shown.pixel(x, y) != whole.pixel(x, y) && !over.contains(x, y)) differs |= QRect(x, y, 1, 1);
      }
    }
    return differs;
  }
  // Waits for a window system's events until the window is on the screen
  // (a window manager maps it when it likes), then has it drawn whole there.
  void OnTheScreen() {
    QDeadlineTimer deadline(10000);
    while (!View().windowHandle()->isExposed() && !deadline.hasExpired()) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    ASSERT_TRUE(View().windowHandle()->isExposed());
    View().repaint();
    Settle();
  }
  // The caret stays on while the two pictures are taken apart.
  struct SteadyCaret {
    SteadyCaret() : flash(QGuiApplication::styleHints()->cursorFlashTime()) {
      QGuiApplication::styleHints()->setCursorFlashTime(0);
    }
    ~SteadyCaret() { QGuiApplication::styleHints()->setCursorFlashTime(flash); }
    SteadyCaret(const SteadyCaret&) = delete;
    SteadyCaret& operator=(const SteadyCaret&) = delete;
    int flash;
  };

  std::unique_ptr<PaintLog> log_;
};

TEST_F(Repaints, ARomajiKeyRepaintsItsLineAndTheFiguresThatChanged) {
  const Scene before = Look();
  Tap(Qt::Key_A);
  ASSERT_EQ(Text(), u"a");
  ExpectOnlyChangesPainted(before, "a");
  EXPECT_EQ(log_->Count(Viewport()), 1) << log_->Said();
  EXPECT_LT(log_->Area(Viewport()).height(), 2 * LineHeight()) << log_->Said();
  for (const char* name : {"cmdMEMO", "cmdTYPE", "cmdIME", "picBAR"}) {
    EXPECT_EQ(log_->Count(View().Inner().WidgetOf(name)), 0) << name << "\n" << log_->Said();
  }
  // A figure that changed is repainted alone, never the whole status strip.
  const QWidget* status = View().Inner().WidgetOf("picSTATUS");
  EXPECT_LT(log_->Area(status).width() * log_->Area(status).height(), status->width() * status->height());

  // The same key again where nothing but the column and the size change.
  Settle();
  const Scene again = Look();
  Tap(Qt::Key_A);
  ExpectOnlyChangesPainted(again, "a again");
}

TEST_F(Repaints, AChordRepaintsTheLineOfItsComposition) {
  Tap(Qt::Key_F1);
  ASSERT_TRUE(BrailleMode());
  Settle();
  for (int chord = 0; chord < 3; ++chord) {
    const Scene before = Look();
    Chord({Qt::Key_F, Qt::Key_D});  // い
    ASSERT_FALSE(PreeditShown().isEmpty());
    ExpectOnlyChangesPainted(before, "chord");
    EXPECT_EQ(log_->Count(Viewport()), 1) << log_->Said();
    // The composition reaches the screen in a pass before the cell display.
    const QWidget* cell = View().Inner().WidgetOf("lblTENJI");
    if (chord == 0) {
      EXPECT_LT(log_->FirstPass(Viewport()), log_->FirstPass(cell)) << log_->Said();
    }
    EXPECT_LT(log_->Area(Viewport()).height(), 2 * LineHeight()) << "chord " << chord << "\n" << log_->Said();
    Settle();
  }
  // Taking a kana back is the same.
  const Scene before = Look();
  Tap(Qt::Key_Backspace);
  ExpectOnlyChangesPainted(before, "Backspace");
  EXPECT_LT(log_->Area(Viewport()).height(), 2 * LineHeight()) << log_->Said();
}

// A composition changed is drawn again from its first changed character
// only; what the screen then shows is what drawing the view whole shows,
// through typing, taking back, converting and moving between clauses.
TEST_F(Repaints, ACompositionDrawnInPartsLooksAsDrawnWhole) {
  const SteadyCaret steady;
  OnTheScreen();
  for (Qt::Key key : {Qt::Key_K, Qt::Key_A, Qt::Key_Space}) Tap(key);
  Tap(Qt::Key_F1);
  ASSERT_TRUE(BrailleMode());
  Settle();
  QWidget* viewport = View().Text().viewport();
  // What the key repainted of the view, then whether the screen shows what drawing it whole shows.
  const auto same_as_whole = [&](const char* step) {
    Drain();
    const QRect painted = log_->Area(Viewport());
    const std::string said = log_->Said();
    const QRect differs = ScreenDiffersFromWhole();
    EXPECT_TRUE(differs.isEmpty()) << step << ": the screen differs at " << differs.x() << "," << differs.y() << ":"
                                   << differs.width() << "x" << differs.height() << "\n" << said;
    return painted;
  };
  int kana_right = 0;  // where the composition ended before the last chord
  for (auto chord : {std::initializer_list<Qt::Key>{Qt::Key_F}, {Qt::Key_F, Qt::Key_D}, {Qt::Key_F, Qt::Key_J},
                     {Qt::Key_F, Qt::Key_D, Qt::Key_J}, {Qt::Key_D, Qt::Key_J}}) {
    Chord(chord);
    const QRect painted = same_as_whole("a kana typed");
    if (kana_right > 0) {
      EXPECT_GT(painted.left(), kana_right - 2 * LineHeight()) << "the kana before it are not drawn again";
      EXPECT_LT(painted.width(), viewport->width() / 2);
    }
    kana_right = View().Text().cursorRect().right();
    Settle();
  }
  const struct {
    Qt::Key key;
    const char* step;
  } steps[] = {
      {Qt::Key_Backspace, "a kana taken back"},  {Qt::Key_Left, "the caret moved back"},
      {Qt::Key_Space, "converted"},              {Qt::Key_Right, "the next clause"},
      {Qt::Key_Left, "the clause before"},       {Qt::Key_Space, "the next candidate"},
      {Qt::Key_Backspace, "back to the reading"}, {Qt::Key_Escape, "taken back whole"},
  };
  for (const auto& step : steps) {
    Tap(step.key);
    same_as_whole(step.step);
    Settle();
  }
}

// On a window system that shares the window's image with its server, a
// key's paint over the line the key before painted does not wait for the
// server: what the screen shows is still what the window draws, key after
// key, as the view scrolls down and across and back.
TEST_F(Repaints, TheScreenShowsWhatTheWindowDrawsKeyAfterKey) {
  const SteadyCaret steady;
  OnTheScreen();
  std::vector<Qt::Key> keys;
  for (int line = 0; line < 30; ++line) {
    for (Qt::Key key : {Qt::Key_K, Qt::Key_A, Qt::Key_N, Qt::Key_A}) keys.push_back(key);
    keys.push_back(Qt::Key_Return);
  }
  for (int i = 0; i < 60; ++i) keys.push_back(Qt::Key_A);  // wider than the view
  keys.push_back(Qt::Key_Home);
  keys.push_back(Qt::Key_PageUp);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    Tap(keys[i]);
    Drain();
    const QRect differs = ScreenDiffersFromWhole();
    ASSERT_TRUE(differs.isEmpty()) << "key " << i << ": the screen differs at " << differs.x() << "," << differs.y()
                                   << ":" << differs.width() << "x" << differs.height();
  }
}

TEST_F(Repaints, AChordOnALongDocumentRepaintsOneLine) {
  for (int line = 0; line < 40; ++line) {
    for (Qt::Key key : {Qt::Key_K, Qt::Key_A, Qt::Key_Return}) Tap(key);
  }
  Tap(Qt::Key_F1);
  Settle();
  const Scene before = Look();
  Chord({Qt::Key_F});
  ExpectOnlyChangesPainted(before, "chord");
  EXPECT_LT(log_->Area(Viewport()).height(), 2 * LineHeight()) << log_->Said();
}

// A key that makes the widest line wider moves the horizontal bar's range,
// and that bar alone is repainted (Qt would lay both bars out again for it),
// after the line: the typed text reaches the screen in a pass of its own.
TEST_F(Repaints, ALineTypedWiderRepaintsTheHorizontalBarAlone) {
  ustring text(300, u'x');
  for (int line = 0; line < 40; ++line) text += u"\r\nka";
  W().ActiveTextBox().SetText(text);  // the caret at the start of the widest line
  Settle();
  const QScrollBar& vertical = *View().Text().verticalScrollBar();
  const QScrollBar& horizontal = *View().Text().horizontalScrollBar();
  ASSERT_TRUE(vertical.isVisible() && horizontal.isVisible());
  for (int key = 0; key < 3; ++key) {
    const Scene before = Look();
    Tap(Qt::Key_A);
    ExpectOnlyChangesPainted(before, "a");
    ASSERT_NE(LooksOf(horizontal), before.horizontal) << "the line did not grow";
    EXPECT_EQ(log_->Count(&vertical), 0) << log_->Said();
    ASSERT_EQ(log_->Count(&horizontal), 1) << log_->Said();
    EXPECT_LT(log_->FirstPass(Viewport()), log_->FirstPass(&horizontal)) << log_->Said();
    Settle();
  }
}

// A line end typed on a long document moves the vertical bar's range: the
// new line reaches the screen in a pass before the bar is repainted. The bar
// still scrolls the text as a person works it.
TEST_F(Repaints, ALineEndTypedOnALongDocumentRepaintsTheVerticalBarAfterTheText) {
  ustring text;
  for (int line = 0; line < 60; ++line) text += u"ka\r\n";
  W().ActiveTextBox().SetText(text);
  Settle();
  const QScrollBar& vertical = *View().Text().verticalScrollBar();
  ASSERT_TRUE(vertical.isVisible());
  const Scene before = Look();
  Tap(Qt::Key_Return);  // at the top: every line below moves, and is painted again
  Drain();
  ASSERT_NE(LooksOf(vertical), before.vertical) << "no line was added";
  ASSERT_EQ(log_->Count(&vertical), 1) << log_->Said();
  EXPECT_LT(log_->FirstPass(Viewport()), log_->FirstPass(&vertical)) << log_->Said();

  QScrollBar& bar = *View().Text().verticalScrollBar();
  const int top = View().Text().cursorForPosition(QPoint(0, 0)).blockNumber();
  bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
  Drain();
  EXPECT_GT(View().Text().cursorForPosition(QPoint(0, 0)).blockNumber(), top);
  EXPECT_GT(bar.value(), 0);
}

// Converting, going back to the reading and confirming repaint the clause's
// line and the candidate list where it comes or goes, never the scroll bars
// (Qt lays them out again, restacking and repainting both, whenever the list
// is shown or hidden).
TEST_F(Repaints, AConversionRepaintsItsLineAndTheCandidatesOnly) {
  Tap(Qt::Key_F1);
  Chord({Qt::Key_F});
  Chord({Qt::Key_F, Qt::Key_D});
  Settle();
  auto* box = dynamic_cast<emu::TextBox*>(&W().ActiveTextBox());
  ASSERT_NE(box, nullptr);
  const qt::CandidateList& list = View().Pane().Candidates();
  const QWidget* bars[] = {View().Text().verticalScrollBar(), View().Text().horizontalScrollBar()};
  const auto step = [&](Qt::Key key, const char* name, bool converting) {
    const Scene before = Look();
    Tap(key);
    ExpectOnlyChangesPainted(before, name);
    EXPECT_EQ(box->Ime().Converting(), converting) << name;
    EXPECT_EQ(list.isVisible(), converting) << name;
    for (const QWidget* bar : bars) EXPECT_EQ(log_->Count(bar), 0) << name << "\n" << log_->Said();
    // The clause's line, and the text the list left; the text it comes over
    // is covered, not painted again.
    QRegion line_area;
    for (const QRect& part : log_->Paints().at(Viewport()).area) line_area += OnWindow(*Viewport(), part);
    EXPECT_LT((line_area - before.candidates).boundingRect().height(), 2 * LineHeight()) << name << "\n" << log_->Said();
    Settle();
  };
  step(Qt::Key_Space, "Space", true);
  const int first = list.currentRow();
  step(Qt::Key_Space, "Space to the next candidate", true);
  EXPECT_NE(list.currentRow(), first);
  step(Qt::Key_Backspace, "Backspace while converting", false);
  step(Qt::Key_Space, "Space again", true);
  step(Qt::Key_Return, "Enter", false);
  EXPECT_FALSE(Text().empty());
}

// Braille mode on and off changes the mode's figures, buttons and menus,
// and not the document.
TEST_F(Repaints, BrailleModeOnAndOffRepaintsWhatItChanges) {
  for (Qt::Key letter : {Qt::Key_K, Qt::Key_A}) Tap(letter);
  Settle();
  for (bool braille : {true, false}) {
    const Scene before = Look();
    Tap(Qt::Key_F1);
    ASSERT_EQ(BrailleMode(), braille);
    ExpectOnlyChangesPainted(before, braille ? "F1 on" : "F1 off");
    EXPECT_EQ(log_->Count(Viewport()), 0) << log_->Said();
    EXPECT_EQ(log_->Count(View().Text().verticalScrollBar()), 0) << log_->Said();
    Settle();
  }
}

}  // namespace
}  // namespace orvo::testing
