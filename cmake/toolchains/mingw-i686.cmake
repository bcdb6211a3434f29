# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for 32-bit Windows, the system the program was first made for:
# `long` and pointers are 32 bits, callbacks use __stdcall. Compiled here to
# catch those faults; Wine here cannot run it (no 32-bit Wine).
set(ORVO_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
