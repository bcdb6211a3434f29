// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Said when kana-kanji conversion is unavailable or changes engine: typing
// and confirming kana always work.
#include "platform/app_host.h"

namespace orvo {

inline const ustring kNoDictionaryWarning =
    u"かな漢字変換の辞書を開けません。\r\n"
    u"かなの入力と確定はできますが、漢字には変換できません。";

// mozc stopped answering in the middle of the work: said once, after the key
// that found it gone; what was being typed stays in the composition.
inline const ustring kMozcLostWarning =
    u"かな漢字変換の mozc が応答しなくなりました。\r\n"
    u"入力中の読みはそのままです。ここからは anthy で変換します。";
// mozc was asked for by name and cannot be used.
inline const ustring kMozcUnusableWarning =
    u"かな漢字変換の mozc を使えません。\r\n"
    u"anthy で変換します。";

inline void WarnNoDictionary(AppHost& host) {
  host.StandardMessage(kNoDictionaryWarning, mb_icon::kExclamation, u" Orvo");
}

inline void WarnMozcLost(AppHost& host) {
  host.StandardMessage(kMozcLostWarning, mb_icon::kExclamation, u" Orvo");
}

inline void WarnMozcUnusable(AppHost& host) {
  host.StandardMessage(kMozcUnusableWarning, mb_icon::kExclamation, u" Orvo");
}

}  // namespace orvo
