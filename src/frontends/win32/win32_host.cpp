// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/win32_host.h"

#include <sddl.h>

#include <memory>

#include "platform/win32/wide_text.h"

namespace orvo::win32 {

ustring InstanceMutexName(ustring_view folder) {
  while (!folder.empty() && (folder.back() == u'\\' || folder.back() == u'/')) folder.remove_suffix(1);
  ustring name = u"Local\\Orvo-";
  for (char16_t c : folder) {
    if (c == u'\\' || c == u'/') {
      name += u'|';  // a backslash would name a namespace
    } else if (c >= u'a' && c <= u'z') {
      name += static_cast<char16_t>(c - u'a' + u'A');
    } else {
      name += c;
    }
  }
  return name;
}

Win32Host::Win32Host(ustring folder, ustring command_line)
    : folder_(std::move(folder)), command_line_(std::move(command_line)) {}

Win32Host::~Win32Host() {
  if (instance_ != nullptr) CloseHandle(instance_);
}

ustring Win32Host::ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  const auto slash = path.find_last_of(L"\\/");
  return FromWide(slash == std::wstring::npos ? std::wstring() : path.substr(0, slash));
}

bool Win32Host::PreviousInstance() {
  if (instance_ != nullptr) return false;
  const std::wstring name = Wide(InstanceMutexName(folder_));
  HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
  if (mutex == nullptr) return false;  // no lock to be had: this run is not refused for it
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return true;
  }
  instance_ = mutex;
  return false;
}

std::string Win32Host::UserId() const {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::string result;
  if (size > 0) {
    auto buffer = std::make_unique<unsigned char[]>(size);
    if (GetTokenInformation(token, TokenUser, buffer.get(), size, &size)) {
      const auto* user = reinterpret_cast<const TOKEN_USER*>(buffer.get());
      LPWSTR text = nullptr;
      if (ConvertSidToStringSidW(user->User.Sid, &text)) {
        result = ToUtf8(FromWide(text));
        LocalFree(text);
      }
    }
  }
  CloseHandle(token);
  return result;
}

void Win32Host::StandardMessage(const ustring& text, int icon, const ustring& title) {
  messages_.push_back({text, icon});
  if (!interactive_) return;
  HWND owner = owner_ ? owner_() : nullptr;
  // The icon numbers are the system's own MB_ICON flags.
  MessageBoxW(owner, Wide(text).c_str(), Wide(title).c_str(), MB_OK | static_cast<UINT>(icon));
}

void Win32Host::End() {
  if (ended_) return;
  ended_ = true;
  PostQuitMessage(0);
}

}  // namespace orvo::win32
