// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recording stand-ins for the main window's ports, so the braille modules run
// without a window: each keeps what it was told and answers from fields the
// test sets.
#include <array>
#include <string>
#include <vector>

#include "braille/braille_menus.h"
#include "braille/cell_display.h"
#include "braille/editor_window.h"
#include "braille/ime_mirrors.h"
#include "braille/side_windows.h"
#include "braille/warning_timer.h"
#include "editing/text_box_moves.h"

namespace orvo::test_support {

struct FakeCellDisplay : braille::CellDisplay {
  const ustring& Cells() const override { return cells; }
  void ShowCells(const ustring& shown) override { cells = shown; }
  void ShowMode(const ustring& caption) override { mode = caption; }
  void SetDisplayTips(const ustring& mode_tip_, const ustring& cells_tip_) override {
    mode_tip = mode_tip_;
    cells_tip = cells_tip_;
  }
  ustring cells, mode, mode_tip, cells_tip;
};

struct FakeImeMirrors : braille::ImeMirrors {
  const ustring& MirrorText(braille::MirrorBox box) const override { return boxes[Index(box)]; }
  void SetMirrorText(braille::MirrorBox box, const ustring& text) override {
    boxes[Index(box)] = text;
  }
  static std::size_t Index(braille::MirrorBox box) { return static_cast<std::size_t>(box); }
  const ustring& Reading() const { return MirrorText(braille::MirrorBox::kReading); }
  const ustring& Result() const { return MirrorText(braille::MirrorBox::kResult); }
  std::array<ustring, 4> boxes;
};

struct FakeBrailleMenus : braille::BrailleMenus {
  void ShowBrailleMenus(bool on) override { braille_menus = on; }
  void SetMethodPicture(int picture) override { method_picture = picture; }
  void SetImePicture(int picture) override { ime_picture = picture; }
  void SetCoverVisible(bool visible) override { cover_visible = visible; }
  void SetToolVisible(bool visible) override { tool_visible = visible; }
  bool braille_menus = false;
  int method_picture = picture_id::kRomajiMethod;
  int ime_picture = picture_id::kImeAtLoad;
  bool cover_visible = true;
  bool tool_visible = true;
};

struct FakeEditorWindow : braille::EditorWindow {
  explicit FakeEditorWindow(EditControl& box_) : box(box_) {}
  EditControl& TypingBox() override { return box; }
  bool WindowEnabled() const override { return enabled; }
  bool WindowMinimized() const override { return minimized; }
  void CloseWindow() override { ++close_requests; }
  EditControl& box;
  bool enabled = true;
  bool minimized = false;
  int close_requests = 0;
};

struct FakeSideWindows : braille::SideWindows {
  bool FindOpen() const override { return find_open; }
  bool FindHasKeyboard() const override { return false; }
  bool HelperOpen() const override { return helper_open; }
  bool DiagramsOpen() const override { return diagrams_open; }
  void ShowHelper() override { calls.push_back("ShowHelper"); }
  void UnloadHelper() override { calls.push_back("UnloadHelper"); }
  void ShowDiagrams() override { calls.push_back("ShowDiagrams"); }
  void UnloadDiagrams() override { calls.push_back("UnloadDiagrams"); }
  void ShowMemo() override { calls.push_back("ShowMemo"); }
  void ActivateFind() override { calls.push_back("ActivateFind"); }
  void UnloadFind() override { calls.push_back("UnloadFind"); }
  bool find_open = false;
  bool helper_open = false;
  bool diagrams_open = false;
  std::vector<std::string> calls;
};

struct FakeWarningTimer : braille::WarningTimer {
  void SetWarningTimer(bool on) override { running = on; }
  bool running = false;
};

// The caret moves and scrolling, as calls with their key.
struct FakeTextMoves : editing::TextBoxMoves {
  void UpdateStatus() override { ++status_updates; }
  void ScrollSideways(int key) override {
    calls.push_back("ScrollSideways " + std::to_string(key));
  }
  void ScrollLine(int key) override { calls.push_back("ScrollLine " + std::to_string(key)); }
  void CaretToLineEdge(int key) override { calls.push_back("LineEdge " + std::to_string(key)); }
  void CaretToTextEdge(bool end) override { calls.push_back(end ? "TextEnd" : "TextStart"); }
  int status_updates = 0;
  std::vector<std::string> calls;
};

}  // namespace orvo::test_support
