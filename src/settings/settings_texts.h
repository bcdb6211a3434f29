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

// The braille font: its file, its face, and what is told when it cannot be used.
inline const ustring kBrailleFontFile = u"Orvoten.TTF";
inline const ustring kBrailleFontFace = u"Orvoten Font";
inline const ustring kBrailleFontMissing = u"点字フォント「 Orvoten.TTF 」が見つかりません！";
inline const ustring kBrailleFontNotAdded = u"点字フォント登録失敗！";
inline const ustring kBrailleFontNoPath = u"エラー！　フォントパス不明";

}  // namespace orvo::settings::text
