// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the editing services show the user. The gaps written \u3000 are ideographic spaces.
#include "platform/text.h"

namespace orvo::editing::text {

// After the text's size in bytes.
inline const ustring kOutOfMemory =
    u"テキスト処理の限界を超えました！ (メモリー不足)\u3000元に戻します。\u3000\u3000\u3000\u3000";
inline const ustring kSameAsSaved = u"現在の設定は保存値と同じです！\u3000\u3000\u3000\u3000";

// --- Find and replace ---
inline const ustring kSearchEnded = u"検索を終了しました！\u3000\u3000\u3000\u3000";
inline const ustring kReplaceEnded = u"置換を終了しました！\u3000\u3000\u3000\u3000";
inline const ustring kNothingToReplace = u"置換される文字列がありません！\u3000\u3000\u3000\u3000";

// The find dialog frmFIND.
inline const ustring kFindCaption =
    u"検索／置換        【 Ｆ２ 】 ＝アクティブ      ウインドウ移動＝【 ↑ 】、  【 ↓ 】 キー";
inline constexpr const char16_t* kFindLabel = u"検索する文字列 ：";
inline constexpr const char16_t* kReplaceLabel = u"置換する文字列 ：";
inline constexpr const char16_t* kDirectionFrame = u"検索方向";
inline constexpr const char16_t* kDown = u"下方向に";
inline constexpr const char16_t* kUp = u"上方向に";
inline constexpr const char16_t* kMatchCase = u"文字の大小を比較";
inline constexpr const char16_t* kFindButton = u"次を 検索 （Ｆ３）";
inline constexpr const char16_t* kReplaceButton = u"置換して次 （Ｆ４）";
inline constexpr const char16_t* kCloseButton = u"閉じる （Ｆ５）";

// --- Edit commands: the Edit menu and the text box's pop-up menu ---
inline constexpr const char16_t* kUndo = u"元に戻す (&U)";
inline constexpr const char16_t* kCut = u"切り取り (&X)";
inline constexpr const char16_t* kCopy = u"コピー (&C)";
inline constexpr const char16_t* kPaste = u"貼り付け (&V)";
inline constexpr const char16_t* kDelete = u"削除 (&D)";
inline constexpr const char16_t* kSelectAll = u"すべて選択 (&L)";
inline constexpr const char16_t* kSearchMenu = u"検索．．(&F)";
inline constexpr const char16_t* kReplaceMenu = u"置換．．(&R)";

inline constexpr const char16_t* kPopupTitle = u"編集";
inline constexpr const char16_t* kPopupUndo = u"元に戻す(&U)";
inline constexpr const char16_t* kPopupCut = u"切り取り(&T)";
inline constexpr const char16_t* kPopupCopy = u"コピー(&C)";
inline constexpr const char16_t* kPopupPaste = u"貼り付け(&P)";
inline constexpr const char16_t* kPopupDelete = u"削除(&D)";
inline constexpr const char16_t* kPopupSelectAll = u"すべて選択(&A)";

// The Japanese days of the week, Sunday first, for the date "yyyy/mm/dd(aaa)".
inline constexpr const char16_t* kWeekdays[] = {u"日", u"月", u"火", u"水", u"木", u"金", u"土"};

}  // namespace orvo::editing::text
