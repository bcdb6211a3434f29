// What a key repaints in the main window: the widgets whose model changed and
// nothing else. Every paint event of every widget is counted between a key
// and the moment the window has settled.
#include <QAbstractScrollArea>
#include <QLabel>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <map>
#include <memory>
#include <string>

#include "platform/qt/candidate_list.h"
#include "platform/qt/document_pane.h"
#include "platform/qt/forms/form_view.h"
#include "platform/qt/session_fixture.h"

namespace orvo::testing {
namespace {

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
  };
  const std::map<const QWidget*, Painted>& Paints() const { return paints_; }
  void Clear() { paints_.clear(); }
  int Count(const QWidget* widget) const {
    auto it = paints_.find(widget);
    return it == paints_.end() ? 0 : it->second.count;
  }
  QRect Area(const QWidget* widget) const {
    auto it = paints_.find(widget);
    return it == paints_.end() ? QRect() : it->second.area.boundingRect();
  }
  // "name WxH" of each widget painted, for a failure's message.
  std::string Said() const {
    std::string said;
    for (const auto& [widget, painted] : paints_) {
      const QString name = widget->objectName().isEmpty() ? widget->metaObject()->className() : widget->objectName();
      const QRect r = painted.area.boundingRect();
      // Appended piece by piece: a literal in front of a temporary string trips GCC 12's -Wrestrict at -O3.
      said.append(name.toStdString()).append(" ").append(std::to_string(r.width())).append("x");
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
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
      Painted& p = paints_[static_cast<QWidget*>(watched)];
      ++p.count;
      p.area += static_cast<QPaintEvent*>(event)->region();
    }
    return false;
  }

 private:
  std::map<const QWidget*, Painted> paints_;
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
  // Widgets painted since the last Settle other than the document's viewport.
  std::vector<const QWidget*> OthersPainted() const {
    std::vector<const QWidget*> others;
    for (const auto& [widget, painted] : log_->Paints()) {
      if (widget != Viewport()) others.push_back(widget);
    }
    return others;
  }
  const QWidget* Viewport() const { return session_->View()->Text().viewport(); }
  int LineHeight() { return View().Text().fontMetrics().lineSpacing(); }
  std::map<const forms::Control*, Looks> Snapshot() {
    std::map<const forms::Control*, Looks> looks;
    for (const forms::Control* c : W().Controls()) looks[c] = LooksOf(*c);
    return looks;
  }

  std::unique_ptr<PaintLog> log_;
};

// Every control widget painted shows a model that changed, or holds one
// that did and was painted only under it.
void ExpectOnlyChangedControlsPainted(const PaintLog& log, const qt::FormView& view,
                                      const std::map<const forms::Control*, Looks>& before) {
  for (const auto& [widget, painted] : log.Paints()) {
    const forms::Control* control = view.ControlOf(widget);
    if (control == nullptr) continue;
    if (LooksOf(*control) != before.at(control)) continue;
    ASSERT_TRUE(control->HoldsControls()) << control->Name() << " painted unchanged\n" << log.Said();
    QRegion under;
    for (const auto& [child, looks] : before) {
      if (child->Container() == control && LooksOf(*child) != looks) {
        under += QRect(child->Bounds().left, child->Bounds().top, child->Bounds().width, child->Bounds().height);
      }
    }
    EXPECT_TRUE((painted.area - under).isEmpty()) << control->Name() << " painted beyond what changed on it\n"
                                                  << log.Said();
  }
}

TEST_F(Repaints, ARomajiKeyRepaintsItsLineAndTheFiguresThatChanged) {
  const auto before = Snapshot();
  Tap(Qt::Key_A);
  Drain();
  ASSERT_EQ(Text(), u"a");
  EXPECT_EQ(log_->Count(Viewport()), 1) << log_->Said();
  EXPECT_LT(log_->Area(Viewport()).height(), 2 * LineHeight()) << log_->Said();
  ExpectOnlyChangedControlsPainted(*log_, View().Inner(), before);
  EXPECT_EQ(log_->Count(View().menuBar()), 0) << log_->Said();
  for (const char* name : {"cmdMEMO", "cmdTYPE", "cmdIME", "picBAR"}) {
    EXPECT_EQ(log_->Count(View().Inner().WidgetOf(name)), 0) << name << "\n" << log_->Said();
  }
  // A figure that changed is repainted alone, never the whole status strip.
  EXPECT_LT(log_->Area(View().Inner().WidgetOf("picSTATUS")).width() * log_->Area(View().Inner().WidgetOf("picSTATUS")).height(),
            View().Inner().WidgetOf("picSTATUS")->width() * View().Inner().WidgetOf("picSTATUS")->height());

  // The same key again where nothing but the column and the size change.
  Settle();
  const auto again = Snapshot();
  Tap(Qt::Key_A);
  Drain();
  ExpectOnlyChangedControlsPainted(*log_, View().Inner(), again);
}

TEST_F(Repaints, AChordRepaintsTheLineOfItsComposition) {
  Tap(Qt::Key_F1);
  ASSERT_TRUE(BrailleMode());
  Settle();
  for (int chord = 0; chord < 3; ++chord) {
    const auto before = Snapshot();
    Chord({Qt::Key_F, Qt::Key_D});  // い
    Drain();
    ASSERT_FALSE(PreeditShown().isEmpty());
    EXPECT_EQ(log_->Count(Viewport()), 1) << log_->Said();
    EXPECT_LT(log_->Area(Viewport()).height(), 2 * LineHeight()) << "chord " << chord << "\n" << log_->Said();
    ExpectOnlyChangedControlsPainted(*log_, View().Inner(), before);
    EXPECT_EQ(log_->Count(View().menuBar()), 0) << log_->Said();
    Settle();
  }
  // Taking a kana back is the same.
  const auto before = Snapshot();
  Tap(Qt::Key_Backspace);
  Drain();
  EXPECT_LT(log_->Area(Viewport()).height(), 2 * LineHeight()) << log_->Said();
  ExpectOnlyChangedControlsPainted(*log_, View().Inner(), before);
}

TEST_F(Repaints, AChordOnALongDocumentRepaintsOneLine) {
  for (int line = 0; line < 40; ++line) {
    for (Qt::Key key : {Qt::Key_K, Qt::Key_A, Qt::Key_Return}) Tap(key);
  }
  Tap(Qt::Key_F1);
  Settle();
  Chord({Qt::Key_F});
  Drain();
  EXPECT_LT(log_->Area(Viewport()).height(), 2 * LineHeight()) << log_->Said();
}

TEST_F(Repaints, AConversionRepaintsItsLineAndTheCandidatesOnly) {
  Tap(Qt::Key_F1);
  Chord({Qt::Key_F});
  Chord({Qt::Key_F, Qt::Key_D});
  Settle();
  const auto before = Snapshot();
  Tap(Qt::Key_Space);
  Drain();
  const qt::CandidateList& list = View().Pane().Candidates();
  ASSERT_TRUE(list.isVisible());
  // The clause's line and the list over the text below it.
  const QRect list_area(Viewport()->mapFrom(list.parentWidget(), list.pos()), list.size());
  EXPECT_TRUE((log_->Paints().at(Viewport()).area - list_area).boundingRect().height() < 2 * LineHeight())
      << log_->Said();
  ExpectOnlyChangedControlsPainted(*log_, View().Inner(), before);
  EXPECT_EQ(log_->Count(View().menuBar()), 0) << log_->Said();
}

}  // namespace
}  // namespace orvo::testing
