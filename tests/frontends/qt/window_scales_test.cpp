// SPDX-License-Identifier: GPL-3.0-or-later
// Every window at the desktop scales people with low vision use (x1, x1.5,
// x2 on a 1280 x 800 screen, and x2 on an 800 x 600 one, narrower than the
// main window was made for): each caption is drawn whole in the control that
// shows it, measured with the font it is drawn in; each control lies inside
// its window; each window lies inside the screen's work area (scrolling what
// does not fit); every menu stands on the menu bar; the toolbar's and the
// status line's controls overlap neither each other nor the document. Qt's
// scale is fixed when it starts, so each scale runs in a process of its own:
// this test runs itself again with the scale set.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <string>

#include "app/secondary_windows.h"
#include "frontends/qt/forms/form_view.h"
#include "frontends/qt/forms/form_views.h"
#include "frontends/qt/forms/widget_peers.h"
#include "frontends/qt/document_edit.h"
#include "frontends/qt/qt_text.h"
#include "session_fixture.h"

namespace orvo::testing {
namespace {

constexpr char kScaleVariable[] = "ORVO_TEST_SCALE";

QString Shown(QString caption) {
  caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  caption.remove(QLatin1Char('&'));
  return caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

QSize Measured(const QWidget& w, const QString& text) {
  return w.fontMetrics().boundingRect(QRect(0, 0, 100000, 100000), 0, text).size();
}

// What of a control's caption is cut off: empty when it is drawn whole.
std::string Clipped(const QWidget& w) {
  QSize need;
  QRect room;
  if (const auto* label = qobject_cast<const QLabel*>(&w)) {
    if (label->text().isEmpty() || !label->pixmap().isNull()) return {};
    need = Measured(w, label->text());
    room = label->contentsRect();
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) {
    if (button->text().isEmpty()) return {};
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const QStyle::SubElement contents = qobject_cast<const QCheckBox*>(button) != nullptr     ? QStyle::SE_CheckBoxContents
                                        : qobject_cast<const QRadioButton*>(button) != nullptr ? QStyle::SE_RadioButtonContents
                                                                                               : QStyle::SE_PushButtonContents;
    room = button->style()->subElementRect(contents, &option, button);
    need = Measured(w, Shown(button->text()));
    if (contents == QStyle::SE_PushButtonContents && !button->icon().isNull()) need.rwidth() += button->iconSize().width();
  } else if (const auto* frame = qobject_cast<const QGroupBox*>(&w)) {
    if (frame->title().isEmpty()) return {};
    need = Measured(w, Shown(frame->title()));
    room = QRect(0, 0, frame->width() - 8, frame->height());
  } else {
    return {};
  }
  if (need.width() <= room.width() && need.height() <= room.height()) return {};
  return w.objectName().toStdString() + " needs " + std::to_string(need.width()) + "x" +
         std::to_string(need.height()) + ", has " + std::to_string(room.width()) + "x" + std::to_string(room.height());
}

struct Desktop {
  const char* scale;
  int width, height;  // the screen's device pixels
};

void PrintTo(const Desktop& d, std::ostream* os) { *os << 'x' << d.scale << " on " << d.width << 'x' << d.height; }

class WindowScales : public QtFrontEnd, public ::testing::WithParamInterface<Desktop> {
 protected:
  // Every fault of one window: captions cut, controls outside, the window off the work area.
  std::vector<std::string> Faults(const QWidget& window, const QWidget& holder) {
    std::vector<std::string> faults;
    const QRect room = window.screen()->availableGeometry();
    if (!room.contains(window.frameGeometry())) faults.push_back("the window leaves the work area");
    for (const QWidget* w : holder.findChildren<QWidget*>()) {
      // A control of no size (one that only holds the keyboard) shows nothing.
      if (qt::PeerOfWidget(w) == nullptr || !w->isVisibleTo(&holder) || w->size().isEmpty()) continue;
      if (std::string cut = Clipped(*w); !cut.empty()) faults.push_back(cut);
      const QRect at(w->mapTo(&holder, QPoint(0, 0)), w->size());
      if (!holder.rect().contains(at)) faults.push_back(w->objectName().toStdString() + " lies outside its window");
    }
    // What the window cannot show at once, it scrolls.
    if (const auto* scroll = window.findChild<QScrollArea*>()) {
      const QSize shown = scroll->viewport()->size();
      if (holder.height() > shown.height() && !scroll->verticalScrollBar()->isVisible()) faults.push_back("cut at the bottom");
      if (holder.width() > shown.width() && !scroll->horizontalScrollBar()->isVisible()) faults.push_back("cut at the right");
    }
    return faults;
  }
  // The menu bar shows every menu; the strips' controls and the document stand apart.
  std::vector<std::string> MainWindowFaults() {
    std::vector<std::string> faults;
    QMenuBar& bar = *View().menuBar();
    for (QAction* menu : bar.actions()) {
      if (!menu->isVisible()) continue;
      if (!bar.rect().contains(bar.actionGeometry(menu))) faults.push_back(menu->text().toStdString() + " off the bar");
    }
    if (const auto* more = bar.findChild<QToolButton*>(); more != nullptr && more->isVisible()) {
      faults.push_back("menus behind the overflow button");
    }
    std::vector<const QWidget*> shown;
    for (const char* strip : {"picBAR", "picSTATUS"}) {
      for (const QWidget* w : View().Inner().WidgetOf(strip)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // The button over the mode and cell displays is drawn on them.
        if (w->isVisible() && !w->size().isEmpty() && w->objectName() != "cmdCOVER") shown.push_back(w);
      }
    }
    if (const QWidget* notice = View().Label("lblTURN"); notice != nullptr && notice->isVisible()) shown.push_back(notice);
    const auto in_window = [this](const QWidget* w) { return QRect(w->mapTo(&View().Inner(), QPoint(0, 0)), w->size()); };
    for (std::size_t i = 0; i < shown.size(); ++i) {
      for (std::size_t j = i + 1; j < shown.size(); ++j) {
        if (in_window(shown[i]).intersects(in_window(shown[j]))) {
          faults.push_back(shown[i]->objectName().toStdString() + " over " + shown[j]->objectName().toStdString());
        }
      }
      if (in_window(shown[i]).intersects(in_window(&View().Text()))) {
        faults.push_back(shown[i]->objectName().toStdString() + " over the document");
      }
    }
    return faults;
  }
  std::string At() const {
    return std::string(" at x") + GetParam().scale + " on " + std::to_string(GetParam().width) + "x" +
           std::to_string(GetParam().height);
  }
  void ExpectWhole(const char* name) {
    qt::FormView* view = S().Views().Find(name);
    ASSERT_NE(view, nullptr) << name;
    EXPECT_TRUE(view->isVisible()) << name;
    EXPECT_EQ(Faults(*view, view->Canvas()), std::vector<std::string>{}) << name << At();
    ++seen_;
  }
  // Opens a window with `open`; while it is on the screen (inside its modal
  // loop if it has one), checks it and unloads it.
  void Check(const char* name, const std::function<void()>& open) {
    bool checked = false;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (checked) return;
      S().Sync();
      qt::FormView* view = S().Views().Find(name);
      if (view == nullptr || !view->isVisible() || checked) return;
      checked = true;
      ExpectWhole(name);
      S().program.forms.Unload(*view->Model());
    });
    watch.start();
    open();
    S().Settle();
    for (int i = 0; i < 200 && !checked; ++i) QCoreApplication::processEvents();
    watch.stop();
    EXPECT_TRUE(checked) << name << " never showed";
    Drain();
  }
  int seen_ = 0;
};

TEST_P(WindowScales, EveryWindowShowsItsCaptionsWholeInsideTheWorkArea) {
  const QByteArray scale = GetParam().scale;
  const QByteArray desktop = scale + " " + QByteArray::number(GetParam().width) + "x" + QByteArray::number(GetParam().height);
  if (qgetenv(kScaleVariable) != desktop) {
    // This process has another scale: the check runs in one of its own.
    const QString config = QString::fromStdString(folder_.Path()) + QStringLiteral("/screen.json");
    QFile file(config);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": %1, "height": %2, "logicalDpi": 96}]})")
                   .arg(GetParam().width)
                   .arg(GetParam().height)
                   .toUtf8());
    file.close();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kScaleVariable), QString::fromLatin1(desktop));
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scale));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    const ::testing::TestInfo* me = ::testing::UnitTest::GetInstance()->current_test_info();
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=") + QString::fromLatin1(me->test_suite_name()) + QLatin1Char('.') +
                 QString::fromLatin1(me->name())});
    ASSERT_TRUE(child.waitForFinished(120000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
    return;
  }
  ASSERT_EQ(View().screen()->size(),
            QSize(qRound(GetParam().width / scale.toDouble()), qRound(GetParam().height / scale.toDouble())));
  // The main window: its menus, toolbar, cell and mode displays and status line, with the wrap notice shown.
  for (Qt::Key key : {Qt::Key_A, Qt::Key_B, Qt::Key_C}) Tap(key);
  emit View().MenuAction("mnuOPTION")->menu()->aboutToShow();
  View().MenuAction("mnuWORD_TURN")->trigger();
  Drain();
  ASSERT_TRUE(W().WordWrap());
  EXPECT_EQ(Faults(View(), View().Inner()), std::vector<std::string>{}) << "frmMAIN" << At();
  EXPECT_EQ(MainWindowFaults(), std::vector<std::string>{}) << "frmMAIN" << At();
  // Braille mode shows other menus and the mode and cell displays.
  Tap(Qt::Key_F1);
  Drain();
  ASSERT_TRUE(BrailleMode());
  EXPECT_EQ(Faults(View(), View().Inner()), std::vector<std::string>{}) << "frmMAIN in braille mode" << At();
  EXPECT_EQ(MainWindowFaults(), std::vector<std::string>{}) << "frmMAIN in braille mode" << At();
  Tap(Qt::Key_F1);
  Drain();
  SecondaryWindows& windows = *S().program.windows;
  Check("frmSPRUSH", [&] { windows.ShowSplash(); });
  Check("frmHELPER", [&] { windows.ShowHelper(); });
  Check("frmTenBMP", [&] { windows.ShowDiagrams(); });
  {
    QFile memo(QString::fromStdString(Path("Orvo_メモ.txt")));
    ASSERT_TRUE(memo.open(QIODevice::WriteOnly));
    memo.write("memo\r\n");
  }
  Check("frmMEMO", [&] { Play("click cmdMEMO\n"); });
  W().ActiveTextBox().ReplaceSel(u"検索する文");  // the find window opens on a text
  Check("frmFIND", [&] { windows.ShowFind(1); });
  Check("frmSETING", [&] { Play("menu mnuSETTING\n"); });
  Check("frmMsgEx", [&] { S().program.messages.MSG_BOX(1, u"画面の倍率を確かめます。\r\n\r\n二行目の方が長い文です。", 48); });
  EXPECT_EQ(seen_, 7);
}

INSTANTIATE_TEST_SUITE_P(Scales, WindowScales,
                         ::testing::Values(Desktop{"1", 1280, 800}, Desktop{"1.5", 1280, 800}, Desktop{"2", 1280, 800},
                                           Desktop{"2", 800, 600}),
                         [](const ::testing::TestParamInfo<Desktop>& desktop) {
                           std::string name = desktop.param.scale;
                           for (char& c : name) c = c == '.' ? '_' : c;
                           return "x" + name + "_" + std::to_string(desktop.param.width) + "x" +
                                  std::to_string(desktop.param.height);
                         });

}  // namespace
}  // namespace orvo::testing
