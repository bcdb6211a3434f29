// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paths as the wide-character file functions take them: absolute, with
// backslashes, and past MAX_PATH with the \\?\ prefix that lifts the limit.
#include <string>

#include "platform/text.h"

namespace orvo::win32 {

// The path made absolute against the current folder, '/' turned into '\';
// the path unchanged when the system cannot make it absolute.
std::wstring FullPath(const std::wstring& path);

// FullPath, prefixed with \\?\ (\\?\UNC\ for a share) when it is too long
// for the plain form.
std::wstring SystemPath(const ustring& path);

// The path without a \\?\ prefix, as the program shows paths.
std::wstring WithoutPrefix(const std::wstring& path);

}  // namespace orvo::win32
