// SPDX-License-Identifier: GPL-3.0-or-later
// fontconfig keeps the font patterns Qt reads from it until the process ends;
// the leak checker is told so, and nothing else of the suite is excused.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
