// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/script/expectations.h"

#include "app/main_window.h"
#include "toolkit/forms/list_box_control.h"
#include "platform/emulated/text_box.h"
#include "frontends/script/script_click.h"
#include "frontends/script/script_files.h"

namespace orvo::script {
namespace {

using Value = Expectation::Value;
using Subject = Expectation::Subject;
using Read = std::optional<std::string>;

std::string Switch(bool on) { return on ? "on" : "off"; }

// Reads of the main window give the empty text when it is gone.
template <typename F>
Read Main(const ScriptView& s, F read) {
  if (!s.program.HasMainWindow()) return std::string();
  return ToUtf8(read(s.program.Main()));
}

const emu::ImeEmulator* Ime(const ScriptView& s) {
  if (!s.program.HasMainWindow()) return nullptr;
  auto* box = dynamic_cast<emu::TextBox*>(&s.program.Main().ActiveTextBox());
  return box ? &box->Ime() : nullptr;
}

Read Reading(const ScriptView& s, const ScriptStep&) {
  const emu::ImeEmulator* ime = Ime(s);
  return ime ? ToUtf8(ime->CompositionReading()) : std::string();
}

Read Composition(const ScriptView& s, const ScriptStep&) {
  const emu::ImeEmulator* ime = Ime(s);
  return ime ? ToUtf8(ime->CompositionString()) : std::string();
}

Read Status(const ScriptView& s, const ScriptStep&) {
  return Main(s, [](MainWindow& w) {
    return w.lblKETA.Caption() + u" " + w.lblGYO.Caption() + u" " + w.lblAllGYO.Caption() + u" " +
           w.lblFileSIZE.Caption();
  });
}

// The standard messages came first, as the JSON state lists them.
Read LastMessage(const ScriptView& s, const ScriptStep&) {
  const auto& boxes = s.program.messages.History();
  if (!boxes.empty()) return ToUtf8(boxes.back().text);
  return s.standard_messages.empty() ? std::string() : ToUtf8(s.standard_messages.back().text);
}

Read MessageCount(const ScriptView& s, const ScriptStep&) {
  return std::to_string(s.program.messages.History().size() + s.standard_messages.size());
}

Read Caption(const ScriptView& s, const ScriptStep& step) {
  const forms::Control* c = FindScriptControl(s.program, step.control);
  return c ? Read(ToUtf8(c->Caption())) : std::nullopt;
}

// A text box's text; for a control of another kind its caption.
Read BoxText(const ScriptView& s, const ScriptStep& step) {
  forms::Control* c = FindScriptControl(s.program, step.control);
  if (c == nullptr) return std::nullopt;
  if (EditControl* edit = c->Edit()) return ToUtf8(edit->Text());
  return ToUtf8(c->Caption());
}

// A control's selected text, or the one of the document.
Read BoxSelection(const ScriptView& s, const ScriptStep& step) {
  forms::Control* c = FindScriptControl(s.program, step.control);
  EditControl* edit = c != nullptr ? c->Edit() : nullptr;
  return edit ? Read(ToUtf8(edit->SelText())) : std::nullopt;
}

Read Visible(const ScriptView& s, const ScriptStep& step) {
  const forms::Control* c = FindScriptControl(s.program, step.control);
  return c ? Read(Switch(c->Visible())) : std::nullopt;
}

Read Enabled(const ScriptView& s, const ScriptStep& step) {
  const forms::Control* c = FindScriptControl(s.program, step.control);
  return c ? Read(Switch(c->Enabled())) : std::nullopt;
}

std::string RgbOf(std::uint32_t colour) {
  return std::to_string(colour & 0xFF) + "," + std::to_string((colour >> 8) & 0xFF) + "," +
         std::to_string((colour >> 16) & 0xFF);
}

// How a control looks: "back 255,255,255 fore 0,0,0 font FixedSys 14"; "font - 9"
// for the desktop's own face.
Read Look(const ScriptView& s, const ScriptStep& step) {
  const forms::Control* c = FindScriptControl(s.program, step.control);
  if (c == nullptr) return std::nullopt;
  return "back " + RgbOf(c->BackColor()) + " fore " + RgbOf(c->ForeColor()) + " font " + (c->Font().name.empty() ? std::string("-") : ToUtf8(c->Font().name)) +
         " " + std::to_string(c->Font().points);
}

// A list's selected entry and its length: "14 of 1"; "- of 16" with none selected.
Read List(const ScriptView& s, const ScriptStep& step) {
  const auto* list = dynamic_cast<const forms::ListBoxControl*>(FindScriptControl(s.program, step.control));
  if (list == nullptr) return std::nullopt;
  const int at = list->Selected();
  return (at == forms::ListBoxControl::kNone ? std::string("-") : ToUtf8(list->Item(at))) + " of " +
         std::to_string(list->Count());
}

// The control with the keyboard, as scripts name it: frmSETING.cmdOK, lblCOLOR[3].
Read Focused(const ScriptView& s, const ScriptStep&) {
  const forms::Form* form = s.program.forms.ActiveForm();
  const forms::Control* c = form != nullptr ? form->Focused() : nullptr;
  if (c == nullptr) return std::string();
  return ControlName({form->Name(), c->Name(), c->Index()});
}

template <typename F>
Read MenuItem(const ScriptView& s, const ScriptStep& step, F read) {
  if (!s.program.HasMainWindow()) return std::nullopt;
  const forms::MenuEntry* entry = s.program.Main().MenuBar().Find(step.control.control);
  return entry ? Read(Switch(read(*entry))) : std::nullopt;
}

// A file of the program folder, as the system code page reads it.
Read FileText(const ScriptView& s, const ScriptStep& step) {
  const FileRead read = s.program.platform.files.Read(ScriptPath(s.program, step.control.control), 1 << 24);
  if (read.error) return std::nullopt;
  int unconvertible = 0;
  return ToUtf8(s.program.platform.code_page.Decode(read.bytes, &unconvertible));
}

// A file of the program folder, byte by byte: "82 A0 0D 0A".
Read FileBytes(const ScriptView& s, const ScriptStep& step) {
  const FileRead read = s.program.platform.files.Read(ScriptPath(s.program, step.control.control), 1 << 24);
  if (read.error) return std::nullopt;
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string hex;
  for (const char c : read.bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (!hex.empty()) hex += ' ';
    hex += kHex[byte >> 4];
    hex += kHex[byte & 0xF];
  }
  return hex;
}

const forms::Form* LoadedForm(const ScriptView& s, const ScriptStep& step) {
  for (const forms::Form* f : s.program.forms.Forms()) {
    if (f->Name() == step.control.control) return f;
  }
  return nullptr;
}

// The outer rectangle of a loaded form, in twips: left top width height.
Read Place(const ScriptView& s, const ScriptStep& step) {
  const forms::Form* f = LoadedForm(s, step);
  if (f == nullptr) return std::nullopt;
  const Rect& r = f->OuterTwips();
  return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.width) + " " +
         std::to_string(r.height);
}

Read FirstLine(const ScriptView& s, const ScriptStep& step) {
  forms::Control* c = FindScriptControl(s.program, step.control);
  EditControl* edit = c != nullptr ? c->Edit() : nullptr;
  return edit ? Read(std::to_string(edit->FirstVisibleLine())) : std::nullopt;
}

Read LastDialog(const ScriptView& s, bool name) {
  if (s.dialogs == nullptr || s.dialogs->empty()) return std::string();
  const ShownDialog& d = s.dialogs->back();
  return ToUtf8(name ? d.file_name : d.title);
}

// clang-format off
constexpr Expectation kExpectations[] = {
    {"text", Value::kText, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) { return Main(s, [](MainWindow& w) { return w.ActiveTextBox().Text(); }); }},
    {"reading", Value::kText, Subject::kNone, Reading},
    {"composition", Value::kText, Subject::kNone, Composition},
    {"in", Value::kText, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) { return Main(s, [](MainWindow& w) { return w.txtIN.Text(); }); }},
    {"hen", Value::kText, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) { return Main(s, [](MainWindow& w) { return w.txtHEN.Text(); }); }},
    {"out", Value::kText, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) { return Main(s, [](MainWindow& w) { return w.txtOUT.Text(); }); }},
    {"kan", Value::kText, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) { return Main(s, [](MainWindow& w) { return w.txtKAN.Text(); }); }},
    {"clipboard", Value::kText, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) { return Read(ToUtf8(s.program.platform.clipboard.Text())); }},
    {"selection", Value::kText, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) { return Main(s, [](MainWindow& w) { return w.ActiveTextBox().SelText(); }); }},
    {"cell", Value::kText, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) { return Main(s, [](MainWindow& w) { return w.lblTENJI.Caption(); }); }},
    {"mode", Value::kText, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) { return Main(s, [](MainWindow& w) { return w.lblMODE.Caption(); }); }},
    {"title", Value::kText, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) {
       return Read(ToUtf8(s.program.HasMainWindow() ? s.program.Main().Caption() : s.host.Title()));
     }},
    {"status", Value::kText, Subject::kNone, Status},
    {"message", Value::kText, Subject::kNone, LastMessage},
    {"messages", Value::kNumber, Subject::kNone, MessageCount},
    {"caption", Value::kText, Subject::kControl, Caption},
    {"box", Value::kText, Subject::kControl, BoxText},
    {"box-selection", Value::kText, Subject::kControl, BoxSelection},
    {"look", Value::kText, Subject::kControl, Look},
    {"list", Value::kText, Subject::kControl, List},
    {"focus", Value::kText, Subject::kNone, Focused},
    {"visible", Value::kSwitch, Subject::kControl, Visible},
    {"first-line", Value::kNumber, Subject::kControl, FirstLine},
    {"shown", Value::kSwitch, Subject::kForm,
     [](const ScriptView& s, const ScriptStep& step) {
       const forms::Form* f = LoadedForm(s, step);
       return Read(Switch(f != nullptr && f->Visible()));
     }},
    {"loaded", Value::kSwitch, Subject::kForm,
     [](const ScriptView& s, const ScriptStep& step) { return Read(Switch(LoadedForm(s, step) != nullptr)); }},
    {"place", Value::kText, Subject::kForm, Place},
    {"enabled", Value::kSwitch, Subject::kControl, Enabled},
    {"menu-visible", Value::kSwitch, Subject::kMenu,
     [](const ScriptView& s, const ScriptStep& step) { return MenuItem(s, step, [](auto& m) { return m.Visible(); }); }},
    {"menu-enabled", Value::kSwitch, Subject::kMenu,
     [](const ScriptView& s, const ScriptStep& step) { return MenuItem(s, step, [](auto& m) { return m.Enabled(); }); }},
    {"menu-checked", Value::kSwitch, Subject::kMenu,
     [](const ScriptView& s, const ScriptStep& step) { return MenuItem(s, step, [](auto& m) { return m.Checked(); }); }},
    {"menu-caption", Value::kText, Subject::kMenu,
     [](const ScriptView& s, const ScriptStep& step) -> Read {
       if (!s.program.HasMainWindow()) return std::nullopt;
       const forms::MenuEntry* entry = s.program.Main().MenuBar().Find(step.control.control);
       return entry ? Read(ToUtf8(entry->Caption())) : std::nullopt;
     }},
    {"modified", Value::kSwitch, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) {
       return Read(Switch(s.program.HasMainWindow() && s.program.Main().ActiveTextBox().Modified()));
     }},
    {"document-kind", Value::kNumber, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) { return Read(std::to_string(static_cast<int>(s.program.documents.State().Kind))); }},
    {"file", Value::kText, Subject::kFile, FileText},
    {"bytes", Value::kText, Subject::kFile, FileBytes},
    {"encoding", Value::kText, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) {
       const files::FileEncoding& encoding = s.program.documents.State().Encoding;
       std::string name = files::CodePageOf(encoding, s.program.platform.file_code_pages).Name();
       if (encoding.byte_order_mark) name += " BOM";
       return Read(name);
     }},
    {"exists", Value::kSwitch, Subject::kFile,
     [](const ScriptView& s, const ScriptStep& step) {
       return Read(Switch(s.program.platform.files.Info(ScriptPath(s.program, step.control.control)).kind != FileKind::kMissing));
     }},
    {"dialog", Value::kText, Subject::kNone, [](const ScriptView& s, const ScriptStep&) { return LastDialog(s, false); }},
    {"dialog-name", Value::kText, Subject::kNone, [](const ScriptView& s, const ScriptStep&) { return LastDialog(s, true); }},
    {"spoken", Value::kText, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) {
       return Read(s.program.Said().empty() ? std::string() : ToUtf8(s.program.Said().back()));
     }},
    {"menu-opened", Value::kText, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) {
       const forms::MenuEntry* m = s.program.HasMainWindow() ? s.program.Main().MenuOpened() : nullptr;
       return Read(m != nullptr ? m->Name() : std::string());
     }},
    {"prefix", Value::kSwitch, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) { return Read(Switch(s.program.conversion.PrefixPending())); }},
    {"closed", Value::kSwitch, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) { return Read(Switch(s.program.HasMainWindow() && s.program.Main().Closed())); }},
    {"braille", Value::kSwitch, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) { return Read(Switch(s.program.state.BrailleMode)); }},
    {"latch", Value::kSwitch, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) { return Read(Switch(s.program.state.LatchHeld)); }},
    {"ime-open", Value::kSwitch, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) { return Read(Switch(s.program.state.ImeOpen)); }},
    {"modal", Value::kSwitch, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) { return Read(Switch(s.modal_waiting)); }},
    {"down", Value::kSwitch, Subject::kKey,
     [](const ScriptView& s, const ScriptStep& step) { return Read(Switch(s.keyboard.IsDown(step.key.vk))); }},
    {"toggled", Value::kSwitch, Subject::kKey,
     [](const ScriptView& s, const ScriptStep& step) { return Read(Switch(s.keyboard.IsToggled(step.key.vk))); }},
    {"input-mode", Value::kNumber, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) { return Read(std::to_string(s.program.state.InputMode)); }},
    {"conv-stage", Value::kNumber, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) { return Read(std::to_string(static_cast<int>(s.program.state.ConvStage))); }},
    {"ime-mode", Value::kNumber, Subject::kNone,
     [](const ScriptView& s, const ScriptStep&) {
       return Read(s.program.HasMainWindow() ? std::to_string(s.program.Main().ActiveTextBox().ImeMode()) : "");
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

std::optional<std::string> CheckExpectation(const ScriptView& view, const ScriptStep& step) {
  const Expectation* expectation = FindExpectation(step.target);
  if (expectation == nullptr) return std::nullopt;
  const auto actual = expectation->read(view, step);
  std::string what = step.target;
  // Appended piece by piece: a literal in front of a temporary string trips GCC 12's -Wrestrict at -O3.
  if (expectation->subject == Subject::kControl) what.append(" ").append(ControlName(step.control));
  if (expectation->subject == Subject::kMenu || expectation->subject == Subject::kFile ||
      expectation->subject == Subject::kForm) {
    what.append(" ").append(step.control.control);
  }
  const std::string expected = "expected " + what + " \"" + ShowValue(step.value) + "\"";
  if (!actual) return expected + ", but it is not there";
  if (*actual != step.value) return expected + ", got \"" + ShowValue(*actual) + "\"";
  return std::nullopt;
}

}  // namespace orvo::script
