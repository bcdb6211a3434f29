#pragma once
// Said once after start-up when kana-kanji conversion is unavailable: typing
// and confirming kana still work.
#include "platform/app_host.h"

namespace orvo {

inline const ustring kNoDictionaryWarning =
    u"かな漢字変換の辞書を開けません。\r\n"
    u"かなの入力と確定はできますが、漢字には変換できません。";

inline void WarnNoDictionary(AppHost& host) {
  host.StandardMessage(kNoDictionaryWarning, mb_icon::kExclamation, u" Orvo");
}

}  // namespace orvo
