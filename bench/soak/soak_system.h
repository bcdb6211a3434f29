// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the soak asks of the system it runs on: its memory, and a scratch
// folder of its own (in memory where the system has such a place).
#include <string>

namespace orvo::soak {

// The memory the process holds now, and the most it held, in KiB.
long long ResidentKb();
long long PeakKb();

// A new empty folder only this user may enter; empty when none could be made.
std::string MakeScratchFolder();

}  // namespace orvo::soak
