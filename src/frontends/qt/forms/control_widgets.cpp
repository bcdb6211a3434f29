#include "frontends/qt/forms/control_widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "toolkit/forms/check_box_control.h"
#include "toolkit/forms/command_button_control.h"
#include "toolkit/forms/form.h"
#include "toolkit/forms/label_control.h"
#include "toolkit/forms/list_box_control.h"
#include "toolkit/forms/option_button_control.h"
#include "frontends/qt/forms/face_image.h"
#include "frontends/qt/picture_set.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/svg_pictures.h"

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

// A push button that may have a face of its own: the face, a raised edge
// (sunk while pressed), then the picture and caption as the style draws them.
class FacedButton : public QPushButton {
 public:
  using QPushButton::QPushButton;
  void SetFace(const QPixmap& face) {
    face_ = face;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (face_.isNull()) return QPushButton::paintEvent(event);
    QStylePainter p(this);
    p.drawPixmap(0, 0, face_);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    const bool down = isDown() || isChecked();
    p.setPen(down ? palette().color(QPalette::Dark) : palette().color(QPalette::Light));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(down ? palette().color(QPalette::Light) : palette().color(QPalette::Shadow));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    QStyleOptionButton option;
    initStyleOption(&option);
    p.drawControl(QStyle::CE_PushButtonLabel, option);
    if (hasFocus()) {
      QStyleOptionFocusRect focus;
      focus.initFrom(this);
      focus.rect = rect().adjusted(3, 3, -3, -3);
      p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
  }

 private:
  QPixmap face_;
};

// Whether the face drawn last is the control's face now.
bool FaceChanged(QWidget& w, const forms::Control& c) {
  const auto key = static_cast<qulonglong>(reinterpret_cast<quintptr>(c.Face().get()));
  const QVariant drawn = w.property("orvoFace");
  if (drawn.isValid() && drawn.toULongLong() == key) return false;
  w.setProperty("orvoFace", key);
  return true;
}

QWidget* MakeButton(QWidget* parent) {
  auto* button = new FacedButton(parent);
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
  // A focusable label (a colour swatch) shows where the keyboard is with a
  // thick two-tone frame, light and dark, seen on any colour.
  const int frame = c.HasFocus() ? (QFrame::Box | QFrame::Sunken) : QFrame::NoFrame;
  if (label.frameStyle() != frame) {
    label.setFrameStyle(frame);
    label.setLineWidth(2);
    label.setMidLineWidth(2);
  }
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
  if (FaceChanged(w, c)) static_cast<FacedButton&>(button).SetFace(c.Face() ? FacePixmap(*c.Face()) : QPixmap());
  // A form without a default button shows the focused one as the one Enter presses.
  const bool is_default = model.IsDefault() || (model.Owner().DefaultButton() == nullptr && c.HasFocus());
  if (button.isDefault() != is_default) button.setDefault(is_default);
}

// A picture box: its face, if it has one, with its picture over it; a
// vector picture fills the box, the others are square icons.
void SyncPicture(QWidget& w, forms::Control& c) {
  auto& label = static_cast<QLabel&>(w);
  const Rect& b = c.Bounds();
  // Pictures drawn from a source fill the control; the others are square.
  const bool svg = IsSvgPicture(c.Picture());
  const int size = std::min(b.width, b.height);
  const QVariant drawn = label.property("orvoPicture");
  const QString key = QStringLiteral("%1:%2x%3").arg(c.Picture()).arg(b.width).arg(b.height);
  const bool face_changed = FaceChanged(w, c);
  if (!face_changed && drawn.isValid() && drawn.toString() == key) return;
  label.setProperty("orvoPicture", key);
  QPixmap picture = c.Picture() == forms::kNoPicture || size < 1 ? QPixmap()
                    : svg ? SvgPicture(c.Picture(), QSize(b.width, b.height))
                          : PicturePixmap(c.Picture(), size);
  // A face lies under the picture (the splash's gradient).
  if (c.Face()) {
    QPixmap composed = FacePixmap(*c.Face());
    if (!picture.isNull()) {
      QPainter painter(&composed);
      painter.drawPixmap(0, 0, picture);
    }
    picture = composed;
  }
  if (picture.isNull()) {
    label.clear();
  } else {
    label.setPixmap(picture);
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
  // Qt tells screen readers the current item is focused whether or not the
  // list has the keyboard: a list without it shows its choice as a selection only.
  const int row = model.Selected();
  if (list.hasFocus() || row < 0) {
    if (list.currentRow() != row) list.setCurrentRow(row);
  } else {
    QItemSelectionModel* selection = list.selectionModel();
    const QModelIndex index = list.model()->index(row, 0);
    if (!selection->isSelected(index)) selection->select(index, QItemSelectionModel::ClearAndSelect);
    if (selection->currentIndex().isValid()) selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  }
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
