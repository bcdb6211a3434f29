// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/forms/widget_peers.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "platform/emulated/text_box.h"
#include "toolkit/forms/list_box_control.h"
#include "toolkit/forms/text_box_control.h"
#include "frontends/qt/desktop_colours.h"
#include "frontends/qt/document_pane.h"
#include "frontends/qt/font_map.h"
#include "frontends/qt/forms/face_image.h"
#include "frontends/qt/picture_set.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/reader_events.h"
#include "frontends/qt/svg_pictures.h"

namespace orvo::qt {
namespace {

// Each drawn widget's peer. Asked for many times a key (the strips are laid
// out from their widgets), so a table rather than a property looked up by name.
std::unordered_map<const QObject*, WidgetPeer*>& PeersOfWidgets() {
  static std::unordered_map<const QObject*, WidgetPeer*> peers;
  return peers;
}
constexpr char kFitProperty[] = "orvoFit";

void SetColours(QWidget& widget, std::uint32_t fore, std::uint32_t back, bool fills) {
  widget.setPalette(PaletteFor(widget, fore, back, fills));
  widget.setAutoFillBackground(fills);
}

// What every kind shares, on a widget of type W.
template <class Peer, class W>
class Common : public Peer, public WidgetPeer {
 public:
  Common(W& widget, forms::Control& control, QWidget& window)
      : WidgetPeer(widget, control), w_(widget), window_(window) {}

  void SetHolder(frontend::ControlPeer* holder) override {
    QWidget* parent = WidgetOf(holder);
    if (parent == nullptr) parent = &window_;
    if (w_.parentWidget() != parent) w_.setParent(parent);
  }
  void SetBounds(const Rect& b) override {
    bounds_ = QRect(b.left, b.top, b.width, b.height);
    Place(FitOf(window_));
  }
  void SetVisible(bool visible) override { w_.setVisible(visible); }
  void SetEnabled(bool enabled) override { w_.setEnabled(enabled); }
  void SetFont(const FontSpec& font) override { w_.setFont(ToQFont(font)); }
  void SetColours(std::uint32_t fore, std::uint32_t back, bool fills) override {
    qt::SetColours(w_, fore, back, fills);
  }
  void SetFocusable(bool focusable) override { w_.setFocusPolicy(focusable ? Qt::StrongFocus : Qt::NoFocus); }
  void SetAccessibleName(const ustring& name) override { w_.setAccessibleName(ToQ(name)); }
  void SetDescription(const ustring& description) override {
    w_.setAccessibleDescription(ToQ(description));
    w_.setToolTip(ToQ(description));
  }
  void AnnounceCaption() override {
    QAccessibleEvent renamed(&w_, QAccessible::NameChanged);
    TellReaders(renamed);
  }

 protected:
  W& w_;

 private:
  QWidget& window_;
};

// The model decides what a person's action does to the value; the widget is
// put back from what the model says, unless the action took its control away.
template <class Peer>
void Reassert(QWidget& w, Peer* peer) {
  if (PeerOfWidget(&w) == static_cast<WidgetPeer*>(peer)) peer->Reassert();
}

template <class Peer, class W>
void WireClick(Peer* peer, W& w, forms::Control& c, const Act& act) {
  QObject::connect(&w, &QAbstractButton::clicked, &w, [peer, &w, &c, act] {
    act([&c] { c.Click(); });
    Reassert(w, peer);
  });
}

class LabelView : public Common<frontend::LabelPeer, QLabel> {
 public:
  using Common::Common;
  void SetCaption(const ustring& caption) override {
    const QString text = ToQ(caption);
    if (w_.text() != text) w_.setText(text);
  }
  void SetAlignment(forms::LabelControl::Alignment a) override {
    using A = forms::LabelControl::Alignment;
    const Qt::Alignment align =
        (a == A::kRight ? Qt::AlignRight : a == A::kCentre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
    if (w_.alignment() != align) w_.setAlignment(align);
  }
  // A thick two-tone frame, light and dark, seen on any colour.
  void SetFocusFrame(bool shown) override {
    const int frame = shown ? (QFrame::Box | QFrame::Sunken) : QFrame::NoFrame;
    if (w_.frameStyle() == frame) return;
    w_.setFrameStyle(frame);
    w_.setLineWidth(2);
    w_.setMidLineWidth(2);
  }
};

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

class ButtonView : public Common<frontend::ButtonPeer, FacedButton> {
 public:
  using Common::Common;
  void SetCaption(const ustring& caption) override {
    const QString text = ToQ(caption);
    if (w_.text() != text) w_.setText(text);
  }
  void SetPicture(int picture) override { w_.setIcon(PictureIcon(picture)); }
  void SetFace(const std::shared_ptr<const Bitmap>& face) override { w_.SetFace(face ? FacePixmap(*face) : QPixmap()); }
  void SetDefault(bool is_default) override {
    if (w_.isDefault() != is_default) w_.setDefault(is_default);
  }
  void Reassert() {}
};

// A picture box: its face, if it has one, with its picture over it; a
// picture drawn from a source fills the box, the others are square icons.
class PictureView : public Common<frontend::PicturePeer, QLabel> {
 public:
  using Common::Common;
  void SetPicture(int id, const std::shared_ptr<const Bitmap>& face, Size box) override {
    id_ = id;
    face_ = face;
    box_ = box;
    Draw();
  }

 protected:
  // A window grown for its captions grows its pictures with it.
  void Placed() override {
    if (drawn_fit_ != Fit()) Draw();
  }

 private:
  void Draw() {
    drawn_fit_ = Fit();
    const QSize box = Scaled(QRect(0, 0, box_.width, box_.height), drawn_fit_).size();
    const int size = std::min(box.width(), box.height());
    const qreal ratio = w_.devicePixelRatioF();
    QPixmap picture = id_ == forms::kNoPicture || size < 1 ? QPixmap()
                      : IsSvgPicture(id_)                   ? SvgPicture(id_, box, ratio)
                                                            : PicturePixmap(id_, size);
    if (face_) {
      const QPixmap under = FacePixmap(*face_);
      const QSize shown = Scaled(QRect(QPoint(0, 0), under.size()), drawn_fit_).size();
      // In the screen's pixels, so that a sharp picture stays sharp over its face.
      QPixmap composed(QSize(qRound(shown.width() * ratio), qRound(shown.height() * ratio)));
      composed.setDevicePixelRatio(ratio);
      composed.fill(Qt::transparent);
      QPainter painter(&composed);
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawPixmap(QRect(QPoint(0, 0), shown), under);
      if (!picture.isNull()) painter.drawPixmap(0, 0, picture);
      painter.end();
      picture = composed;
    }
    if (picture.isNull()) {
      w_.clear();
    } else {
      w_.setPixmap(picture);
    }
  }

  int id_ = forms::kNoPicture;
  std::shared_ptr<const Bitmap> face_;
  Size box_;
  double drawn_fit_ = 1.0;
};

// A text box shows its edit control with the composition in place.
class TextView : public Common<frontend::TextPeer, DocumentEdit> {
 public:
  TextView(std::unique_ptr<DocumentPane> pane, forms::Control& control, QWidget& window)
      : Common(pane->Widget(), control, window), pane_(std::move(pane)) {}
  ~TextView() override { pane_.reset(); }
  void ShowBox(EditControl& box) override { pane_->Show(dynamic_cast<emu::TextBox*>(&box)); }
  // A text box takes its colours and its keyboard from its edit control.
  void SetColours(std::uint32_t, std::uint32_t, bool) override {}
  void SetFocusable(bool) override {}

 private:
  std::unique_ptr<DocumentPane> pane_;
};

class ListView : public Common<frontend::ListPeer, QListWidget> {
 public:
  using Common::Common;
  void SetItems(const std::vector<ustring>& items) override {
    w_.clear();
    for (const ustring& item : items) w_.addItem(ToQ(item));
  }
  void SetSelected(int row) override {
    row_ = row;
    Reassert();
  }
  void SetFocused(bool) override { Reassert(); }
  // Qt tells screen readers the current item is focused whether or not the
  // list has the keyboard: a list without it shows its choice as a selection only.
  void Reassert() {
    if (w_.hasFocus() || row_ < 0) {
      if (w_.currentRow() != row_) w_.setCurrentRow(row_);
      return;
    }
    QItemSelectionModel* selection = w_.selectionModel();
    const QModelIndex index = w_.model()->index(row_, 0);
    if (!selection->isSelected(index)) selection->select(index, QItemSelectionModel::ClearAndSelect);
    if (selection->currentIndex().isValid()) selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  }

 private:
  int row_ = -1;
};

class OptionView : public Common<frontend::OptionPeer, QRadioButton> {
 public:
  using Common::Common;
  void SetCaption(const ustring& caption) override {
    const QString text = ToQ(caption);
    if (w_.text() != text) w_.setText(text);
  }
  void SetValue(bool on) override {
    on_ = on;
    Reassert();
  }
  void Reassert() {
    if (w_.isChecked() == on_) return;
    // The one checked button of an exclusive group cannot be cleared on its own.
    w_.setAutoExclusive(false);
    w_.setChecked(on_);
    w_.setAutoExclusive(true);
  }

 private:
  bool on_ = false;
};

class CheckView : public Common<frontend::CheckPeer, QCheckBox> {
 public:
  using Common::Common;
  void SetCaption(const ustring& caption) override {
    const QString text = ToQ(caption);
    if (w_.text() != text) w_.setText(text);
  }
  void SetValue(int value) override {
    constexpr Qt::CheckState kStates[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    state_ = kStates[value >= 0 && value <= 2 ? value : 0];
    Reassert();
  }
  void Reassert() {
    if (w_.checkState() != state_) w_.setCheckState(state_);
  }

 private:
  Qt::CheckState state_ = Qt::Unchecked;
};

class FrameView : public Common<frontend::FramePeer, QGroupBox> {
 public:
  using Common::Common;
  void SetCaption(const ustring& caption) override {
    const QString text = ToQ(caption);
    if (w_.title() != text) w_.setTitle(text);
  }
};

using Made = std::unique_ptr<frontend::ControlPeer>;

Made MakeLabel(forms::Control& c, QWidget& parent, QWidget& window, const Act&) {
  auto* label = new QLabel(&parent);
  label->setTextFormat(Qt::PlainText);
  return std::make_unique<LabelView>(*label, c, window);
}

Made MakePicture(forms::Control& c, QWidget& parent, QWidget& window, const Act&) {
  auto* label = new QLabel(&parent);
  label->setTextFormat(Qt::PlainText);
  return std::make_unique<PictureView>(*label, c, window);
}

Made MakeButton(forms::Control& c, QWidget& parent, QWidget& window, const Act& act) {
  auto* button = new FacedButton(&parent);
  button->setAutoDefault(false);  // the model says which button is the default
  auto peer = std::make_unique<ButtonView>(*button, c, window);
  WireClick(peer.get(), *button, c, act);
  return peer;
}

Made MakeText(forms::Control& c, QWidget& parent, QWidget& window, const Act&) {
  auto pane = std::make_unique<DocumentPane>(&parent);
  pane->SetSingleLine(!static_cast<forms::TextBoxControl&>(c).Multiline());
  return std::make_unique<TextView>(std::move(pane), c, window);
}

Made MakeList(forms::Control& c, QWidget& parent, QWidget& window, const Act& act) {
  auto* list = new QListWidget(&parent);
  auto peer = std::make_unique<ListView>(*list, c, window);
  ListView* view = peer.get();
  QObject::connect(list, &QListWidget::itemClicked, list, [list, view, &c, act](QListWidgetItem* item) {
    const int row = list->row(item);
    act([&c, row] { static_cast<forms::ListBoxControl&>(c).ClickItem(row); });
    Reassert(*list, view);
  });
  return peer;
}

Made MakeOption(forms::Control& c, QWidget& parent, QWidget& window, const Act& act) {
  // Readers call an auto-exclusive button a radio button; the model still decides which is on.
  auto* radio = new QRadioButton(&parent);
  auto peer = std::make_unique<OptionView>(*radio, c, window);
  WireClick(peer.get(), *radio, c, act);
  return peer;
}

Made MakeCheck(forms::Control& c, QWidget& parent, QWidget& window, const Act& act) {
  auto* check = new QCheckBox(&parent);
  check->setTristate(true);
  auto peer = std::make_unique<CheckView>(*check, c, window);
  WireClick(peer.get(), *check, c, act);
  return peer;
}

Made MakeFrame(forms::Control& c, QWidget& parent, QWidget& window, const Act&) {
  return std::make_unique<FrameView>(*new QGroupBox(&parent), c, window);
}

// One row per kind of control the forms runtime has.
// clang-format off
constexpr ControlKindRow kRows[] = {
    {forms::ControlKind::kLabel,         MakeLabel,   true},
    {forms::ControlKind::kCommandButton, MakeButton,  false},
    {forms::ControlKind::kPictureBox,    MakePicture, true},
    {forms::ControlKind::kTextBox,       MakeText,    false},
    {forms::ControlKind::kListBox,       MakeList,    false},
    {forms::ControlKind::kOptionButton,  MakeOption,  false},
    {forms::ControlKind::kCheckBox,      MakeCheck,   false},
    {forms::ControlKind::kFrame,         MakeFrame,   false},
};
// clang-format on

}  // namespace

WidgetPeer::WidgetPeer(QWidget& widget, forms::Control& control) : widget_(widget), control_(control) {
  PeersOfWidgets()[&widget_] = this;
}

void WidgetPeer::Place(double fit) {
  fit_ = fit;
  const QRect at = Scaled(bounds_, fit);
  if (widget_.geometry() != at) widget_.setGeometry(at);
  Placed();
}

double FitOf(const QWidget& window) {
  const QVariant fit = window.property(kFitProperty);
  return fit.isValid() ? fit.toDouble() : 1.0;
}

void SetFitOf(QWidget& window, double fit) { window.setProperty(kFitProperty, fit); }

QRect Scaled(const QRect& r, double fit) {
  if (fit == 1.0) return r;
  const auto at = [fit](int v) { return static_cast<int>(std::lround(v * fit)); };
  const int left = at(r.left());
  const int top = at(r.top());
  return QRect(left, top, at(r.left() + r.width()) - left, at(r.top() + r.height()) - top);
}

WidgetPeer::~WidgetPeer() {
  PeersOfWidgets().erase(&widget_);
  widget_.deleteLater();
}

QWidget* WidgetOf(frontend::ControlPeer* peer) {
  auto* drawn = dynamic_cast<WidgetPeer*>(peer);
  return drawn != nullptr ? &drawn->Widget() : nullptr;
}

WidgetPeer* PeerOfWidget(const QObject* widget) {
  if (widget == nullptr) return nullptr;
  const auto& peers = PeersOfWidgets();
  const auto found = peers.find(widget);
  return found != peers.end() ? found->second : nullptr;
}

const ControlKindRow* RowFor(forms::ControlKind kind) {
  for (const ControlKindRow& row : kRows) {
    if (row.kind == kind) return &row;
  }
  return nullptr;
}

}  // namespace orvo::qt
