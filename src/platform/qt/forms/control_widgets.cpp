#include "platform/qt/forms/control_widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "app/forms/check_box_control.h"
#include "app/forms/command_button_control.h"
#include "app/forms/form.h"
#include "app/forms/label_control.h"
#include "app/forms/list_box_control.h"
#include "app/forms/option_button_control.h"
#include "platform/qt/picture_set.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/svg_pictures.h"

namespace orvo::qt {
namespace {

using Act = std::function<void(std::function<void()>)>;

template <class W>
QWidget* Make(QWidget* parent) {
  return new W(parent);
}

QWidget* MakeLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QWidget* MakeButton(QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setAutoDefault(false);  // the model says which button is the default
  return button;
}

QWidget* MakeRadio(QWidget* parent) {
  // Readers call an auto-exclusive button a radio button; the model still decides which is on.
  return new QRadioButton(parent);
}

QWidget* MakeCheck(QWidget* parent) {
  auto* check = new QCheckBox(parent);
  check->setTristate(true);
  return check;
}

void SyncLabel(QWidget& w, forms::Control& c) {
  auto& label = static_cast<QLabel&>(w);
  const QString text = ToQ(c.Caption());
  if (label.text() != text) label.setText(text);
  using A = forms::LabelControl::Alignment;
  const A a = static_cast<forms::LabelControl&>(c).TextAlignment();
  const Qt::Alignment align = (a == A::kRight ? Qt::AlignRight : a == A::kCentre ? Qt::AlignHCenter : Qt::AlignLeft) |
                              Qt::AlignVCenter;
  if (label.alignment() != align) label.setAlignment(align);
}

void SyncButton(QWidget& w, forms::Control& c) {
  auto& button = static_cast<QPushButton&>(w);
  auto& model = static_cast<forms::CommandButtonControl&>(c);
  const QString text = ToQ(c.Caption());
  if (button.text() != text) button.setText(text);
  const QVariant picture = button.property("orvoPicture");
  if (!picture.isValid() || picture.toInt() != c.Picture()) {
    button.setProperty("orvoPicture", c.Picture());
    button.setIcon(PictureIcon(c.Picture()));
  }
  // A form without a default button shows the focused one as the one Enter presses.
  const bool is_default = model.IsDefault() || (model.Owner().DefaultButton() == nullptr && c.HasFocus());
  if (button.isDefault() != is_default) button.setDefault(is_default);
}

void SyncPicture(QWidget& w, forms::Control& c) {
  auto& label = static_cast<QLabel&>(w);
  const Rect& b = c.Bounds();
  // Pictures drawn from a source fill the control; the others are square.
  const bool svg = IsSvgPicture(c.Picture());
  const int size = std::min(b.width, b.height);
  const QVariant drawn = label.property("orvoPicture");
  const QString key = QStringLiteral("%1:%2x%3").arg(c.Picture()).arg(b.width).arg(b.height);
  if (drawn.isValid() && drawn.toString() == key) return;
  label.setProperty("orvoPicture", key);
  if (c.Picture() == forms::kNoPicture || size < 1) {
    label.clear();
  } else if (svg) {
    label.setPixmap(SvgPicture(c.Picture(), QSize(b.width, b.height)));
  } else {
    label.setPixmap(PicturePixmap(c.Picture(), size));
  }
}

void SyncOption(QWidget& w, forms::Control& c) {
  auto& radio = static_cast<QRadioButton&>(w);
  const QString text = ToQ(c.Caption());
  if (radio.text() != text) radio.setText(text);
  const bool on = static_cast<forms::OptionButtonControl&>(c).Value();
  if (radio.isChecked() == on) return;
  // The one checked button of an exclusive group cannot be cleared on its own.
  radio.setAutoExclusive(false);
  radio.setChecked(on);
  radio.setAutoExclusive(true);
}

void SyncCheck(QWidget& w, forms::Control& c) {
  auto& check = static_cast<QCheckBox&>(w);
  const QString text = ToQ(c.Caption());
  if (check.text() != text) check.setText(text);
  constexpr Qt::CheckState kStates[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
  const int value = static_cast<forms::CheckBoxControl&>(c).Value();
  const Qt::CheckState state = kStates[value >= 0 && value <= 2 ? value : 0];
  if (check.checkState() != state) check.setCheckState(state);
}

void SyncList(QWidget& w, forms::Control& c) {
  auto& list = static_cast<QListWidget&>(w);
  auto& model = static_cast<forms::ListBoxControl&>(c);
  bool same = list.count() == model.Count();
  for (int i = 0; same && i < model.Count(); ++i) same = list.item(i)->text() == ToQ(model.Item(i));
  if (!same) {
    list.clear();
    for (const ustring& item : model.Items()) list.addItem(ToQ(item));
  }
  if (list.currentRow() != model.Selected()) list.setCurrentRow(model.Selected());
}

void SyncFrame(QWidget& w, forms::Control& c) {
  auto& frame = static_cast<QGroupBox&>(w);
  const QString text = ToQ(c.Caption());
  if (frame.title() != text) frame.setTitle(text);
}

void SyncNothing(QWidget&, forms::Control&) {}

// The model decides what a click does to the value; the widget is put back from it.
void WireClick(QWidget& w, forms::Control& c, const Act& act) {
  auto* button = static_cast<QAbstractButton*>(&w);
  QObject::connect(button, &QAbstractButton::clicked, button, [&c, act] { act([&c] { c.Click(); }); });
}

void WireList(QWidget& w, forms::Control& c, const Act& act) {
  auto* list = static_cast<QListWidget*>(&w);
  QObject::connect(list, &QListWidget::itemClicked, list, [list, &c, act](QListWidgetItem* item) {
    const int row = list->row(item);
    act([&c, row] { static_cast<forms::ListBoxControl&>(c).ClickItem(row); });
  });
}

// One row per kind of control the forms runtime has.
// clang-format off
constexpr ControlKindRow kRows[] = {
    {forms::ControlKind::kLabel,         MakeLabel,        SyncLabel,   nullptr,   true},
    {forms::ControlKind::kCommandButton, MakeButton,       SyncButton,  WireClick, false},
    {forms::ControlKind::kPictureBox,    MakeLabel,        SyncPicture, nullptr,   true},
    {forms::ControlKind::kTextBox,       nullptr,          SyncNothing, nullptr,   false},
    {forms::ControlKind::kListBox,       Make<QListWidget>, SyncList,   WireList,  false},
    {forms::ControlKind::kOptionButton,  MakeRadio,        SyncOption,  WireClick, false},
    {forms::ControlKind::kCheckBox,      MakeCheck,        SyncCheck,   WireClick, false},
    {forms::ControlKind::kFrame,         Make<QGroupBox>,  SyncFrame,   nullptr,   false},
};
// clang-format on

}  // namespace

const ControlKindRow* RowFor(forms::ControlKind kind) {
  for (const ControlKindRow& row : kRows) {
    if (row.kind == kind) return &row;
  }
  return nullptr;
}

}  // namespace orvo::qt
