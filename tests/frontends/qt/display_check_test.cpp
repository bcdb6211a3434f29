// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a display can be reached before Qt is started: the sockets a
// display name stands for, the platform Qt will pick, and real connections.
#include "frontends/qt/display_check.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "support/temp_folder.h"

namespace orvo::testing {
namespace {

using qt::SocketAddress;
using Kind = SocketAddress::Kind;

SocketAddress Unix(std::string path) { return {Kind::kUnix, std::move(path), 0}; }
SocketAddress Tcp(std::string host, int port) { return {Kind::kTcp, std::move(host), port}; }

struct ParseCase {
  const char* display;
  std::vector<SocketAddress> sockets;
  bool unknown;
  bool malformed;
};

const ParseCase kParseCases[] = {
    {":0", {Unix("/tmp/.X11-unix/X0"), Tcp("localhost", 6000)}, false, false},
    {":1.0", {Unix("/tmp/.X11-unix/X1"), Tcp("localhost", 6001)}, false, false},
    {"unix:2", {Unix("/tmp/.X11-unix/X2")}, false, false},
    {"unix/:5", {Unix("/tmp/.X11-unix/X5")}, false, false},
    {"localhost:10.0", {Tcp("localhost", 6010)}, false, false},
    {"remote.example:3", {Tcp("remote.example", 6003)}, false, false},
    {"tcp/host:1", {Tcp("host", 6001)}, false, false},
    {"[::1]:0", {Tcp("::1", 6000)}, false, false},
    {"[fe80::]:2", {Tcp("fe80::", 6002)}, false, false},
    {"host::0", {}, true, false},
    {"/private/tmp/launch/org.x:0", {}, true, false},
    {"", {}, false, true},
    {"foo", {}, false, true},
    {":", {}, false, true},
    {":x", {}, false, true},
    {":0.x", {}, false, true},
    {":99999", {}, false, true},
};

TEST(DisplayCheck, ParsesDisplayNamesIntoTheSocketsAClientTries) {
  for (const ParseCase& c : kParseCases) {
    const qt::XDisplayTarget got = qt::ParseXDisplay(c.display);
    EXPECT_EQ(got.sockets, c.sockets) << c.display;
    EXPECT_EQ(got.unknown, c.unknown) << c.display;
    EXPECT_EQ(got.malformed, c.malformed) << c.display;
  }
}

struct CheckCase {
  const char* what;
  qt::DisplayEnv env;
  std::vector<SocketAddress> live;
  bool reachable;
};

const SocketAddress kX0 = Unix("/tmp/.X11-unix/X0");
const SocketAddress kWayland0 = Unix("/run/user/1/wayland-0");

const char* const kRun = "/run/user/1";

// clang-format off
const CheckCase kCheckCases[] = {
    {"nothing set", {}, {kX0}, false},
    {"X server listening", {.display = ":0"}, {kX0}, true},
    {"X server gone", {.display = ":0"}, {}, false},
    {"X server on local TCP only", {.display = ":0"}, {Tcp("localhost", 6000)}, true},
    {"malformed DISPLAY", {.display = "nonsense"}, {kX0}, false},
    {"a display form left to Qt", {.display = "host::0"}, {}, true},
    {"offscreen needs no display", {.platform = "offscreen"}, {}, true},
    {"platform options are not the name", {.platform = "offscreen:fontengine=freetype"}, {}, true},
    {"minimal needs no display", {.platform = "minimal"}, {}, true},
    {"a platform left to Qt", {.platform = "eglfs"}, {}, true},
    {"xcb asked, only Wayland there", {.platform = "xcb", .wayland_display = "wayland-0", .runtime_dir = kRun}, {kWayland0}, false},
    {"list falls through to X", {.platform = "wayland;xcb", .display = ":0", .runtime_dir = kRun}, {kX0}, true},
    {"Wayland by its name", {.platform = "wayland", .wayland_display = "wayland-1", .runtime_dir = kRun}, {Unix("/run/user/1/wayland-1")}, true},
    {"Wayland's default name", {.platform = "wayland", .runtime_dir = kRun}, {kWayland0}, true},
    {"Wayland by a path", {.platform = "wayland", .wayland_display = "/s/w"}, {Unix("/s/w")}, true},
    {"Wayland without a runtime folder", {.platform = "wayland", .wayland_display = "wayland-0"}, {kWayland0}, false},
    {"Wayland connection handed down", {.platform = "wayland-egl", .wayland_socket = "3"}, {}, true},
    {"default in a Wayland session", {.runtime_dir = kRun, .session_type = "wayland"}, {kWayland0}, true},
    {"default falls back to X", {.display = ":0", .wayland_display = "wayland-0", .runtime_dir = kRun}, {kX0}, true},
    {"default with both gone", {.display = ":0", .wayland_display = "wayland-0", .runtime_dir = kRun}, {}, false},
};
// clang-format on

TEST(DisplayCheck, ReachableWhenAnyPlatformQtMayPickConnects) {
  for (const CheckCase& c : kCheckCases) {
    const auto probe = [&](const SocketAddress& a) {
      for (const SocketAddress& live : c.live) {
        if (live == a) return true;
      }
      return false;
    };
    const qt::DisplayVerdict verdict = qt::CheckDisplay(c.env, probe);
    EXPECT_EQ(verdict.reachable, c.reachable) << c.what;
    EXPECT_EQ(verdict.reason.empty(), c.reachable) << c.what << ": " << verdict.reason;
  }
}

TEST(DisplayCheck, QtOptionsOnTheCommandLineWinOverTheEnvironment) {
  const char* argv[] = {"orvo", "-platform", "offscreen", "--display",
                        ":5",   "file.txt",  "-display"};
  const qt::DisplayEnv env = qt::ReadDisplayEnv(7, argv);
  EXPECT_EQ(env.platform, "offscreen");
  EXPECT_EQ(env.display, ":5");  // a last option without its value is not taken
}

// Real sockets: a listener answers, a bound socket that does not listen refuses.
class SocketProbeTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (int fd : fds_) ::close(fd);
  }
  int Keep(int fd) {
    fds_.insert(fd);
    return fd;
  }
  int UnixListener(const std::string& name, bool abstract) {
    const int fd = Keep(::socket(AF_UNIX, SOCK_STREAM, 0));
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path + (abstract ? 1 : 0), name.data(), name.size());
    const auto length =
        static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + (abstract ? 1 : 0) + name.size());
    EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), length), 0);
    EXPECT_EQ(::listen(fd, 4), 0);
    return fd;
  }
  // The loopback port of a TCP socket, listening or only bound.
  int TcpPort(bool listening) {
    const int fd = Keep(::socket(AF_INET, SOCK_STREAM, 0));
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof addr;
    EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), size), 0);
    if (listening) {
      EXPECT_EQ(::listen(fd, 4), 0);
    }
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &size);
    return ntohs(addr.sin_port);
  }
  test_support::TempFolder folder_;
  std::set<int> fds_;
};

TEST_F(SocketProbeTest, ConnectsOnlyWhereSomethingListens) {
  const std::string path = folder_.Path() + "/X0";
  const int listener = UnixListener(path, false);
  EXPECT_TRUE(qt::ProbeSocket(Unix(path)));
  EXPECT_FALSE(qt::ProbeSocket(Unix(folder_.Path() + "/missing")));
  ::close(listener);
  fds_.erase(listener);
  EXPECT_FALSE(qt::ProbeSocket(Unix(path))) << "the socket file of a server that is gone";

  const std::string abstract = folder_.Path() + "/abstract-X1";
  UnixListener(abstract, true);
  EXPECT_TRUE(qt::ProbeSocket(Unix(abstract)));

  EXPECT_TRUE(qt::ProbeSocket(Tcp("127.0.0.1", TcpPort(true))));
  EXPECT_FALSE(qt::ProbeSocket(Tcp("127.0.0.1", TcpPort(false))));
  EXPECT_FALSE(qt::ProbeSocket(Unix(std::string(200, 'x')))) << "longer than a socket path can be";
}

}  // namespace
}  // namespace orvo::testing
