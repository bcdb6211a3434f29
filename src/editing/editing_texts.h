#pragma once
// Every text the editing services show the user. The gaps written \u3000 are ideographic spaces.
#include "platform/text.h"

namespace orvo::editing::text {

// After the text's size in bytes.
inline const ustring kOutOfMemory =
    u"テキスト処理の限界を超えました！ (メモリー不足)\u3000元に戻します。\u3000\u3000\u3000\u3000";
inline const ustring kSameAsSaved = u"現在の設定は保存値と同じです！\u3000\u3000\u3000\u3000";

}  // namespace orvo::editing::text
