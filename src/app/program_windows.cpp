#include "app/program_windows.h"

#include "app/program.h"
#include "editing/find_window.h"

namespace orvo {

ProgramWindows::ProgramWindows(Program& program) : p_(program) {}
ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::ShowFind(int mode) {
  // An unloaded dialog is discarded: the next opening starts from a new one.
  // A closed window may still be inside its own handler (a box it raised, keys
  // there that closed and reopened it): it is kept until the program ends.
  if (find_ && !find_->Loaded()) retired_find_.push_back(std::move(find_));
  if (!find_) find_ = std::make_unique<editing::FindWindow>(p_);
  find_->Open(mode);
}

void ProgramWindows::ActivateFind() {
  if (editing::FindWindow* w = Find()) w->ActivateSearchBox();
}

void ProgramWindows::UnloadFind() {
  if (editing::FindWindow* w = Find()) p_.forms.Unload(*w);
}

editing::FindWindow* ProgramWindows::Find() const { return find_ && find_->Loaded() ? find_.get() : nullptr; }

}  // namespace orvo
