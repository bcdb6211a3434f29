// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Windows API as this front end uses it: the wide-character functions,
// no min and max macros.
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
