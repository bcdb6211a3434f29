// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/memo_window.h"

#include <algorithm>

#include "files/text_file.h"
#include "help/help_texts.h"

namespace orvo::help {
namespace {

constexpr Rect kMemoBox{6, 6, 468, 300};
constexpr Rect kOkButton{384, 314, 90, 26};
constexpr int kInnerWidth = 480;
constexpr int kInnerHeight = 346;

// The memo as the text box shows it: a memo from any editor, its lines ended
// with LF, CR LF or CR, shows as lines.
ustring AsBoxLines(ustring_view memo) {
  ustring lines;
  lines.reserve(memo.size());
  for (std::size_t i = 0; i < memo.size(); ++i) {
    const char16_t c = memo[i];
    if (c == u'\r' || c == u'\n') {
      lines += u"\r\n";
      if (c == u'\r' && i + 1 < memo.size() && memo[i + 1] == u'\n') ++i;
    } else {
      lines += c;
    }
  }
  return lines;
}

}  // namespace

MemoWindow::MemoWindow(const WindowContext& context)
    : Form(context.forms, "frmMEMO"), txtMEMO(*this, "txtMEMO"), cmdOK(*this, "cmdOK"), p_(context) {
  SetTag(kTag);
  SetCaption(text::kMemoCaption);
  SetStart(forms::StartPosition::kCentreOwner);
  txtMEMO.SetMultiline(true);
  txtMEMO.SetAccessibleName(ustring(text::kMemoCaption));
  txtMEMO.SetBackColor(forms::colour::kWhite);
  txtMEMO.SetBounds(kMemoBox);
  cmdOK.SetCaption(text::kMemoOk);
  cmdOK.SetBounds(kOkButton);
  cmdOK.SetCancel(true);
  Move(context.values.OuterTwips({kInnerWidth, kInnerHeight}, Insets()));
}

MemoWindow::~MemoWindow() = default;

ustring MemoWindow::MemoPath() const { return p_.values.AppFolder + text::kMemoFileName; }

void MemoWindow::Open() { p_.forms.ShowModal(*this, &p_.owner.OwnerForm()); }

void MemoWindow::INIT_F7() {
  const int size = p_.values.FontSize(9);
  for (forms::Control* c : {static_cast<forms::Control*>(&txtMEMO), static_cast<forms::Control*>(&cmdOK)}) {
    FontSpec font = c->Font();
    font.points = size;
    if (c == &txtMEMO) font.name = text::kMemoFont;
    c->SetFont(font);
  }
}

void MemoWindow::Fail(const char16_t* message) {
  // Where the memo is looked for, so the user knows where to put one.
  const ustring where = ustring(message) + u"\r\n\r\n" + text::kMemoLookedIn + p_.values.AppFolder;
  p_.messages.Ask(kMainWindowTag, where, message::kPlain);
  load_failed_ = true;
}

void MemoWindow::OnLoad() {
  p_.flags.MainHasFocus = false;
  SetIcon(p_.owner.OwnerForm().Icon());
  INIT_F7();
  load_failed_ = false;
  ustring memo;
  if (const char16_t* failure = ReadMemo(memo)) {
    Fail(failure);
    return;
  }
  txtMEMO.SetText(std::move(memo));
}

// The memo's text, or the message that says why there is none.
const char16_t* MemoWindow::ReadMemo(ustring& memo) const {
  const ustring path = MemoPath();
  const FileInfo info = p_.platform.files.Info(path);
  if (info.kind == FileKind::kMissing) return text::kMemoNotFound;
  if (info.kind != FileKind::kRegular) return text::kMemoReadError;
  if (info.length > kMemoLimit) return text::kMemoTooLarge;
  const FileRead read = p_.platform.files.Read(path, kMemoLimit);
  if (read.too_long) return text::kMemoTooLarge;
  if (read.error) return text::kMemoReadError;
  // A NUL byte is no part of a text, and would cut it short on the screen.
  if (read.bytes.find('\0') != std::string::npos) return text::kMemoConvertError;
  // In the code page it came in, as a document is read.
  const std::optional<ustring> text = files::DecodeText(read.bytes, p_.platform.file_code_pages);
  if (!text) return text::kMemoConvertError;
  memo = AsBoxLines(*text);
  return nullptr;
}

void MemoWindow::OnActivate() {
  if (load_failed_) p_.forms.Unload(*this);
}

void MemoWindow::OnQueryUnload(bool&, forms::UnloadMode) { p_.flags.MainHasFocus = true; }

void MemoWindow::OnClick(forms::Control& control) {
  if (&control == &cmdOK) p_.forms.Unload(*this);
}

}  // namespace orvo::help
