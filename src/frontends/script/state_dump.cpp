// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/script/state_dump.h"

#include "platform/emulated/text_box.h"
#include "frontends/script/forms_dump.h"
#include "frontends/script/window_dump.h"

namespace orvo::script {
namespace {

std::string U8(const ustring& text) { return ToUtf8(text); }

nlohmann::json DumpIme(const emu::ImeEmulator& ime) {
  nlohmann::json clauses = nlohmann::json::array();
  for (const auto& clause : ime.Clauses()) {
    nlohmann::json candidates = nlohmann::json::array();
    for (const ustring& c : clause.candidates) candidates.push_back(U8(c));
    clauses.push_back({{"reading", U8(clause.reading)},
                       {"text", U8(clause.text)},
                       {"candidates", candidates},
                       {"selected", clause.selected}});
  }
  const char* state = ime.Converting() ? "converting" : ime.Composing() ? "composing" : "idle";
  return {{"open", ime.Open()},
          {"mode", ime.ImeMode()},
          {"state", state},
          {"composition", U8(ime.CompositionString())},
          {"reading", U8(ime.CompositionReading())},
          {"clauses", clauses},
          {"focused", ime.FocusedClause()}};
}

nlohmann::json DumpRect(const Rect& r) {
  return {{"left", r.left}, {"top", r.top}, {"width", r.width}, {"height", r.height}};
}

nlohmann::json DumpMessageBox(const MessageBoxModel& box) {
  nlohmann::json buttons = nlohmann::json::array();
  for (const MessageButton& b : box.buttons) {
    buttons.push_back({{"caption", U8(b.caption)}, {"result", b.result}, {"rect", DumpRect(b.rect)}});
  }
  return {{"title", U8(box.title)},
          {"owner", box.owner},
          {"icon", IconName(box.icon)},
          {"icon_shown", box.icon_shown},
          {"text_color", box.text_color},
          {"text_rect", DumpRect(box.text_rect)},
          {"buttons", buttons},
          {"focused", box.focused},
          {"size_twips", {{"width", box.box_twips.width}, {"height", box.box_twips.height}}},
          {"position_twips", {{"left", box.box_twips.left}, {"top", box.box_twips.top}}}};
}

const char* KindName(files::DocumentKind kind) {
  switch (kind) {
    case files::DocumentKind::kNone:
      return "none";
    case files::DocumentKind::kNew:
      return "new";
    case files::DocumentKind::kFile:
      return "file";
  }
  return "none";
}

nlohmann::json DumpDocument(Program& program, const EditControl& box) {
  const files::DocumentState& d = program.documents.State();
  return {{"kind", static_cast<int>(d.Kind)},
          {"kind_name", KindName(d.Kind)},
          {"path", U8(d.CurrentPath)},
          {"name", U8(d.CurrentName)},
          {"modified", box.Modified()},
          {"line_ends", d.Ends == files::LineEnds::kLf ? "lf" : "as-is"},
          {"code_page", files::CodePageOf(d.Encoding, program.platform.file_code_pages).Name()},
          {"byte_order_mark", d.Encoding.byte_order_mark}};
}

// The history submenu as shown: the visible items' captions, newest first.
nlohmann::json DumpRecent(MainWindow& w) {
  nlohmann::json items = nlohmann::json::array();
  for (int i = 1; i <= 4; ++i) {
    const forms::MenuEntry& item = w.RecentItem(i);
    if (item.Visible()) items.push_back(U8(item.Caption()));
  }
  return items;
}

nlohmann::json DumpDialogs(const std::vector<ShownDialog>* shown) {
  nlohmann::json dialogs = nlohmann::json::array();
  if (shown == nullptr) return dialogs;
  for (const ShownDialog& d : *shown) {
    dialogs.push_back({{"kind", d.kind}, {"title", U8(d.title)}, {"file_name", U8(d.file_name)}, {"answer", U8(d.answer)}});
  }
  return dialogs;
}

nlohmann::json DumpSettingsRecord(const settings::SettingsRecord& r) {
  return {{"BackColor", r.BackColor}, {"ForeColor", r.ForeColor}, {"FontName", U8(r.FontName)},
          {"FontSize", r.FontSize}};
}

nlohmann::json DumpSettings(const Program& program) {
  return {{"saved", DumpSettingsRecord(program.SavedSettings)},
          {"current", DumpSettingsRecord(program.CurrentSettings)}};
}

}  // namespace

nlohmann::json DumpState(const ScriptView& s) {
  nlohmann::json out;
  const braille::InputState& st = s.program.state;
  out["input_mode"] = st.InputMode;
  out["braille_mode"] = st.BrailleMode;
  out["latch_held"] = st.LatchHeld;
  out["conv_stage"] = st.ConvStage;
  // A box still waiting when the input stopped: whatever followed, the program did not end itself.
  out["ended"] = s.host.Ended() && !s.modal_waiting;
  out["modal_waiting"] = s.modal_waiting;

  nlohmann::json messages = nlohmann::json::array();
  for (const auto& m : s.standard_messages) {
    messages.push_back({{"text", U8(m.text)}, {"flags", m.icon}, {"result", 1}, {"standard", true}});
  }
  for (const auto& m : s.program.messages.History()) {
    nlohmann::json entry = {
        {"text", U8(m.text)}, {"flags", m.flags}, {"result", m.result}, {"standard", false}};
    if (m.box) entry["layout"] = DumpMessageBox(*m.box);
    messages.push_back(entry);
  }
  out["messages"] = messages;

  nlohmann::json spoken = nlohmann::json::array();
  for (const ustring& line : s.program.Said()) spoken.push_back(U8(line));
  out["spoken"] = spoken;

  nlohmann::json keys = nlohmann::json::array();
  if (s.synthetic_keys != nullptr) {
    for (const KeyEvent& k : *s.synthetic_keys) {
      keys.push_back({{"vk", k.vk}, {"scan", k.scan}, {"event", k.up ? "up" : "down"}});
    }
  }
  out["keys"] = keys;
  out["forms"] = DumpForms(s.program.forms);
  out["dialogs"] = DumpDialogs(s.dialogs);
  out["clipboard"] = U8(s.program.platform.clipboard.Text());
  out["settings"] = DumpSettings(s.program);
  out["braille_font"] = {{"path", U8(s.program.braille_font.BrailleFontPath)},
                         {"registered", s.program.braille_font.BrailleFontRegistered}};

  if (!s.program.HasMainWindow()) {
    out["text"] = "";
    out["title"] = U8(s.host.Title());
    return out;
  }
  MainWindow& w = s.program.Main();
  out["text"] = U8(w.ActiveTextBox().Text());
  out["title"] = U8(w.Caption());
  out["cell"] = U8(w.lblTENJI.Caption());
  out["mode"] = U8(w.lblMODE.Caption());
  out["mirrors"] = {{"in", U8(w.txtIN.Text())},
                    {"hen", U8(w.txtHEN.Text())},
                    {"out", U8(w.txtOUT.Text())},
                    {"kan", U8(w.txtKAN.Text())}};
  out["status"] = {{"column", U8(w.lblKETA.Caption())},
                   {"line", U8(w.lblGYO.Caption())},
                   {"lines", U8(w.lblAllGYO.Caption())},
                   {"bytes", U8(w.lblFileSIZE.Caption())}};
  if (auto* box = dynamic_cast<emu::TextBox*>(&w.ActiveTextBox())) out["ime"] = DumpIme(box->Ime());
  out["window"] = DumpMainWindow(w);
  out["document"] = DumpDocument(s.program, w.ActiveTextBox());
  out["recent_files"] = DumpRecent(w);
  return out;
}

}  // namespace orvo::script
