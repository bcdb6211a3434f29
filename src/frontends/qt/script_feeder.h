#pragma once
// Plays a key script into a running session after start, step by step through
// the same input queue as the keyboard; waits take real time. Expect lines are
// checked as the headless runner checks them; the first that fails ends the script.
#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "frontends/headless/key_script.h"

namespace orvo::qt {

class QtSession;

class ScriptFeeder : public QObject {
  Q_OBJECT

 public:
  // on_done: runs once the last step was taken.
  ScriptFeeder(QtSession& session, std::vector<headless::ScriptStep> steps, std::function<void()> on_done);
  ~ScriptFeeder() override;

  void Start();
  // Told of the failed expectation that ended the script (before on_done).
  void SetOnFailure(std::function<void(int line, const std::string& message)> on_failure) {
    on_failure_ = std::move(on_failure);
  }

 private:
  void Next();
  void Perform(const headless::ScriptStep& step);
  const headless::ScriptStep* DialogAnswer(const std::string& what);
  void Fail(int line, const std::string& message);

  QtSession& session_;
  std::vector<headless::ScriptStep> steps_;
  std::size_t next_ = 0;
  std::function<void()> on_done_;
  std::function<void(int, const std::string&)> on_failure_;
};

}  // namespace orvo::qt
