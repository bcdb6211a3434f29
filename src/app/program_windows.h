#pragma once
// The secondary windows the program has: the find dialog, loaded afresh each
// time it opens. The braille helper and the key diagrams come later.
#include <memory>
#include <vector>

#include "app/secondary_windows.h"

namespace orvo {

class Program;
namespace editing {
class FindWindow;
}

class ProgramWindows : public NoSecondaryWindows {
 public:
  explicit ProgramWindows(Program& program);
  ~ProgramWindows() override;

  void ShowFind(int mode) override;
  void ActivateFind() override;
  void UnloadFind() override;
  // The find dialog while it is loaded; null otherwise.
  editing::FindWindow* Find() const;

 private:
  Program& p_;
  std::unique_ptr<editing::FindWindow> find_;
  std::vector<std::unique_ptr<editing::FindWindow>> retired_find_;  // closed, perhaps still in a handler
};

}  // namespace orvo
