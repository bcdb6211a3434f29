// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the file commands say and show: menu captions, title-bar pieces and messages.
#include "platform/text.h"

namespace orvo::files::text {

// Menu captions of the file menu.
inline constexpr const char16_t* kNew = u"新規作成 (&N)";
inline constexpr const char16_t* kOpen = u"ファイルを開く．．(&O)";
inline constexpr const char16_t* kSaveOver = u"上書き保存 (&S)";
inline constexpr const char16_t* kSaveAs = u"名前を付けて保存 (&A)";
inline constexpr const char16_t* kRecent = u"ファイル履歴 (&M)";
inline constexpr const char16_t* kNoRecent = u"なし";

// Title bar: after a dialog or a save, after a given path, and for a new text.
inline constexpr const char16_t* kCaptionPrefix = u"Ｏｒｖｏ ４ － ";
inline constexpr const char16_t* kGivenCaptionPrefix = u" Ｏ ｒｖｏ ４ － ";
inline constexpr const char16_t* kNewCaption = u" Ｏ ｒｖｏ ４ － 新規.txt";
inline constexpr const char16_t* kSizeOpen = u"  ( ";
inline constexpr const char16_t* kSizeClose = u" byte )";
inline constexpr const char16_t* kNewName = u"新規.txt";

// Dialogs.
inline constexpr const char16_t* kOpenTitle = u"テキスト ファイルを開く";
inline constexpr const char16_t* kSaveTitle = u"ファイルに名前を付けて保存";
inline constexpr const char16_t* kFilter = u"テキストファイル（*．txt）|*.txt";
inline constexpr const char16_t* kExtension = u"txt";
inline constexpr const char16_t* kDialogError = u"エラー ";
inline constexpr const char16_t* kMultipleFiles = u"複数ファイルは扱えません！";

// Questions before the text is replaced or saved.
inline constexpr const char16_t* kDiscard = u"現在のテキストを破棄します。　よろしいですか？　　　";
inline constexpr const char16_t* kModifiedSave = u"現在のテキストは 変更されています。　保存しますか？　　　";
inline constexpr const char16_t* kWrapOffToSave = u"＜右端折り返し＞を 解除して、保存します。　　　　";
inline constexpr const char16_t* kWrapOff = u"＜右端折り返し＞を 解除します。";
inline constexpr const char16_t* kSaveOverQuestion = u"上書き保存しますか？　　　　";

// Open.
inline constexpr const char16_t* kNotText = u"このファイルタイプは読み込みできません！　　　　";
inline constexpr const char16_t* kTooLongHead = u"警告＝ ";
inline constexpr const char16_t* kTooLongIs = u" は ";
inline constexpr const char16_t* kTooLongBytes = u" バイトです！　　　";
inline constexpr const char16_t* kTooLongOver = u"　　　６０Ｋバイトを超えるファイルは";
inline constexpr const char16_t* kTooLongOverDropped = u"　　　６０ Ｋバイトを超えるファイルは";
inline constexpr const char16_t* kTooLongCannot = u"　　　読み込み、編集ができません！　　　";
inline constexpr const char16_t* kOpenError = u"Open_Err-";
// Before the path of the file a failure was about.
inline constexpr const char16_t* kFailedFile = u"ファイル：";
inline constexpr const char16_t* kOpenDropError = u"Open_Drop_Err-";
inline constexpr const char16_t* kNoPath = u"???";

// Save.
inline constexpr const char16_t* kNothingCaptured = u"strSAVEtxt =なし　　";
inline constexpr const char16_t* kSaveOnlyText = u"テキストファイルタイプ(．txt)以外は保存できません！　　　　";
inline constexpr const char16_t* kSaveAsError = u"Save_AD_Err-";
inline constexpr const char16_t* kSavedHead = u"テキストファイル 「 ";
inline constexpr const char16_t* kSavedTail = u" 」 の保存完了！　　　　";
inline constexpr const char16_t* kSavedOverTail = u" 」 の上書き保存完了！　　　　";
inline constexpr const char16_t* kOriginalMissing = u"元のファイルが見つかりません！　　　　";
inline constexpr const char16_t* kReadOnly = u"ファイルは上書き禁止（読み取り専用）です！　　　　";
inline constexpr const char16_t* kSaveOverDummyError = u"Save_Over_Dummy_Err-";
inline constexpr const char16_t* kSaveOverError = u"Save_Over_Err-";
inline constexpr const char16_t* kNothingToSaveOver = u"上書き保存するテキスト内容がありません！　　　";
inline constexpr const char16_t* kNothingToSave = u"保存するテキスト内容がありません！　　　";
inline constexpr const char16_t* kStillNew = u"現在は新規テキストです！　　　　";
inline constexpr const char16_t* kUnchanged = u"テキストは変更されていません！　　　　";

// Recent files.
inline constexpr const char16_t* kAlreadyOpenRecent = u"現在、同ファイルを開いています！　　　　";
inline constexpr const char16_t* kRecentMissing = u"ファイルが見つかりません！　　　　";

// Drops and the command line.
inline constexpr const char16_t* kManyDropped = u"複数のドラッグ・ドラッグは処理できません！　　　";
inline constexpr const char16_t* kAlreadyOpenHead = u"「 ";
inline constexpr const char16_t* kAlreadyOpenTail = u" 」 は現在 既に 開いています！　　　";
inline constexpr const char16_t* kOnlyText = u"対応ファイル形式は テキストファイル（．txt）だけです！　　　　";
inline constexpr const char16_t* kDropRefused = u"エラー！　Drag&Drop　　　　";
inline constexpr const char16_t* kCommandLineMissing = u"ファイルが見つかりません！　　　";
inline constexpr const char16_t* kLongPathError = u"エラー！ longfile-open　　　　";

// What the code page cannot hold, and bytes that are not text in it. These
// are this program's own: nothing is written or shown garbled.
inline constexpr const char16_t* kCannotStoreHead = u"この文字は保存できません：　「 ";
inline constexpr const char16_t* kCannotStoreLine = u" 」　（";
inline constexpr const char16_t* kCannotStoreTail = u" 行目）\r\n\r\n　　　ファイルは保存していません。　　　";
inline constexpr const char16_t* kNotInCodePageHead = u"このファイルは 文字コード ";
inline constexpr const char16_t* kNotInCodePageTail = u" のいずれのテキストでもありません！　　　\r\n\r\n　　　読み込みできません。　　　";

// The recovery copy: the question at the start after a run that did not end
// by itself, and what became of a copy that cannot be used.
inline constexpr const char16_t* kRecoveryQuestion =
    u"前回、保存していない文章を残したまま Ｏｒｖｏ が終了しました。　　　\r\n\r\n　　　その文章を復元しますか？　　　";
inline constexpr const char16_t* kRecoveryOfFile = u"\r\n\r\n　　　ファイル：　";
inline constexpr const char16_t* kRecoveryFileGone =
    u"\r\n\r\n　　　元のファイルは見つかりません。　新規テキストとして復元します。　　　";
inline constexpr const char16_t* kRecoveryKeptHead = u"復元用の写しは 「 ";
inline constexpr const char16_t* kRecoveryKeptTail = u" 」 として残しました。　　　";
inline constexpr const char16_t* kRecoveryRefusedHead = u"復元用の写しを使えません：　";
inline constexpr const char16_t* kRecoveryNotACopy = u"復元用の写しではありません。";
inline constexpr const char16_t* kRecoveryOtherVersion = u"別の版の Ｏｒｖｏ が書いた写しです。";
inline constexpr const char16_t* kRecoveryDamaged = u"写しが壊れています（途中で切れているか、中身が違います）。";
inline constexpr const char16_t* kRecoveryOtherUser = u"別のユーザーの写しです。";
inline constexpr const char16_t* kRecoveryTooLarge = u"写しが大きすぎます。";
inline constexpr const char16_t* kRecoveryUnreadable = u"写しを読めません：　";
inline constexpr const char16_t* kRecoveryNotKept = u"\r\n\r\n　　　写しの名前を変えられませんでした：　";

// On the terminal, when the unsaved text of an abrupt end cannot be kept.
inline constexpr const char* kRescueNamesTaken = "every rescue file name of this second is taken";

}  // namespace orvo::files::text
