// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The native peers of the form mirror: each kind of control drawn as a
// system control (STATIC, BUTTON, EDIT, LISTBOX, a group box) or, for the
// controls that hold others and draw pictures, a window of this front end's
// own. Each kind has its row.
#include <memory>

#include "frontends/shared/control_peers.h"
#include "frontends/win32/native_peer.h"

namespace orvo::win32 {

// The native peer a mirror's peer is, or null.
NativePeer* NativeOf(frontend::ControlPeer* peer);

struct ControlKindRow {
  forms::ControlKind kind;
  // Makes the peer with its window in `parent` (null: the context's root).
  std::unique_ptr<frontend::ControlPeer> (*make)(forms::Control& control, HWND parent, const PeerContext& context);
};

// The row for a kind; null for a kind no row draws.
const ControlKindRow* RowFor(forms::ControlKind kind);

// The window procedure of the holders (a frame's inside, a picture box).
LRESULT CALLBACK HolderProcedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param);

}  // namespace orvo::win32
