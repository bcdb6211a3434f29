// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small dialog and a headless desktop to show it on, shared by the forms tests.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/forms/check_box_control.h"
#include "toolkit/forms/command_button_control.h"
#include "toolkit/forms/forms_runtime.h"
#include "toolkit/forms/frame_control.h"
#include "toolkit/forms/label_control.h"
#include "toolkit/forms/list_box_control.h"
#include "toolkit/forms/option_button_control.h"
#include "toolkit/forms/picture_box_control.h"
#include "toolkit/forms/text_box_control.h"
#include "frontends/script/key_script.h"
#include "frontends/headless/session.h"
#include "support/temp_folder.h"

namespace orvo::forms::test {

using Log = std::vector<std::string>;

// In tab order: label, text box, frame with two options, check box, list,
// picture, OK (default), Cancel (cancel).
class TestForm : public Form {
 public:
  TestForm(FormsRuntime& runtime, std::string name, Log& log)
      : Form(runtime, std::move(name)),
        lblName(*this, "lblName"),
        txtName(*this, "txtName"),
        fraDir(*this, "fraDir"),
        optDir0(*this, "optDir", 0),
        optDir1(*this, "optDir", 1),
        chkCase(*this, "chkCase"),
        lstItems(*this, "lstItems"),
        picLogo(*this, "picLogo"),
        cmdOK(*this, "cmdOK"),
        cmdCancel(*this, "cmdCancel"),
        log_(log) {
    lblName.SetCaption(u"名前(&N)");
    fraDir.SetCaption(u"方向(&D)");
    optDir0.SetCaption(u"上(&U)");
    optDir1.SetCaption(u"下(&W)");
    optDir0.SetContainer(&fraDir);
    optDir1.SetContainer(&fraDir);
    chkCase.SetCaption(u"大小(&C)");
    for (const char16_t* item : {u"一", u"二", u"三"}) lstItems.AddItem(item);
    cmdOK.SetCaption(u"&OK");
    cmdOK.SetDefault(true);
    cmdCancel.SetCaption(u"キャンセル");
    cmdCancel.SetCancel(true);
    SetCaption(Name() == "dlg" ? u"ダイアログ" : u"メイン");
    Move({0, 0, 300 * 15, 200 * 15});
  }

  LabelControl lblName;
  TextBoxControl txtName;
  FrameControl fraDir;
  OptionButtonControl optDir0, optDir1;
  CheckBoxControl chkCase;
  ListBoxControl lstItems;
  PictureBoxControl picLogo;
  CommandButtonControl cmdOK, cmdCancel;

  bool refuse_unload = false;
  bool hide_on_ok = true;  // OK and Cancel hide the form, as a dialog's would
  std::function<void()> on_ok;
  std::vector<UnloadMode> unload_modes;

 protected:
  void OnLoad() override { Record("Load"); }
  void OnActivate() override { Record("Activate"); }
  void OnDeactivate() override { Record("Deactivate"); }
  void OnResize() override { Record("Resize"); }
  void OnQueryUnload(bool& cancel, UnloadMode mode) override {
    unload_modes.push_back(mode);
    Record("QueryUnload");
    cancel = refuse_unload;
  }
  void OnUnload() override { Record("Unload"); }
  void OnClick(Control& c) override {
    Record("Click " + Id(c));
    if (&c == &cmdOK && on_ok) on_ok();
    if ((&c == &cmdOK || &c == &cmdCancel) && hide_on_ok) Runtime().Hide(*this);
  }
  void OnChange(Control& c) override { Record("Change " + Id(c)); }
  void OnGotFocus(Control& c) override { Record("GotFocus " + Id(c)); }
  void OnMenuClick(MenuEntry& e) override { Record("Menu " + e.Name()); }

 private:
  static std::string Id(const Control& c) {
    return c.Index() < 0 ? c.Name() : c.Name() + "(" + std::to_string(c.Index()) + ")";
  }
  void Record(const std::string& what) { log_.push_back(Name() + ":" + what); }

  Log& log_;
};

// A desktop without the editor: the forms runtime alone on the input queue.
class Rig {
 private:
  test_support::TempFolder folder_;  // first: the session lives in it

 public:
  Rig()
      : session(std::make_unique<headless::Session>(folder_.Path())),
        runtime(session->desktop, session->screen) {}
  ~Rig() { timers_.clear(); }

  // Runs `tick` once when the virtual clock reaches `ms`.
  void At(int ms, std::function<void()> tick) {
    const std::size_t i = timers_.size();
    timers_.push_back(std::make_unique<Timer>(session->desktop.Clock(), ms, [this, i, tick] {
      timers_[i]->SetEnabled(false);
      tick();
    }));
    timers_[i]->SetEnabled(true);
  }
  void Run(std::string_view script) {
    const script::ParsedScript parsed = script::ParseScript(script);
    ASSERT_TRUE(parsed.errors.empty()) << parsed.errors.front().message;
    session->Run(parsed.steps);
  }
  // The control the desktop sends keys to, by name.
  std::string FocusName(const Form& form) const {
    const Control* c = form.Focused();
    if (c == nullptr) return "-";
    return c->Index() < 0 ? c->Name() : c->Name() + "(" + std::to_string(c->Index()) + ")";
  }

  std::unique_ptr<headless::Session> session;
  FormsRuntime runtime;
  Log log;

 private:
  std::vector<std::unique_ptr<Timer>> timers_;
};

// Keeps the entries of a log that start with a prefix.
inline Log Only(const Log& log, std::string_view prefix) {
  Log out;
  for (const std::string& s : log) {
    if (s.rfind(prefix, 0) == 0) out.push_back(s);
  }
  return out;
}

}  // namespace orvo::forms::test
