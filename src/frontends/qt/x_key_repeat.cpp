// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/x_key_repeat.h"

#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>

// xkb.h names a member "explicit"; only its C declarations are used here.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wkeyword-macro"
#endif
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#if defined(__clang__)
#pragma clang diagnostic pop
#endif

namespace orvo::qt {

bool AskForRepeatsAsPresses() {
  auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr || x11->connection() == nullptr) return false;
  xcb_connection_t* connection = x11->connection();
  xcb_xkb_use_extension_reply_t* use =
      xcb_xkb_use_extension_reply(connection, xcb_xkb_use_extension(connection, 1, 0), nullptr);
  const bool has_xkb = use != nullptr && use->supported != 0;
  std::free(use);
  if (!has_xkb) return false;
  constexpr std::uint32_t kFlag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
  xcb_xkb_per_client_flags_reply_t* flags = xcb_xkb_per_client_flags_reply(
      connection, xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, kFlag, kFlag, 0, 0, 0), nullptr);
  const bool set = flags != nullptr && (flags->supported & kFlag) != 0 && (flags->value & kFlag) != 0;
  std::free(flags);
  return set;
}

}  // namespace orvo::qt
