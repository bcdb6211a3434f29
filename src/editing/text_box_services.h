// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program does to the document text box: the status line figures,
// scrolling and caret moves from the braille keys.
#include <cstdint>
#include <functional>

#include "toolkit/window_utils/window_enabler.h"
#include "toolkit/program_host.h"
#include "editing/document_boxes.h"
#include "editing/document_ime.h"
#include "editing/status_line.h"
#include "editing/text_box_moves.h"
#include "platform/code_page.h"
#include "platform/edit_control.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "toolkit/settings_record.h"

namespace orvo::editing {

// "#,###": thousands separators, "0" for zero.
ustring FormatThousands(long long value);
// The caret column in full-width character widths: 3 units read "1．5".
ustring FormatColumn(int dbcs_column);

class TextBoxServices final : public TextBoxMoves {
 public:
  struct Ports {
    ProgramHost& host;
    DocumentBoxes& boxes;
    StatusLine& status;
    SystemCodePage& code_page;
    Shell& shell;
    WindowEnabler& enabler;
  };
  struct Settings {
    settings::SettingsRecord& current;
    const settings::SettingsRecord& saved;
  };
  struct Modules {
    DocumentIme& ime;
    std::function<void(EditNotice)> notices;  // where the boxes' limit notices go
    // The size shown is the boxes' limit measure (the bytes the text takes in
    // its file, kept as the text changes); false: its length in the code page.
    bool size_by_limit_measure = false;
  };
  TextBoxServices(const Ports& ports, const Settings& settings, Modules modules)
      : p_(ports), settings_(settings), m_(std::move(modules)) {}

  void UpdateStatus() override;
  void ScrollSideways(int key_code) override;
  void ScrollLine(int key_code) override;
  void CaretToLineEdge(int key_code) override;
  void CaretToTextEdge(bool end) override;
  // Moves the text to the other box of the pair (wrapping or not); false
  // when the box it went to could not hold it.
  bool SwitchWordWrap();
  // Puts the saved appearance back on the text box.
  void ResetAppearance();

 private:
  EditControl& Box();
  long long ByteSize(const EditControl& box);

  Ports p_;
  Settings settings_;
  Modules m_;
  // The last byte size worked out in the code page, and of which text: it is read on every key.
  const EditControl* sized_box_ = nullptr;
  std::uint64_t sized_revision_ = 0;
  long long sized_bytes_ = 0;
};

}  // namespace orvo::editing
