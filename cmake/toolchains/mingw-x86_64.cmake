# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers (the posix
# thread model, for std::thread and std::mutex). Programs are linked statically:
# they need no DLL beside them, only what Windows itself has.
set(ORVO_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
