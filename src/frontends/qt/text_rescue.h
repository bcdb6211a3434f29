#pragma once
// Keeps the document when the program ends without its own shutdown: the X
// connection breaking (Qt's X plugin then calls exit()), or the session ending
// with SIGTERM or SIGHUP. A modified, non-empty text is then written by the
// writer given (the editor gives its recovery copy), or else to
// "<folder>/rescued-YYYYMMDD-HHMMSS.txt" in UTF-8, appearing only once whole,
// and the path told on stderr. The signal handler only marks the request and
// wakes the event loop; the file is written from the loop, then the signal
// ends the process as it would have.
#include <QObject>
#include <ctime>
#include <functional>
#include <string>

#include "frontends/qt/signal_bridge.h"
#include "platform/text.h"

namespace orvo::qt {

struct RescueSnapshot {
  ustring text;
  bool modified = false;
};

struct RescueResult {
  bool written = false;
  std::string path;   // the file written
  std::string error;  // why nothing could be written
};

// Nothing is kept after the program's own shutdown, nor of a text that is
// empty or saved as it stands.
bool NeedsRescue(bool ended_normally, const RescueSnapshot& snapshot);

// "rescued-YYYYMMDD-HHMMSS.txt" for the local time.
std::string RescueFileName(const std::tm& local);

// Writes the bytes to a temporary file in the folder and renames it to the
// file name of `when`; a name already taken gets "-2", "-3", ... before
// ".txt". On failure nothing is left behind.
RescueResult WriteRescueFile(const std::string& folder, const std::string& bytes, std::time_t when);

class TextRescue : public QObject {
  Q_OBJECT

 public:
  using Source = std::function<RescueSnapshot()>;

  // source: the document as it stands; it must keep to plain program state,
  // since at exit Qt's own globals may already be gone.
  TextRescue(Source source, std::string folder);
  ~TextRescue() override;
  TextRescue(const TextRescue&) = delete;
  TextRescue& operator=(const TextRescue&) = delete;

  // From now on an exit() before EndedNormally() rescues the text. One
  // rescue is armed at a time; false when another one is.
  bool Arm();
  // The program's own shutdown has run: nothing is rescued from here on.
  void EndedNormally() { ended_normally_ = true; }

  // SIGTERM and SIGHUP rescue the text from the event loop, then end the
  // process by the same signal. A signal ignored at start stays ignored.
  // False when the signals cannot be taken.
  bool ListenForSignals();

  // The rescue itself, once: what exit and the signals run.
  RescueResult Rescue();

  // Where the text goes instead of a rescued-*.txt file: the program's
  // recovery copy, which the next start offers back.
  using Writer = std::function<RescueResult(const RescueSnapshot&)>;
  void SetWriter(Writer writer) { writer_ = std::move(writer); }

  // For tests: the time of the file name, and what follows a signal's rescue
  // (by default the signal's own action).
  void SetClock(std::function<std::time_t()> clock) { clock_ = std::move(clock); }
  void SetAfterSignal(std::function<void(int)> after) { after_signal_ = std::move(after); }

 private:
  Source source_;
  std::string folder_;
  bool ended_normally_ = false;
  bool done_ = false;
  std::function<std::time_t()> clock_;
  std::function<void(int)> after_signal_;
  Writer writer_;
  SignalBridge bridge_;
};

}  // namespace orvo::qt
