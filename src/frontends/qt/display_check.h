// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the window system Qt is going to use can be reached, decided before
// Qt starts: Qt ends the process with its own fatal message when it cannot
// connect. Only a sure failure refuses the start; a platform or a display
// name this check does not know is left to Qt.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvo::qt {

// What chooses the platform and its display, as the environment and Qt's own
// command-line options give it.
struct DisplayEnv {
  std::string platform{};         // QT_QPA_PLATFORM or -platform: "xcb", "wayland;xcb", ...
  std::string display{};          // DISPLAY or -display
  std::string wayland_display{};  // WAYLAND_DISPLAY
  std::string wayland_socket{};   // WAYLAND_SOCKET: a connection already made by the parent
  std::string runtime_dir{};      // XDG_RUNTIME_DIR
  std::string session_type{};     // XDG_SESSION_TYPE
};

struct SocketAddress {
  enum class Kind { kUnix, kTcp };
  Kind kind = Kind::kUnix;
  std::string where;  // the socket's path, or the host
  int port = 0;       // TCP only
  bool operator==(const SocketAddress&) const = default;
};

// True when something accepts a connection at the address.
using SocketProbe = std::function<bool(const SocketAddress&)>;

struct DisplayVerdict {
  bool reachable = true;
  std::string reason;  // why not, for the message; empty when reachable
};

// The environment of this process with Qt's -platform and -display options
// (one or two dashes, as Qt takes them) laid over it.
DisplayEnv ReadDisplayEnv(int argc, const char* const* argv);

// The X server sockets a DISPLAY value names, in the order a client tries
// them. unknown: a form this check cannot follow (left to Qt); malformed: no
// client could connect with it.
struct XDisplayTarget {
  std::vector<SocketAddress> sockets;
  bool unknown = false;
  bool malformed = false;
};
XDisplayTarget ParseXDisplay(std::string_view display);

// Reachable when any platform Qt may pick can connect.
DisplayVerdict CheckDisplay(const DisplayEnv& env, const SocketProbe& probe);

// A real connection attempt, closed at once; a unix path is also tried in the
// abstract namespace, where X servers on Linux listen first.
bool ProbeSocket(const SocketAddress& address);

// Two lines on stderr, Japanese then English, naming the way on without a screen.
void ReportNoDisplay(const std::string& reason);

// While it lives, a fatal message from Qt (the platform failed after all:
// access refused, plugin missing) prints Qt's words and the report above and
// ends the process with status 2 instead of aborting.
class StartFailureGuard {
 public:
  StartFailureGuard();
  ~StartFailureGuard();
  StartFailureGuard(const StartFailureGuard&) = delete;
  StartFailureGuard& operator=(const StartFailureGuard&) = delete;
};

inline constexpr int kNoDisplayStatus = 2;

}  // namespace orvo::qt
