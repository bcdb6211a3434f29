#pragma once
// Plays a key script into a running session after start, step by step through
// the same input queue as the keyboard; waits take real time.
#include <QObject>
#include <functional>
#include <vector>

#include "platform/headless/key_script.h"

namespace orvo::qt {

class QtSession;

class ScriptFeeder : public QObject {
  Q_OBJECT

 public:
  // on_done: runs once the last step was taken.
  ScriptFeeder(QtSession& session, std::vector<headless::ScriptStep> steps, std::function<void()> on_done);

  void Start();

 private:
  void Next();
  void Perform(const headless::ScriptStep& step);

  QtSession& session_;
  std::vector<headless::ScriptStep> steps_;
  std::size_t next_ = 0;
  std::function<void()> on_done_;
};

}  // namespace orvo::qt
