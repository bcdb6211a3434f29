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

}  // namespace orvo::settings::text
