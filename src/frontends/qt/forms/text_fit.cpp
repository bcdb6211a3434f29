// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/forms/text_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace orvo::qt {
namespace {

// The caption as shown: a mnemonic's '&' is drawn as an underline, "&&" as one '&'.
QString Shown(const QString& caption) {
  QString shown;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

QSize TextSize(const QWidget& widget, const QString& text) {
  return widget.fontMetrics().boundingRect(QRect(0, 0, 100000, 100000), Qt::TextShowMnemonic, text).size();
}

std::optional<TextFit> LabelFit(const QLabel& label) {
  if (label.text().isEmpty() || !label.pixmap().isNull()) return std::nullopt;
  const QRect room = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(), -label.margin());
  const QSize need = label.fontMetrics()
                         .boundingRect(QRect(0, 0, label.wordWrap() ? room.width() : 100000, 100000),
                                       label.wordWrap() ? Qt::TextWordWrap : 0, label.text())
                         .size();
  return TextFit{need, room.size()};
}

std::optional<TextFit> ButtonFit(const QAbstractButton& button) {
  if (button.text().isEmpty()) return std::nullopt;
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  option.icon = button.icon();
  option.iconSize = button.iconSize();
  QStyle::SubElement contents = QStyle::SE_PushButtonContents;
  if (qobject_cast<const QCheckBox*>(&button) != nullptr) contents = QStyle::SE_CheckBoxContents;
  if (qobject_cast<const QRadioButton*>(&button) != nullptr) contents = QStyle::SE_RadioButtonContents;
  QSize room = button.style()->subElementRect(contents, &option, &button).size();
  QSize need = TextSize(button, Shown(button.text()));
  if (contents == QStyle::SE_PushButtonContents && !button.icon().isNull()) {
    // The picture stands before the caption, as the style draws it.
    need.rwidth() += button.iconSize().width() + 4;
    need.setHeight(std::max(need.height(), button.iconSize().height()));
  }
  return TextFit{need, room};
}

std::optional<TextFit> FrameFit(const QGroupBox& frame) {
  if (frame.title().isEmpty()) return std::nullopt;
  QStyleOptionGroupBox option;
  option.initFrom(&frame);
  option.text = frame.title();
  option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
  option.textAlignment = frame.alignment();
  const QRect title = frame.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &frame);
  // The title may run to the frame's far edge.
  const QSize room(frame.width() - title.left(), std::max(title.height(), frame.height()));
  return TextFit{TextSize(frame, Shown(frame.title())), room};
}

}  // namespace

std::optional<TextFit> CaptionFit(const QWidget& widget) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) return LabelFit(*label);
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) return ButtonFit(*button);
  if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) return FrameFit(*frame);
  return std::nullopt;
}

double GrowthFor(const QWidget& widget) {
  const std::optional<TextFit> fit = CaptionFit(widget);
  if (!fit || fit->Fits()) return 1.0;
  const auto growth = [](int need, int room, int size) {
    if (need <= room || size <= 0) return 1.0;
    return 1.0 + static_cast<double>(need - room) / size;
  };
  return std::max(growth(fit->need.width(), fit->room.width(), widget.width()),
                  growth(fit->need.height(), fit->room.height(), widget.height()));
}

}  // namespace orvo::qt
