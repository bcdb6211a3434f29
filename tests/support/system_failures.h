// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The failures tests make the file layer report, as this system numbers them
// (errno values on Linux, Win32 error codes on Windows), and whether this
// user is one that permissions do not stop.
#if !defined(_WIN32)
#include <unistd.h>

#include <cerrno>
#endif

#include "platform/native/native_services.h"

namespace orvo::test_support {

#if defined(_WIN32)
inline constexpr int kNoPermission = 5;   // ERROR_ACCESS_DENIED
inline constexpr int kWriteProtected = 19;  // ERROR_WRITE_PROTECT
inline constexpr int kOtherDevice = 17;   // ERROR_NOT_SAME_DEVICE
inline constexpr int kDiskFull = 112;     // ERROR_DISK_FULL
inline constexpr int kIoError = 1117;     // ERROR_IO_DEVICE
inline bool AllPowerfulUser() { return false; }
#else
inline constexpr int kNoPermission = EACCES;
inline constexpr int kWriteProtected = EROFS;
inline constexpr int kOtherDevice = EXDEV;
inline constexpr int kDiskFull = ENOSPC;
inline constexpr int kIoError = EIO;
inline bool AllPowerfulUser() { return ::geteuid() == 0; }
#endif

}  // namespace orvo::test_support
