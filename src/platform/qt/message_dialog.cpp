#include "platform/qt/message_dialog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "platform/qt/font_map.h"
#include "platform/qt/qt_text.h"

namespace orvo::qt {
namespace {

// The frame a box's outer size counts around its client area (borders and title).
constexpr int kFrameWidth = 6;
constexpr int kFrameHeight = 28;

QIcon IconFor(MessageIcon icon, const QIcon& owner_icon, const QStyle& style) {
  switch (icon) {
    case MessageIcon::kStop:
      return style.standardIcon(QStyle::SP_MessageBoxCritical);
    case MessageIcon::kQuestion:
      return style.standardIcon(QStyle::SP_MessageBoxQuestion);
    case MessageIcon::kExclamation:
      return style.standardIcon(QStyle::SP_MessageBoxWarning);
    case MessageIcon::kInformation:
      return style.standardIcon(QStyle::SP_MessageBoxInformation);
    case MessageIcon::kOwner:
      return owner_icon;
    case MessageIcon::kNone:
      break;
  }
  return {};
}

QRect ToQRect(const Rect& r) { return {r.left, r.top, r.width, r.height}; }

// What tells one box from another for rebuilding.
ustring Signature(const MessageBoxModel& box) {
  ustring s = box.title + u'\x1F' + box.text + u'\x1F' + static_cast<char16_t>(u'0' + box.icon_code / 16);
  for (const MessageButton& b : box.buttons) s += u'\x1F' + b.caption;
  return s;
}

}  // namespace

MessageDialog::MessageDialog(std::function<void(std::size_t)> on_click, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      on_click_(std::move(on_click)) {
  setModal(true);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  icon_ = new QLabel(this);
  text_ = new QLabel(this);
  text_->setTextFormat(Qt::PlainText);
}

QPushButton* MessageDialog::ButtonAt(std::size_t index) const {
  return index < buttons_.size() ? buttons_[index] : nullptr;
}

void MessageDialog::closeEvent(QCloseEvent* event) {
  event->ignore();  // the box closes by its buttons and Esc only
}

void MessageDialog::Rebuild(const MessageBoxModel& box, const QIcon& owner_icon) {
  for (QPushButton* b : buttons_) delete b;
  buttons_.clear();
  setWindowTitle(ToQ(box.title));
  setAccessibleName(ToQ(box.title));
  const QColor back = ToQColor(box.back_color);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, back);
  pal.setColor(QPalette::Button, back);
  setPalette(pal);
  setAutoFillBackground(true);

  const QIcon icon = IconFor(box.icon, owner_icon, *style());
  icon_->setVisible(box.icon_shown && !icon.isNull());
  if (icon_->isVisible()) {
    icon_->setGeometry(ToQRect(box.icon_rect));
    icon_->setPixmap(icon.pixmap(box.icon_rect.width, box.icon_rect.height));
  }

  const QFont font = ToQFont(box.font);
  text_->setFont(font);
  text_->setText(ToQ(box.text));
  QPalette text_pal = text_->palette();
  text_pal.setColor(QPalette::WindowText, ToQColor(box.text_color));
  text_->setPalette(text_pal);
  text_->setGeometry(ToQRect(box.text_rect));
  text_->adjustSize();
  text_->setAccessibleName(ToQ(box.text));

  for (std::size_t i = 0; i < box.buttons.size(); ++i) {
    auto* button = new QPushButton(ToQ(box.buttons[i].caption), this);
    button->setFont(font);
    button->setGeometry(ToQRect(box.buttons[i].rect));
    button->setAccessibleName(ToQ(box.buttons[i].caption));
    connect(button, &QPushButton::clicked, this, [this, i] { on_click_(i); });
    button->show();
    buttons_.push_back(button);
  }
}

void MessageDialog::Sync(const MessageBoxModel* box, int twips_x, int twips_y, const QIcon& owner_icon) {
  if (box == nullptr) {
    shown_.clear();
    if (isVisible()) hide();
    return;
  }
  const ustring signature = Signature(*box);
  if (signature != shown_) {
    Rebuild(*box, owner_icon);
    shown_ = signature;
    const int tx = std::max(1, twips_x);
    const int ty = std::max(1, twips_y);
    setFixedSize(box->box_twips.width / tx - kFrameWidth, box->box_twips.height / ty - kFrameHeight);
    move(box->box_twips.left / tx, box->box_twips.top / ty);
  }
  for (std::size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->setDefault(i == box->focused);
  if (!isVisible()) show();
  if (box->focused < buttons_.size()) buttons_[box->focused]->setFocus();
  activateWindow();
}

}  // namespace orvo::qt
