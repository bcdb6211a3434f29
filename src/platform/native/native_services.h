// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The services of the system the program is built for, under one name each,
// so that what assembles the program never asks which system it is on:
// posix/ on Linux, win32/ on Windows.
#include "platform/native/data_folder.h"
#include "platform/native/program_path.h"
#include "platform/native/terminal_message.h"

#if defined(_WIN32)
#include "platform/win32/console.h"
#include "platform/win32/instance_lock.h"
#include "platform/win32/single_instance.h"
#include "platform/win32/user_id.h"
#include "platform/win32/win32_file_system.h"
#else
#include <cerrno>

#include "platform/posix/console.h"
#include "platform/posix/instance_lock.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/single_instance.h"
#include "platform/posix/user_id.h"
#endif

namespace orvo::native {

#if defined(_WIN32)
namespace system = win32;
using FileSystem = win32::Win32FileSystem;
// The system's failure for one of its error numbers (Win32 error codes).
inline FileError SystemFailure(int number) { return win32::SystemError(static_cast<unsigned long>(number)); }
using win32::FolderFailure;
using win32::ReadOnlyFailure;
using win32::TooLongFailure;
#else
namespace system = posix;
using FileSystem = posix::PosixFileSystem;
// The system's failure for one of its error numbers (errno values).
inline FileError SystemFailure(int number) { return posix::ErrnoError(number); }
// A folder where a file was asked for, a file past the limit, a file this user may not write.
inline FileError FolderFailure() { return posix::ErrnoError(EISDIR); }
inline FileError TooLongFailure() { return posix::ErrnoError(EFBIG); }
inline FileError ReadOnlyFailure() { return posix::ErrnoError(EACCES); }
#endif

using system::FileStep;
using system::InstanceLock;
using system::SingleInstance;
using system::StandardInputIsTerminal;
using system::UseBinaryStandardStreams;
using system::UseConsoleStreams;
using system::UserId;
using system::Utf8Arguments;

}  // namespace orvo::native
