#pragma once
// Start-up refusals and notices, as the user reads them.
#include "platform/text.h"

namespace orvo::startup_text {

inline const ustring kRepaired = u"システムを修正しました！\u3000\u3000\u3000\u3000";
inline const ustring kRepairFailed = u"システムを修正できません！\u3000終了します。\u3000" u"\r\n\r\n" u"パソコンを再起動してください！\u3000\u3000\u3000\u3000";
inline const ustring kOneSided = u"システムを修正できません！\u3000(片押し状態)\u3000" u"\r\n\r\n" u"パソコンを再起動してください！\u3000\u3000\u3000\u3000";
inline const ustring kSecondInstance = u"「 Ｏｒｖｏ 」 は 複数 起動できません！\u3000\u3000\u3000";
inline const ustring kColours256 = u"ディスプレイが２５６色では起動できません！\u3000\u3000\u3000\u3000";
inline const ustring kTooSmall = u"画面サイズ 640×480 未満 では起動できません！\u3000\u3000\u3000";
inline const ustring kCannotGoOn = u"ソフトを終了します！\u3000\u3000\u3000\u3000";

}  // namespace orvo::startup_text
