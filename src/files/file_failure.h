// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A failure to read or write a file as the messages tell it: the message's
// tag and the system's number ("Save_Over_Err-28"), a space, the system's
// description (in the user's language where the system has it), and the
// file's path on a line of its own.
#include "platform/file_system.h"
#include "platform/text.h"

namespace orvo::files {

ustring FailureText(const ustring& tag, const FileError& error, const ustring& path);

}  // namespace orvo::files
