// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/display_check.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "frontends/qt/qt_texts.h"

namespace orvo::qt {
namespace {

constexpr int kXTcpPort = 6000;
constexpr int kConnectTimeoutMs = 5000;

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

bool AllDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// The plugin names of a platform list ("wayland;xcb:opt=1" gives wayland, xcb).
std::vector<std::string> PlatformNames(std::string_view list) {
  std::vector<std::string> names;
  while (!list.empty()) {
    const std::size_t end = std::min(list.find(';'), list.size());
    const std::string_view item = list.substr(0, end);
    const std::string_view name = item.substr(0, std::min(item.find(':'), item.size()));
    if (!name.empty()) names.emplace_back(name);
    list.remove_prefix(std::min(end + 1, list.size()));
  }
  return names;
}

DisplayVerdict Unreachable(std::string reason) { return {false, std::move(reason)}; }

DisplayVerdict CheckX(const DisplayEnv& env, const SocketProbe& probe) {
  if (env.display.empty()) return Unreachable("DISPLAY is not set");
  const XDisplayTarget target = ParseXDisplay(env.display);
  if (target.malformed) return Unreachable("DISPLAY=" + env.display + " is not a display name");
  if (target.unknown) return {};
  for (const SocketAddress& socket : target.sockets) {
    if (probe(socket)) return {};
  }
  return Unreachable("no X server answers at DISPLAY=" + env.display);
}

DisplayVerdict CheckWayland(const DisplayEnv& env, const SocketProbe& probe) {
  if (!env.wayland_socket.empty()) return {};
  const std::string name = env.wayland_display.empty() ? "wayland-0" : env.wayland_display;
  std::string path = name;
  if (name.front() != '/') {
    if (env.runtime_dir.empty()) return Unreachable("XDG_RUNTIME_DIR is not set");
    path = env.runtime_dir + "/" + name;
  }
  if (probe({SocketAddress::Kind::kUnix, path, 0})) return {};
  return Unreachable("no Wayland compositor answers at " + path);
}

DisplayVerdict CheckPlatform(std::string_view name, const DisplayEnv& env,
                             const SocketProbe& probe) {
  if (name == "xcb") return CheckX(env, probe);
  if (name.starts_with("wayland")) return CheckWayland(env, probe);
  // offscreen and minimal need no display; eglfs, linuxfb, vnc and others are Qt's to judge.
  return {};
}

bool ConnectUnix(const std::string& path, bool abstract) {
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  const std::size_t offset = abstract ? 1 : 0;
  if (path.size() + offset >= sizeof addr.sun_path) return false;
  std::memcpy(addr.sun_path + offset, path.data(), path.size());
  // An abstract name is exactly its bytes; a path may carry its terminator.
  const auto length = static_cast<socklen_t>(
      abstract ? offsetof(sockaddr_un, sun_path) + offset + path.size() : sizeof addr);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&addr), length) == 0;
  ::close(fd);
  return ok;
}

bool ConnectTcp(const addrinfo& info) {
  const int fd =
      ::socket(info.ai_family, info.ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, info.ai_protocol);
  if (fd < 0) return false;
  bool ok = ::connect(fd, info.ai_addr, info.ai_addrlen) == 0;
  if (!ok && errno == EINPROGRESS) {
    // A host that drops packets would otherwise hold the start for minutes.
    pollfd p{fd, POLLOUT, 0};
    int error = 0;
    socklen_t size = sizeof error;
    ok = ::poll(&p, 1, kConnectTimeoutMs) == 1 &&
         ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
  }
  ::close(fd);
  return ok;
}

bool ProbeTcp(const std::string& host, int port) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return false;
  bool ok = false;
  for (const addrinfo* a = found; a != nullptr && !ok; a = a->ai_next) ok = ConnectTcp(*a);
  ::freeaddrinfo(found);
  return ok;
}

QtMessageHandler g_previous_handler = nullptr;

void OnStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (g_previous_handler != nullptr) {
    g_previous_handler(type, context, message);
  } else {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  }
  if (type != QtFatalMsg) return;
  ReportNoDisplay(texts::kConnectionRefused);
  std::_Exit(kNoDisplayStatus);
}

}  // namespace

DisplayEnv ReadDisplayEnv(int argc, const char* const* argv) {
  DisplayEnv env{Env("QT_QPA_PLATFORM"), Env("DISPLAY"),         Env("WAYLAND_DISPLAY"),
                 Env("WAYLAND_SOCKET"),  Env("XDG_RUNTIME_DIR"), Env("XDG_SESSION_TYPE")};
  for (int i = 1; i + 1 < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg.starts_with("--")) arg.remove_prefix(1);
    if (arg == "-platform") {
      env.platform = argv[++i];
    } else if (arg == "-display") {
      env.display = argv[++i];
    }
  }
  return env;
}

XDisplayTarget ParseXDisplay(std::string_view display) {
  XDisplayTarget target;
  if (display.empty()) {
    target.malformed = true;
    return target;
  }
  // A socket path instead of a host is a form of other systems.
  if (display.front() == '/') {
    target.unknown = true;
    return target;
  }
  std::string_view protocol;
  if (const std::size_t slash = display.find('/'); slash != std::string_view::npos) {
    protocol = display.substr(0, slash);
    display.remove_prefix(slash + 1);
  }
  const std::size_t colon = display.rfind(':');
  if (colon == std::string_view::npos) {
    target.malformed = true;
    return target;
  }
  std::string_view host = display.substr(0, colon);
  std::string_view number = display.substr(colon + 1);
  if (const std::size_t dot = number.find('.'); dot != std::string_view::npos) {
    const bool screen_ok = AllDigits(number.substr(dot + 1));
    number = screen_ok ? number.substr(0, dot) : std::string_view();
  }
  if (!AllDigits(number) || number.size() > 5 ||
      std::stoi(std::string(number)) > 65535 - kXTcpPort) {
    target.malformed = true;
    return target;
  }
  const int port = kXTcpPort + std::stoi(std::string(number));
  const SocketAddress local{SocketAddress::Kind::kUnix, "/tmp/.X11-unix/X" + std::string(number),
                            0};
  const bool decnet = !host.empty() && host.back() == ':';  // "host::0"
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
    host = host.substr(1, host.size() - 2);

  if (protocol == "unix" || (protocol.empty() && host == "unix")) {
    target.sockets = {local};
  } else if (protocol.empty() && host.empty()) {
    target.sockets = {local, {SocketAddress::Kind::kTcp, "localhost", port}};
  } else if (decnet) {
    target.unknown = true;
  } else if (protocol.empty() || protocol == "tcp" || protocol == "inet" || protocol == "inet6") {
    target.sockets = {
        {SocketAddress::Kind::kTcp, std::string(host.empty() ? "localhost" : host), port}};
  } else {
    target.unknown = true;
  }
  return target;
}

DisplayVerdict CheckDisplay(const DisplayEnv& env, const SocketProbe& probe) {
  std::vector<std::string> names = PlatformNames(env.platform);
  if (names.empty()) {
    // Qt's own choice: Wayland first in a Wayland session, X otherwise or after it.
    if (!env.wayland_display.empty() || env.session_type == "wayland")
      names.emplace_back("wayland");
    names.emplace_back("xcb");
  }
  DisplayVerdict result{false, ""};
  for (const std::string& name : names) {
    DisplayVerdict verdict = CheckPlatform(name, env, probe);
    if (verdict.reachable) return verdict;
    result.reason += (result.reason.empty() ? "" : "; ") + verdict.reason;
  }
  return result;
}

bool ProbeSocket(const SocketAddress& address) {
  if (address.kind == SocketAddress::Kind::kTcp) return ProbeTcp(address.where, address.port);
  return ConnectUnix(address.where, true) || ConnectUnix(address.where, false);
}

void ReportNoDisplay(const std::string& reason) {
  std::fputs(texts::kNoScreen, stderr);
  std::fprintf(stderr, texts::kNoScreenEnglish, reason.c_str());
  std::fflush(stderr);
}

StartFailureGuard::StartFailureGuard() {
  g_previous_handler = qInstallMessageHandler(OnStartMessage);
}

StartFailureGuard::~StartFailureGuard() {
  qInstallMessageHandler(g_previous_handler);
  g_previous_handler = nullptr;
}

}  // namespace orvo::qt
