// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words of the message box: its fixed title and its button captions,
// which are also the buttons' tags.
#include <string_view>

namespace orvo::message_texts {

inline constexpr std::u16string_view kTitle = u" Orvo 4";

inline constexpr std::u16string_view kOk = u"ＯＫ";
inline constexpr std::u16string_view kCancel = u"キャンセル";
inline constexpr std::u16string_view kYes = u"はい(&Y)";
inline constexpr std::u16string_view kNo = u"いいえ(&N)";
inline constexpr std::u16string_view kBlank = u"";

// What a screen reader calls the icon of each kind of box.
inline constexpr std::u16string_view kIconStop = u"エラー";
inline constexpr std::u16string_view kIconQuestion = u"質問";
inline constexpr std::u16string_view kIconExclamation = u"警告";
inline constexpr std::u16string_view kIconInformation = u"情報";

// What the box itself reports when it fails: this letter, then the failure.
inline constexpr std::u16string_view kFailurePrefix = u"e";

}  // namespace orvo::message_texts
