// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the application shell shows the user: start-up refusals, the
// main window's captions and menus, and its questions. The message box's own
// words are its part, message_texts.h. The gaps written \u3000 are ideographic spaces.
#include "toolkit/message_texts.h"
#include "platform/text.h"

// --- Start-up ---
namespace orvo::startup_text {

inline const ustring kTitle = u" Orvo";  // the title of the start-up's own boxes
inline const ustring kRepaired = u"システムを修正しました！\u3000\u3000\u3000\u3000";
inline const ustring kRepairFailed =
    u"システムを修正できません！\u3000終了します。\u3000"
    u"\r\n\r\n"
    u"パソコンを再起動してください！\u3000\u3000\u3000\u3000";
inline const ustring kOneSided =
    u"システムを修正できません！\u3000(片押し状態)\u3000"
    u"\r\n\r\n"
    u"パソコンを再起動してください！\u3000\u3000\u3000\u3000";
inline const ustring kSecondInstance = u"「 Ｏｒｖｏ 」 は 複数 起動できません！\u3000\u3000\u3000";
inline const ustring kColours256 =
    u"ディスプレイが２５６色では起動できません！\u3000\u3000\u3000\u3000";
inline const ustring kTooSmall = u"画面サイズ 640×480 未満 では起動できません！\u3000\u3000\u3000";
inline const ustring kCannotGoOn = u"ソフトを終了します！\u3000\u3000\u3000\u3000";

}  // namespace orvo::startup_text

// --- The main window ---
namespace orvo::main_text {

// The splash and version window: its button, and what its picture shows, for screen readers.
inline const ustring kSplashCaption = u"Ｏｒｖｏ ４";
inline const ustring kSplashButton = u"OK";
// Before the IME's own name, which says which engine converts: "Orvo IME (mozc)".
inline const ustring kImeLine = u"かな漢字変換：";
// Before the version number: "バージョン 0.1".
inline const ustring kVersionLine = u"バージョン ";
inline const ustring kSplashPicture = u"Ｏｒｖｏ ４　日本語の点字入力ノートパッド。六つの点のキー、F D S と J K L で点字を入力します。";
inline const ustring kNewDocumentCaption = u" Ｏ ｒｖｏ ４ － 新規.txt";
inline const ustring kExitQuestion = u"．．．終了 します。\u3000\u3000\u3000\u3000";
// The braille font could not be registered, or registered without its face.
inline const ustring kBrailleFontUnregistered = u"aエラー！　点字フォントが使用できません。";
inline const ustring kBrailleFontUnusable = u"pエラー！　点字フォントが使用できません。";

inline constexpr const char16_t* kMemoButton = u"メモ";
inline constexpr const char16_t* kMethodButton = u"入力方式切替";
inline constexpr const char16_t* kImeButton = u"日本語入力のＯＮ／ＯＦＦ";
// What screen readers call the toolbar's blank parts (a click on them goes back to the text).
inline constexpr const char16_t* kToolbarBlank = u"ツールバーの余白";
inline constexpr const char16_t* kWrapNotice = u"有効 ： 右端で折り返す";
inline constexpr const char16_t* kBytes = u"ﾊﾞｲﾄ";
// The status line's headings, in the order of lblSTYLE.
inline constexpr const char16_t* kStatusHeadings[] = {u"ファイルサイズ：", u"全行：", u"／行目：",
                                                      u"桁："};
inline constexpr const char16_t* kZeroColumn = u"0．0";
inline constexpr const char16_t* kZero = u"0";

}  // namespace orvo::main_text

// --- The main window's menus, by entry ---
namespace orvo::menu_text {

inline constexpr const char16_t* kSeparator = u"-";
inline constexpr const char16_t* kFile = u"ファイル(&F)";
inline constexpr const char16_t* kEdit = u"編集(&E)";
inline constexpr const char16_t* kOption = u"オプション(&O)";
inline constexpr const char16_t* kSetting = u"ユーザー設定．．(&P)";
inline constexpr const char16_t* kFontReset = u"保存設定に戻す (&Q)";
inline constexpr const char16_t* kFind = u"検索／置換 (&S)";
inline constexpr const char16_t* kNextFind = u"次を検索 (&N)";
inline constexpr const char16_t* kWordTurn = u"右端で折り返す (&W)";
inline constexpr const char16_t* kTextArea = u"テキスト範囲 (&A)";
inline constexpr const char16_t* kRestoreArea = u"元に戻す (&U)";
inline constexpr const char16_t* kTallArea = u"たて最大化 (&T)";
inline constexpr const char16_t* kWideArea = u"よこ最大化 (&Y)";
inline constexpr const char16_t* kDate = u"日付挿入 (&H)";
inline constexpr const char16_t* kHelp = u"ヘルプ(&H)";
inline constexpr const char16_t* kHelper = u"点字ヘルパー(F4)";
inline constexpr const char16_t* kDiagrams = u"キー配置図 (F5)";
inline constexpr const char16_t* kMemo = u"メモ (F11)";
inline constexpr const char16_t* kAbout = u"バージョン情報 (&B)";
inline constexpr const char16_t* kBarHelper = u"点字ヘルパー(F4)";
inline constexpr const char16_t* kBarDiagrams = u"キー配置図(F5)";
inline constexpr const char16_t* kExit = u"ソフト終了(ESC)";

}  // namespace orvo::menu_text
