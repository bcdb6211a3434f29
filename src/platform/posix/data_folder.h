// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data folder on POSIX systems: the one search every system shares.
#include "platform/native/data_folder.h"

namespace orvo::posix {

using native::DataFolder;
using native::FindDataFolder;
using native::FindOwnDataFolder;
using native::kDataStamp;
using native::ProgramVersion;

}  // namespace orvo::posix
