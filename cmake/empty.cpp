// SPDX-License-Identifier: GPL-3.0-or-later
// Lets a library folder build before its first source file exists.
