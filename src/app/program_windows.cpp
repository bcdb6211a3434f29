#include "app/program_windows.h"

#include "app/program.h"
#include "app/splash_window.h"
#include "editing/find_window.h"

namespace orvo {

ProgramWindows::ProgramWindows(Program& program) : p_(program) {}
ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::ShowFind(int mode) {
  // An unloaded dialog is discarded: the next opening starts from a new one.
  if (find_ && !find_->Loaded()) find_.reset();
  if (!find_) find_ = std::make_unique<editing::FindWindow>(p_);
  find_->Open(mode);
}

void ProgramWindows::ActivateFind() {
  if (editing::FindWindow* w = Find()) w->ActivateSearchBox();
}

void ProgramWindows::UnloadFind() {
  if (editing::FindWindow* w = Find()) p_.forms.Unload(*w);
}

void ProgramWindows::ShowSplash() {
  if (splash_ && !splash_->Loaded()) splash_.reset();
  if (!splash_) splash_ = std::make_unique<SplashWindow>(p_);
  splash_->Open();
}

SplashWindow* ProgramWindows::Splash() const { return splash_ && splash_->Loaded() ? splash_.get() : nullptr; }

editing::FindWindow* ProgramWindows::Find() const { return find_ && find_->Loaded() ? find_.get() : nullptr; }

}  // namespace orvo
