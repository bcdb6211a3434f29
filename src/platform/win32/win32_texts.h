// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Windows services say of a failure the system words badly or not at all.
namespace orvo::win32::texts {

inline constexpr char16_t kIsFolder[] = u"フォルダーです";
inline constexpr char16_t kNotAFile[] = u"通常のファイルではありません";
inline constexpr char16_t kReadOnly[] = u"読み取り専用のファイルです";
inline constexpr char16_t kInUse[] = u"ほかのプログラムが使用中のファイルです";
inline constexpr char16_t kTooLong[] = u"ファイルが大きすぎます";
inline constexpr char16_t kUnknown[] = u"システムのエラー ";

}  // namespace orvo::win32::texts
