// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/win32_dialogs.h"

#include <commdlg.h>

#include <algorithm>

#include "platform/win32/wide_text.h"

namespace orvo::win32 {
namespace {

// Room for a long path (the \\?\ form reaches 32767 characters).
constexpr std::size_t kPathRoom = 32768;

}  // namespace

std::wstring FilterList(const ustring& filter) {
  std::wstring list = Wide(filter);
  std::replace(list.begin(), list.end(), L'|', L'\0');
  list.push_back(L'\0');
  list.push_back(L'\0');
  return list;
}

void Win32Dialogs::SetAnswerSource(script::ScriptedDialogs::AnswerSource source) {
  scripted_answers_ = static_cast<bool>(source);
  scripted_.SetAnswerSource(std::move(source));
}

FileDialogAnswer Win32Dialogs::ShowFile(const FileDialogRequest& request) {
  if (scripted_answers_) return scripted_.ShowFile(request);
  std::wstring file(kPathRoom, L'\0');
  const std::wstring offered = Wide(request.file_name).substr(0, kPathRoom - 1);
  std::copy(offered.begin(), offered.end(), file.begin());
  const std::wstring filter = FilterList(request.filter);
  const std::wstring title = Wide(request.title);
  const std::wstring folder = Wide(request.initial_folder);
  const std::wstring extension = Wide(request.default_extension);
  std::wstring file_title(MAX_PATH, L'\0');
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = Owner();
  ofn.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(std::max(request.filter_index, 1));
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrFileTitle = file_title.data();
  ofn.nMaxFileTitle = static_cast<DWORD>(file_title.size());
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  ofn.Flags = request.flags | OFN_EXPLORER | OFN_NOCHANGEDIR;
  ofn.Flags &= ~static_cast<DWORD>(OFN_ALLOWMULTISELECT);  // one file is opened at a time
  if (guard_) guard_(true);
  const BOOL chosen = request.kind == FileDialogKind::kSave ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  if (guard_) guard_(false);
  FileDialogAnswer answer;
  if (!chosen) {
    answer.error = static_cast<int>(CommDlgExtendedError());
    return answer;
  }
  answer.chosen = true;
  answer.path = FromWide(file.c_str());
  answer.file_title = FromWide(file_title.c_str());
  return answer;
}

ColourDialogAnswer Win32Dialogs::ShowColour(const ColourDialogRequest& request) {
  if (scripted_answers_) return scripted_.ShowColour(request);
  COLORREF custom[16];
  for (std::size_t i = 0; i < 16; ++i) custom[i] = request.custom[i];
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = Owner();
  cc.rgbResult = request.colour;
  cc.lpCustColors = custom;
  cc.Flags = request.flags | CC_RGBINIT;
  if (guard_) guard_(true);
  const BOOL chosen = ChooseColorW(&cc);
  if (guard_) guard_(false);
  ColourDialogAnswer answer;
  answer.colour = request.colour;
  if (!chosen) {
    answer.error = static_cast<int>(CommDlgExtendedError());
    return answer;
  }
  answer.chosen = true;
  answer.colour = cc.rgbResult;
  return answer;
}

}  // namespace orvo::win32
