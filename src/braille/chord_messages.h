#pragma once
// Messages of braille typing, as the user reads them.
#include "platform/text.h"

namespace orvo::braille::chord_text {

inline const ustring kNoCell = u"該当文字がありません！\u3000\u3000\u3000\u3000";
inline const ustring kKanaPressedBraille =
    u"【 かな 】キーが押されました。\u3000＜ローマ字モード＞に戻します。\u3000\u3000";
inline const ustring kKanaPressed = u"【 かな 】キーが押されました！\u3000\u3000\u3000\u3000";
inline const ustring kReset = u"リセット（Ｒ） しました。\u3000\u3000\u3000\u3000";
inline const ustring kNoResult = u"確定文字がありません！\u3000\u3000\u3000\u3000";
inline const ustring kNoPending = u"「未確定文字列」は ありません！\u3000\u3000\u3000\u3000";
inline const ustring kRefuseHead = u"＜点字入力モード＞で 「ＩＭＥ入力中」は";
inline const ustring kRefuseShift = u"【 SHIFT 】キーは 使用できません！\u3000\u3000\u3000\u3000";
inline const ustring kRefuseCtrl = u"【 CTRL 】キーは 使用できません！\u3000\u3000\u3000\u3000";
inline const ustring kRefuseAlt = u"【 ALT 】キーは 使用できません！\u3000\u3000\u3000\u3000";
inline const ustring kOutOfMemory = u"テキスト処理の メモリー不足です！\u3000\u3000\u3000\u3000";
inline const ustring kLimit = u"テキスト処理の 制限を越えました！\u3000\u3000\u3000\u3000";
inline const ustring kWarning =
    u"***** 警告！ *****\r\n\r\n"
    u"＜ 点字入力モード ＞では、システムが特殊な状態です！\r\n\r\n"
    u"他のフォルダ、ファイル等をアクティブにしないで下さい！\u3000\u3000\r\n\r\n"
    u"また、【 E 】、【 ESC 】キーを押さないで下さい！\r\n\r\n"
    u"．．．．．．現在は＜ローマ字入力モード＞です。";

}  // namespace orvo::braille::chord_text
