// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/accessible_names.h"

#include <initguid.h>
#include <oleacc.h>

#include "platform/win32/wide_text.h"

namespace orvo::win32 {
namespace {

// The live-region event (Windows 8): readers speak the changed text of a live display.
constexpr DWORD kLiveRegionChanged = 0x8019;

void SetString(IAccPropServices* services, HWND window, const MSAAPROPID& property, const ustring& text) {
  if (services == nullptr || window == nullptr) return;
  if (text.empty()) {
    MSAAPROPID props[] = {property};
    services->ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, props, 1);
    return;
  }
  const std::wstring wide = Wide(text);
  services->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property, wide.c_str());
}

}  // namespace

AccessibleNames::AccessibleNames() {
  void* made = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                 &made))) {
    services_ = static_cast<IAccPropServices*>(made);
  }
}

AccessibleNames::~AccessibleNames() {
  if (services_ != nullptr) services_->Release();
}

void AccessibleNames::SetName(HWND window, const ustring& name) { SetString(services_, window, PROPID_ACC_NAME, name); }

void AccessibleNames::SetDescription(HWND window, const ustring& description) {
  SetString(services_, window, PROPID_ACC_DESCRIPTION, description);
}

void AccessibleNames::Forget(HWND window) {
  if (services_ == nullptr || window == nullptr) return;
  MSAAPROPID props[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
  services_->ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, props, 2);
}

void AccessibleNames::NameChanged(HWND window) {
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
  NotifyWinEvent(kLiveRegionChanged, window, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace orvo::win32
