// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text braille input shows the user: messages, the mode captions and
// the display tips. The gaps written \u3000 are ideographic spaces.
#include <string_view>

#include "platform/text.h"

namespace orvo::braille::text {

// --- Keystrokes ---
inline const ustring kCommandError = u"コマンドエラー！";
inline const ustring kArrowCtrlError = u"エラー！Send_ARROW_Ctrl\u3000\u3000\u3000\u3000";
inline const ustring kSendFailed = u"キー操作を送れませんでした。";

// --- Chord capture ---
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

// --- Cell conversion ---
inline const ustring kNoEntry = u"該当する文字がありません！\u3000\u3000\u3000\u3000";
inline const ustring kBadPrefixMode = u"iMODE がおかしい？-";  // the mode's number follows
inline const ustring kNothingConfirmed =
    u"\u3000\u3000確定文字はありません！\u3000\u3000\u3000\u3000";

// --- Input modes ---
inline constexpr std::u16string_view kModeKana = u"ひらがな";
inline constexpr std::u16string_view kModeDigits = u"数字";
inline constexpr std::u16string_view kModeLower = u"英字\u3000小";
inline constexpr std::u16string_view kModeOneCapital = u"英字\u3000大";
inline constexpr std::u16string_view kModeCapitals = u"英字 大大";
inline const ustring kModeTip = u"モード表示";
inline const ustring kCellsTip = u"点字表記";
inline const ustring kKanaLocked = u"＜ 点字モード ＞では 【 かな 】 入力は できません！";
inline const ustring kBadMode = u"エラー！ SET_IME_MODE\u3000\u3000\u3000\u3000";

// --- IME control ---
inline const ustring kInvalidHandle = u"指定されたハンドルは、無効です！";
inline const ustring kNoIme = u"ＩＭＥは、有効ではありません！";
inline const ustring kNeedRomaji =
    u"点字入力には「ローマ字入力モード」が必要です。\r\n"
    u"Windows NTでは、ソフトから設定できません！\r\n"
    u"ユーザーが設定して下さい。";
inline const ustring kQuitPlease = u"一旦、ソフトを終了して下さい！";
inline const ustring kNoReading = u"テスト＝RETURN_IME_STR\u3000入力カタカナ文字列がない！";
inline const ustring kNoRetypeEntry =
    u"＜\u3000エラー！\u3000＞\r\n"
    u"「ＭＳ－ＩＭＥ」以外をご使用の場合、\r\n"
    u"「数字、英字」は入力文字を復帰できない\r\n"
    u"場合があります。なるべく長文にならない\r\n"
    u"うちに「確定」してください。";
inline const ustring kNoKey = u"送信コードなし！";
inline const ustring kImeMustBeOn =
    u"****\u3000＜注意＞\u3000****\r\n\r\n"
    u"＜点字入力モード＞では 「ＩＭＥ」 が有効でないと\r\n\r\n"
    u"文字の点字入力ができません！";

// --- What a screen reader is told as braille is typed ---
// Said in katakana where a voice could misread the kanji or skip them; the
// screen keeps the texts above.
inline constexpr std::u16string_view kSpokenBrailleOn = u"テンジ ニューリョク モード";
inline constexpr std::u16string_view kSpokenRomajiOn = u"ローマジ ニューリョク モード";
inline constexpr std::u16string_view kSpokenDots = u"テン";        // then the dot numbers: テン 1 2
inline constexpr std::u16string_view kSpokenNoDots = u"マスアケ";  // the cell with no dots raised
inline constexpr std::u16string_view kSpokenConfirmed = u"カクテイ";  // then the confirmed text
inline constexpr std::u16string_view kSpokenModeKana = u"ヒラガナ";
inline constexpr std::u16string_view kSpokenModeDigits = u"スージ";
inline constexpr std::u16string_view kSpokenModeLower = u"エイジ コモジ";
inline constexpr std::u16string_view kSpokenModeOneCapital = u"エイジ オオモジ";
inline constexpr std::u16string_view kSpokenModeCapitals = u"エイジ オオモジ レンゾク";
// F10 in braille mode: it opens no menu there; what does.
inline const ustring kF10InBraille =
    u"テンジ ニューリョク モードデワ エフジュー ワ ツカエマセン。メニューワ オルト ト モジデ ヒラキマス。"
    u"ファイル エフ、ヘンシュー イー、オプション オー、ヘルプ エイチ";

}  // namespace orvo::braille::text
