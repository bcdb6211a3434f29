// SPDX-License-Identifier: GPL-3.0-or-later
// Every window at the desktop scales people with low vision use (x1, x1.5,
// x2 on a 1280 x 800 screen): each caption is drawn whole in the control that
// shows it, measured with the font it is drawn in; each control lies inside
// its window; each window lies inside the screen's work area (scrolling what
// does not fit). Qt's scale is fixed when it starts, so each scale runs in a
// process of its own: this test runs itself again with the scale set.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTimer>
#include <functional>
#include <string>

#include "app/secondary_windows.h"
#include "frontends/qt/forms/form_view.h"
#include "frontends/qt/forms/form_views.h"
#include "frontends/qt/forms/widget_peers.h"
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

class WindowScales : public QtFrontEnd, public ::testing::WithParamInterface<const char*> {
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
  void ExpectWhole(const char* name) {
    qt::FormView* view = S().Views().Find(name);
    ASSERT_NE(view, nullptr) << name;
    EXPECT_TRUE(view->isVisible()) << name;
    EXPECT_EQ(Faults(*view, view->Canvas()), std::vector<std::string>{}) << name << " at x" << GetParam();
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
  const QByteArray scale = GetParam();
  if (qgetenv(kScaleVariable) != scale) {
    // This process has another scale: the check runs in one of its own.
    const QString config = QString::fromStdString(folder_.Path()) + QStringLiteral("/screen.json");
    QFile file(config);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1280, "height": 800, "logicalDpi": 96}]})");
    file.close();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kScaleVariable), QString::fromLatin1(scale));
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
  ASSERT_EQ(View().screen()->size(), QSize(qRound(1280 / scale.toDouble()), qRound(800 / scale.toDouble())));
  // The main window: its toolbar, cell and mode displays and status line.
  EXPECT_EQ(Faults(View(), View().Inner()), std::vector<std::string>{}) << "frmMAIN at x" << GetParam();
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

INSTANTIATE_TEST_SUITE_P(Scales, WindowScales, ::testing::Values("1", "1.5", "2"),
                         [](const ::testing::TestParamInfo<const char*>& scale) {
                           std::string name = scale.param;
                           for (char& c : name) c = c == '.' ? '_' : c;
                           return "x" + name;
                         });

}  // namespace
}  // namespace orvo::testing
