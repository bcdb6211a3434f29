// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/uia_notices.h"

#include <oleauto.h>
#include <unknwn.h>

#include "platform/win32/wide_text.h"

namespace orvo::win32 {
namespace {

// NotificationKind_Other, NotificationProcessing_ImportantAll.
constexpr int kKindOther = 4;
constexpr int kImportantAll = 0;

template <class F>
F Lookup(HMODULE module, const char* name) {
  return module == nullptr ? nullptr : reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

ustring JoinNotice(const std::vector<ustring>& lines) {
  ustring said;
  for (const ustring& line : lines) {
    if (line.empty()) continue;
    if (!said.empty()) said += u' ';
    said += line;
  }
  return said;
}

UiaNotices::UiaNotices() {
  HMODULE core = LoadLibraryW(L"uiautomationcore.dll");
  host_ = Lookup<HostFunction>(core, "UiaHostProviderFromHwnd");
  raise_ = Lookup<RaiseFunction>(core, "UiaRaiseNotificationEvent");
}

bool UiaNotices::Say(HWND window, const ustring& text) {
  if (text.empty()) return false;
  said_.push_back(text);
  if (!Available() || window == nullptr) return false;
  void* provider = nullptr;
  if (FAILED(host_(window, &provider)) || provider == nullptr) return false;
  const std::wstring wide = Wide(text);
  BSTR display = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  BSTR activity = SysAllocString(L"Orvo");
  const HRESULT raised = raise_(provider, kKindOther, kImportantAll, display, activity);
  SysFreeString(display);
  SysFreeString(activity);
  static_cast<IUnknown*>(provider)->Release();
  return SUCCEEDED(raised);
}

}  // namespace orvo::win32
