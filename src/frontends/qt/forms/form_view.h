#pragma once
// Any form of the forms runtime on the screen: one widget per control, made
// from the control's model by its kind's row and kept in step with the
// changes the runtime reports, control by control. As a top-level window it
// also follows the form's caption, place, size, showing and modality. Mouse
// actions go to the control models; keys never stop here (they go through the
// program's one input queue). Screen readers get each control's name,
// description and role from its model, and hear live displays change.
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/forms/forms_runtime.h"
#include "platform/font_metrics.h"

namespace orvo::qt {

class DocumentPane;
class KeyboardFocus;
struct ControlKindRow;

class FormView : public QWidget {
  Q_OBJECT

 public:
  struct Options {
    // Controls another widget draws (the main window's document); none by default.
    std::function<bool(const forms::Control&)> drawn_elsewhere;
    // A window of its own (true), or the inner area of a window that holds it.
    bool top_level = true;
    // Where the desktop's keyboard is (null: as Qt says).
    const KeyboardFocus* keyboard = nullptr;
  };

  // settle: runs after a person's action reached a model.
  FormView(forms::Form& form, std::function<void()> settle, Options options, QWidget* parent = nullptr);
  ~FormView() override;
  FormView(const FormView&) = delete;
  FormView& operator=(const FormView&) = delete;

  // Null once the form was unloaded.
  forms::Form* Model() const { return form_; }
  bool TopLevel() const { return options_.top_level; }
  // Brings the widgets up to date with what the runtime reported since the last time.
  void Sync();

  QWidget* WidgetOf(std::string_view name, int index = -1) const;
  template <class W>
  W* Find(std::string_view name, int index = -1) const {
    return qobject_cast<W*>(WidgetOf(name, index));
  }
  // The control a widget draws, or null.
  forms::Control* ControlOf(const QWidget* widget) const;
  // Controls no row knows how to draw, by name: a new kind needs its row.
  const std::vector<std::string>& Undrawn() const { return undrawn_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // What was last given to a widget, so only what changed is set again.
  struct Drawn {
    Rect bounds{-1, -1, -1, -1};
    int visible = -1;
    int enabled = -1;
    int focus_policy = -1;
    FontSpec font{u"\x1F", -1, false};
    std::uint32_t fore = 0xFF000000u;
    std::uint32_t back = 0xFF000000u;
    ustring caption;
    ustring name{u"\x1F"};
    ustring description{u"\x1F"};
    forms::Control* holder = nullptr;
  };
  struct Slot {
    forms::Control* control = nullptr;
    const ControlKindRow* row = nullptr;
    QWidget* widget = nullptr;
    std::unique_ptr<DocumentPane> pane;  // text boxes
    Drawn drawn;
    bool dirty = true;
  };

  void Heard(const forms::FormsEvent& event);
  void Build();
  Slot* Make(forms::Control& control);
  void SyncSlot(Slot& slot);
  void SyncWindow();
  void KeepKeyboard();
  void FollowFocus();
  void Act(const std::function<void()>& action);
  void Detach();
  Slot* SlotOf(const forms::Control* control);
  QWidget* ParentFor(const forms::Control& control);

  forms::Form* form_;
  std::function<void()> settle_;
  Options options_;
  int subscription_ = 0;
  std::map<const forms::Control*, std::unique_ptr<Slot>> slots_;
  std::map<const QObject*, forms::Control*> by_widget_;
  std::vector<std::string> undrawn_;
  bool structure_dirty_ = true;
  bool window_dirty_ = true;
  bool controls_dirty_ = true;
  const forms::Control* focus_drawn_ = nullptr;
  bool keeping_keyboard_ = false;  // the form is the active one and its window took the keyboard
};

}  // namespace orvo::qt
