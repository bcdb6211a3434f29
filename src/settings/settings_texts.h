// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the settings file shows the user. The gaps written \u3000 are ideographic spaces.
#include "platform/text.h"

namespace orvo::settings::text {

// Followed by the failure's description.
inline const ustring kReadFailed = u"ERR!_ReadINI-";     // the file exists but cannot be read
inline const ustring kSaveFailed = u"ERR!_SaveData-";    // the display settings were not saved
inline const ustring kSaveMruFailed = u"ERR!_SaveMRU-";  // the recent files were not saved
// The title of the read failure's box.
inline const ustring kReadFailedTitle = u" Orvo";

// The description of a value the system code page cannot hold.
inline const ustring kNotInCodePage = u"設定値に保存できない文字があります";

// The settings dialog (frmSETING).

inline const ustring kDialogCaption = u"ユーザー設定";
inline const ustring kTextColour = u"文字色";
inline const ustring kBackColour = u"背景色";
inline const ustring kSwatchFrame = u"クリックで設定";
inline const ustring kSwatchHint = u"( Ｗクリックで色変更 )";
inline const ustring kSample = u"Aaあぁアァ亜宇";
inline const ustring kProportional = u"プロポーショナル・タイプ (文字幅不均等)";
inline const ustring kFixedPitch = u"フィックスド・タイプ (全文字固定幅)";
inline const ustring kSavedFrame = u"保存設定 (起動時)";
inline const ustring kRevertButton = u"保存設定に戻す(F2)";
inline const ustring kDefaultsButton = u"規定初期値に戻す (F3)";
inline const ustring kSaveButton = u"カスタマイズを保存 (F4)";
inline const ustring kCloseFirst = u"閉じる ( F5 )";  // before anything was chosen
inline const ustring kApply = u"適用 (Ｆ５)";
inline const ustring kClose = u"閉じる (Ｆ５)";
inline const ustring kRgbPrefix = u"RGB= ";

inline const ustring kBadCheck = u"???";
inline const ustring kSameAsSaved = u"現在の設定は保存値と同じです！\u3000\u3000\u3000\u3000";
inline const ustring kAlreadySaved = u"現在の設定は既に保存されています！\u3000\u3000\u3000\u3000";
inline const ustring kSaved = u"現在の設定を INIファイルに保存しました。\u3000\u3000\u3000\u3000";
inline const ustring kCancelled = u"設定をキャンセルします！\u3000\u3000\u3000\u3000";

// What a screen reader calls the controls that have no caption of their own.
inline const ustring kFontListName = u"フォント名";
inline const ustring kSizeListName = u"サイズ";
inline const ustring kSwatchName = u"色見本";  // followed by its number and colour
inline const ustring kSavedTextColourName = u"保存された文字色";
inline const ustring kSavedBackColourName = u"保存された背景色";

// The braille font: its file, its face, and what is told when it cannot be used.
inline const ustring kBrailleFontFile = u"Orvoten.TTF";
inline const ustring kBrailleFontFace = u"Orvoten Font";
inline const ustring kBrailleFontMissing = u"点字フォント「 Orvoten.TTF 」が見つかりません！";
inline const ustring kBrailleFontNotAdded = u"点字フォント登録失敗！";
inline const ustring kBrailleFontNoPath = u"エラー！　フォントパス不明";

}  // namespace orvo::settings::text
