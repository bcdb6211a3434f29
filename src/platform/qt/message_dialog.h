#pragma once
// The application message box on the screen, drawn from the box the program
// waits on: title, icon, coloured text and buttons, in the model's places.
// It looks modal and blocks the other windows; its keys still reach the
// program through the input queue like every key.
#include <QDialog>
#include <QIcon>
#include <cstddef>
#include <functional>
#include <vector>

#include "app/message_box.h"

class QLabel;
class QPushButton;

namespace orvo::qt {

class MessageDialog : public QDialog {
  Q_OBJECT

 public:
  // on_click: a button of the current box was clicked.
  explicit MessageDialog(std::function<void(std::size_t)> on_click, QWidget* parent = nullptr);

  // Shows the box (null: hides the dialog). Twips per pixel turn the box's
  // outer twips into pixels; owner_icon stands for the owner window's icon.
  void Sync(const MessageBoxModel* box, int twips_x, int twips_y, const QIcon& owner_icon);

  QPushButton* ButtonAt(std::size_t index) const;
  QLabel* TextLabel() const { return text_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Rebuild(const MessageBoxModel& box, const QIcon& owner_icon);

  std::function<void(std::size_t)> on_click_;
  QLabel* icon_ = nullptr;
  QLabel* text_ = nullptr;
  std::vector<QPushButton*> buttons_;
  ustring shown_;  // the text and captions of the box now built
};

}  // namespace orvo::qt
