#include "platform/headless/expectations.h"

#include "app/main_window.h"
#include "platform/emulated/text_box.h"
#include "platform/headless/session.h"

namespace orvo::headless {
namespace {

using Value = Expectation::Value;
using Subject = Expectation::Subject;
using Read = std::optional<std::string>;

std::string Switch(bool on) { return on ? "on" : "off"; }

// Reads of the main window give the empty text when it is gone.
template <typename F>
Read Main(Session& s, F read) {
  if (!s.program.HasMainWindow()) return std::string();
  return ToUtf8(read(s.Main()));
}

const emu::ImeEmulator* Ime(Session& s) {
  if (!s.program.HasMainWindow()) return nullptr;
  auto* box = dynamic_cast<emu::TextBox*>(&s.Main().ActiveTextBox());
  return box ? &box->Ime() : nullptr;
}

Read Reading(Session& s, const ScriptStep&) {
  const emu::ImeEmulator* ime = Ime(s);
  return ime ? ToUtf8(ime->CompositionReading()) : std::string();
}

Read Composition(Session& s, const ScriptStep&) {
  const emu::ImeEmulator* ime = Ime(s);
  return ime ? ToUtf8(ime->CompositionString()) : std::string();
}

Read Status(Session& s, const ScriptStep&) {
  return Main(s, [](MainWindow& w) {
    return w.lblKETA.Caption() + u" " + w.lblGYO.Caption() + u" " + w.lblAllGYO.Caption() + u" " +
           w.lblFileSIZE.Caption();
  });
}

// The standard messages came first, as the JSON state lists them.
Read LastMessage(Session& s, const ScriptStep&) {
  const auto& boxes = s.program.messages.History();
  if (!boxes.empty()) return ToUtf8(boxes.back().text);
  const auto& standard = s.host.Messages();
  return standard.empty() ? std::string() : ToUtf8(standard.back().text);
}

Read MessageCount(Session& s, const ScriptStep&) {
  return std::to_string(s.program.messages.History().size() + s.host.Messages().size());
}

Read Caption(Session& s, const ScriptStep& step) {
  const forms::Control* c = s.FindControl(step.control);
  return c ? Read(ToUtf8(c->Caption())) : std::nullopt;
}

Read Visible(Session& s, const ScriptStep& step) {
  const forms::Control* c = s.FindControl(step.control);
  return c ? Read(Switch(c->Visible())) : std::nullopt;
}

Read Enabled(Session& s, const ScriptStep& step) {
  const forms::Control* c = s.FindControl(step.control);
  return c ? Read(Switch(c->Enabled())) : std::nullopt;
}

template <typename F>
Read MenuItem(Session& s, const ScriptStep& step, F read) {
  if (!s.program.HasMainWindow()) return std::nullopt;
  const forms::MenuEntry* entry = s.Main().MenuBar().Find(step.control.control);
  return entry ? Read(Switch(read(*entry))) : std::nullopt;
}

// clang-format off
constexpr Expectation kExpectations[] = {
    {"text", Value::kText, Subject::kNone,
     [](Session& s, const ScriptStep&) { return Main(s, [](MainWindow& w) { return w.ActiveTextBox().Text(); }); }},
    {"reading", Value::kText, Subject::kNone, Reading},
    {"composition", Value::kText, Subject::kNone, Composition},
    {"in", Value::kText, Subject::kNone,
     [](Session& s, const ScriptStep&) { return Main(s, [](MainWindow& w) { return w.txtIN.Text(); }); }},
    {"hen", Value::kText, Subject::kNone,
     [](Session& s, const ScriptStep&) { return Main(s, [](MainWindow& w) { return w.txtHEN.Text(); }); }},
    {"out", Value::kText, Subject::kNone,
     [](Session& s, const ScriptStep&) { return Main(s, [](MainWindow& w) { return w.txtOUT.Text(); }); }},
    {"kan", Value::kText, Subject::kNone,
     [](Session& s, const ScriptStep&) { return Main(s, [](MainWindow& w) { return w.txtKAN.Text(); }); }},
    {"selection", Value::kText, Subject::kNone,
     [](Session& s, const ScriptStep&) { return Main(s, [](MainWindow& w) { return w.ActiveTextBox().SelText(); }); }},
    {"cell", Value::kText, Subject::kNone,
     [](Session& s, const ScriptStep&) { return Main(s, [](MainWindow& w) { return w.lblTENJI.Caption(); }); }},
    {"mode", Value::kText, Subject::kNone,
     [](Session& s, const ScriptStep&) { return Main(s, [](MainWindow& w) { return w.lblMODE.Caption(); }); }},
    {"title", Value::kText, Subject::kNone,
     [](Session& s, const ScriptStep&) {
       return Read(ToUtf8(s.program.HasMainWindow() ? s.Main().Caption() : s.host.Title()));
     }},
    {"status", Value::kText, Subject::kNone, Status},
    {"message", Value::kText, Subject::kNone, LastMessage},
    {"messages", Value::kNumber, Subject::kNone, MessageCount},
    {"caption", Value::kText, Subject::kControl, Caption},
    {"visible", Value::kSwitch, Subject::kControl, Visible},
    {"enabled", Value::kSwitch, Subject::kControl, Enabled},
    {"menu-visible", Value::kSwitch, Subject::kMenu,
     [](Session& s, const ScriptStep& step) { return MenuItem(s, step, [](auto& m) { return m.Visible(); }); }},
    {"menu-enabled", Value::kSwitch, Subject::kMenu,
     [](Session& s, const ScriptStep& step) { return MenuItem(s, step, [](auto& m) { return m.Enabled(); }); }},
    {"menu-checked", Value::kSwitch, Subject::kMenu,
     [](Session& s, const ScriptStep& step) { return MenuItem(s, step, [](auto& m) { return m.Checked(); }); }},
    {"prefix", Value::kSwitch, Subject::kNone,
     [](Session& s, const ScriptStep&) { return Read(Switch(s.program.conversion.PrefixPending())); }},
    {"closed", Value::kSwitch, Subject::kNone,
     [](Session& s, const ScriptStep&) { return Read(Switch(s.program.HasMainWindow() && s.Main().Closed())); }},
    {"braille", Value::kSwitch, Subject::kNone,
     [](Session& s, const ScriptStep&) { return Read(Switch(s.program.state.BrailleMode)); }},
    {"latch", Value::kSwitch, Subject::kNone,
     [](Session& s, const ScriptStep&) { return Read(Switch(s.program.state.LatchHeld)); }},
    {"ime-open", Value::kSwitch, Subject::kNone,
     [](Session& s, const ScriptStep&) { return Read(Switch(s.program.state.ImeOpen)); }},
    {"modal", Value::kSwitch, Subject::kNone,
     [](Session& s, const ScriptStep&) { return Read(Switch(s.desktop.ModalDepth() > 0)); }},
    {"down", Value::kSwitch, Subject::kKey,
     [](Session& s, const ScriptStep& step) { return Read(Switch(s.desktop.Keys().Down(step.key.vk))); }},
    {"toggled", Value::kSwitch, Subject::kKey,
     [](Session& s, const ScriptStep& step) { return Read(Switch(s.desktop.Keys().Toggled(step.key.vk))); }},
    {"input-mode", Value::kNumber, Subject::kNone,
     [](Session& s, const ScriptStep&) { return Read(std::to_string(s.program.state.InputMode)); }},
    {"conv-stage", Value::kNumber, Subject::kNone,
     [](Session& s, const ScriptStep&) { return Read(std::to_string(s.program.state.ConvStage)); }},
    {"ime-mode", Value::kNumber, Subject::kNone,
     [](Session& s, const ScriptStep&) {
       return Read(s.program.HasMainWindow() ? std::to_string(s.Main().ActiveTextBox().ImeMode()) : "");
     }},
};
// clang-format on

}  // namespace

const Expectation* FindExpectation(std::string_view name) {
  for (const Expectation& e : kExpectations) {
    if (e.name == name) return &e;
  }
  return nullptr;
}

}  // namespace orvo::headless
