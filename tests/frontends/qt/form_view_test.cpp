// SPDX-License-Identifier: GPL-3.0-or-later
// The generic form view over a dialog that holds one control of every kind:
// each widget follows its model, a person's mouse actions reach the model, and
// screen readers get names, descriptions and roles from it.
#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "toolkit/forms/test_form.h"
#include "toolkit/picture_ids.h"
#include "frontends/qt/forms/widget_peers.h"
#include "frontends/qt/forms/form_view.h"
#include "frontends/qt/qt_app.h"
#include "frontends/qt/qt_text.h"

namespace orvo::forms::test {
namespace {

using qt::FormView;

// A kind no view has a row for.
class StrangeControl : public Control {
 public:
  explicit StrangeControl(Form& form) : Control(form, static_cast<ControlKind>(99), "xyzStrange") {}
};

class FormViewTest : public ::testing::Test {
 protected:
  FormViewTest() : dlg(rig.runtime, "dlg", rig.log) {
    orvo::testing::App();
    dlg.picLogo.SetBounds({200, 8, 32, 32});
    dlg.lblName.SetBounds({8, 8, 80, 16});
    dlg.cmdOK.SetBounds({120, 150, 80, 24});  // a button is pressed only by a release on it
    dlg.cmdCancel.SetBounds({208, 150, 80, 24});
    rig.runtime.Show(dlg);
    view = std::make_unique<FormView>(dlg, [this] { ++settled; }, FormView::Options{});
    view->Sync();
  }
  ~FormViewTest() override { view.reset(); }

  template <class W>
  W& Widget(std::string_view name, int index = -1) {
    W* w = view->Find<W>(name, index);
    if (w == nullptr) ADD_FAILURE() << "no widget for " << name;
    return *w;
  }

  Rig rig;
  TestForm dlg;
  std::unique_ptr<FormView> view;
  int settled = 0;
};

TEST(ControlWidgets, EveryKindOfControlHasARow) {
  for (int kind = 0; kind <= static_cast<int>(ControlKind::kFrame); ++kind) {
    EXPECT_NE(qt::RowFor(static_cast<ControlKind>(kind)), nullptr) << kind;
  }
  EXPECT_EQ(qt::RowFor(static_cast<ControlKind>(99)), nullptr);
}

TEST_F(FormViewTest, DrawsEveryControlOfTheFormByItsKind) {
  EXPECT_TRUE(view->Undrawn().empty());
  EXPECT_EQ(Widget<QLabel>("lblName").text(), QStringLiteral("名前(&N)"));
  EXPECT_EQ(Widget<QGroupBox>("fraDir").title(), QStringLiteral("方向(&D)"));
  EXPECT_EQ(Widget<QRadioButton>("optDir", 1).text(), QStringLiteral("下(&W)"));
  EXPECT_EQ(Widget<QCheckBox>("chkCase").text(), QStringLiteral("大小(&C)"));
  EXPECT_EQ(Widget<QListWidget>("lstItems").count(), 3);
  EXPECT_EQ(Widget<QPushButton>("cmdOK").text(), QStringLiteral("&OK"));
  EXPECT_TRUE(Widget<QPushButton>("cmdOK").isDefault());
  EXPECT_FALSE(Widget<QPushButton>("cmdCancel").isDefault());
  EXPECT_NE(view->WidgetOf("txtName"), nullptr);
  EXPECT_NE(view->WidgetOf("picLogo"), nullptr);
  // Options sit in their frame, at the model's place inside it.
  EXPECT_EQ(Widget<QRadioButton>("optDir", 0).parentWidget(), &Widget<QGroupBox>("fraDir"));
  EXPECT_EQ(Widget<QLabel>("lblName").geometry(), QRect(8, 8, 80, 16));
  EXPECT_EQ(view->windowTitle(), QStringLiteral("ダイアログ"));
  EXPECT_EQ(view->size(), QSize(dlg.InnerPx().width, dlg.InnerPx().height));
}

TEST_F(FormViewTest, WidgetsFollowTheirModelsChangeByChange) {
  dlg.lblName.SetCaption(u"氏名");
  dlg.chkCase.SetValue(check::kGreyed);
  dlg.optDir1.SetValue(true);
  dlg.lstItems.AddItem(u"四");
  dlg.lstItems.SetSelected(3);
  dlg.cmdCancel.SetEnabled(false);
  dlg.picLogo.SetPicture(picture_id::kAppIcon);
  dlg.lblName.SetForeColor(0x0000C0u);
  dlg.lblName.SetBounds({10, 12, 90, 18});
  view->Sync();
  EXPECT_EQ(Widget<QLabel>("lblName").text(), QStringLiteral("氏名"));
  EXPECT_EQ(Widget<QLabel>("lblName").geometry(), QRect(10, 12, 90, 18));
  EXPECT_EQ(Widget<QLabel>("lblName").palette().color(QPalette::WindowText), QColor(0xC0, 0, 0));
  EXPECT_EQ(Widget<QCheckBox>("chkCase").checkState(), Qt::PartiallyChecked);
  EXPECT_TRUE(Widget<QRadioButton>("optDir", 1).isChecked());
  EXPECT_FALSE(Widget<QRadioButton>("optDir", 0).isChecked());
  EXPECT_EQ(Widget<QListWidget>("lstItems").count(), 4);
  // The choice is shown selected; without the keyboard no entry is current,
  // so none claims the focus to a screen reader.
  EXPECT_TRUE(Widget<QListWidget>("lstItems").item(3)->isSelected());
  EXPECT_EQ(Widget<QListWidget>("lstItems").currentRow(), -1);
  EXPECT_FALSE(Widget<QPushButton>("cmdCancel").isEnabled());
  EXPECT_FALSE(Widget<QLabel>("picLogo").pixmap().isNull());
  dlg.fraDir.SetVisible(false);
  view->Sync();
  EXPECT_FALSE(Widget<QGroupBox>("fraDir").isVisible());
  EXPECT_FALSE(Widget<QRadioButton>("optDir", 0).isVisible());  // hidden with its frame
}

TEST_F(FormViewTest, ControlsMadeAndGoneAtRunTimeComeAndGo) {
  {
    LabelControl late(dlg, "lblLate");
    late.SetCaption(u"後から");
    view->Sync();
    ASSERT_NE(view->Find<QLabel>("lblLate"), nullptr);
    EXPECT_EQ(view->Find<QLabel>("lblLate")->text(), QStringLiteral("後から"));
  }
  view->Sync();
  EXPECT_EQ(view->WidgetOf("lblLate"), nullptr);
}

TEST_F(FormViewTest, MouseActionsReachTheModels) {
  rig.log.clear();
  QTest::mouseClick(&Widget<QCheckBox>("chkCase"), Qt::LeftButton);
  view->Sync();
  EXPECT_EQ(dlg.chkCase.Value(), check::kChecked);
  EXPECT_EQ(Widget<QCheckBox>("chkCase").checkState(), Qt::Checked);  // the model's value, not the widget's own cycle
  QTest::mouseClick(&Widget<QRadioButton>("optDir", 1), Qt::LeftButton);
  EXPECT_TRUE(dlg.optDir1.Value());
  auto& list = Widget<QListWidget>("lstItems");
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(2)).center());
  EXPECT_EQ(dlg.lstItems.Selected(), 2);
  dlg.hide_on_ok = false;
  QTest::mouseClick(&Widget<QPushButton>("cmdOK"), Qt::LeftButton);
  QTest::mouseClick(&Widget<QLabel>("lblName"), Qt::LeftButton);
  EXPECT_EQ(Only(rig.log, "dlg:Click"),
            (Log{"dlg:Click chkCase", "dlg:Click optDir(1)", "dlg:Click lstItems", "dlg:Click cmdOK",
                 "dlg:Click lblName"}));
  EXPECT_GE(settled, 5);
}

TEST_F(FormViewTest, AClickOnADisabledWindowDoesNothing) {
  dlg.SetEnabled(false);
  rig.log.clear();
  QTest::mouseClick(&Widget<QCheckBox>("chkCase"), Qt::LeftButton);
  EXPECT_EQ(dlg.chkCase.Value(), check::kUnchecked);
  EXPECT_TRUE(Only(rig.log, "dlg:Click").empty());
}

TEST_F(FormViewTest, AClickTheModelRefusesLeavesTheWidgetShowingTheModel) {
  dlg.SetEnabled(false);
  QTest::mouseClick(&Widget<QCheckBox>("chkCase"), Qt::LeftButton);
  QTest::mouseClick(&Widget<QRadioButton>("optDir", 1), Qt::LeftButton);
  view->Sync();
  EXPECT_EQ(Widget<QCheckBox>("chkCase").checkState(), Qt::Unchecked);
  EXPECT_FALSE(Widget<QRadioButton>("optDir", 1).isChecked());
}

TEST_F(FormViewTest, ScreenReadersGetNamesDescriptionsAndRolesFromTheModels) {
  dlg.cmdOK.SetToolTip(u"決める");
  dlg.txtName.SetAccessibleName(u"名前の欄");
  view->Sync();
  const auto role = [](QWidget& w) { return QAccessible::queryAccessibleInterface(&w)->role(); };
  EXPECT_EQ(Widget<QPushButton>("cmdOK").accessibleName(), qt::ToQ(dlg.cmdOK.AccessibleName()));
  EXPECT_EQ(Widget<QPushButton>("cmdOK").accessibleDescription(), QStringLiteral("決める"));
  EXPECT_EQ(view->WidgetOf("txtName")->accessibleName(), QStringLiteral("名前の欄"));
  EXPECT_EQ(role(Widget<QPushButton>("cmdOK")), QAccessible::PushButton);
  EXPECT_EQ(role(Widget<QCheckBox>("chkCase")), QAccessible::CheckBox);
  EXPECT_EQ(role(Widget<QRadioButton>("optDir", 0)), QAccessible::RadioButton);
  EXPECT_EQ(role(Widget<QListWidget>("lstItems")), QAccessible::List);
  EXPECT_EQ(role(Widget<QGroupBox>("fraDir")), QAccessible::Grouping);
  EXPECT_EQ(role(Widget<QLabel>("lblName")), QAccessible::StaticText);
  EXPECT_EQ(role(*view->WidgetOf("txtName")), QAccessible::EditableText);
  EXPECT_EQ(view->accessibleName(), QStringLiteral("ダイアログ"));
  EXPECT_EQ(role(*view), QAccessible::Dialog);  // a window of its own, not an unnamed filler
}

TEST_F(FormViewTest, AControlOfAnUnknownKindIsReportedNotSkippedSilently) {
  StrangeControl strange(dlg);
  view->Sync();
  ASSERT_EQ(view->Undrawn().size(), 1u);
  EXPECT_EQ(view->Undrawn().front(), "xyzStrange");
}

TEST_F(FormViewTest, AnUnloadedFormLeavesTheViewEmpty) {
  rig.runtime.Unload(dlg);
  EXPECT_EQ(view->Model(), nullptr);
  EXPECT_EQ(view->WidgetOf("cmdOK"), nullptr);
  view->Sync();  // nothing left to draw, nothing to crash on
  EXPECT_FALSE(view->isVisible());
}

}  // namespace
}  // namespace orvo::forms::test
