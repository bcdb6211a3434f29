// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the help windows show and say: the braille helper, the key diagrams
// and the input memo.
#include <array>

#include "platform/text.h"

namespace orvo::help::text {

// --- The braille helper ---
inline constexpr char16_t kHelperCaption[] = u"点字ヘルパー";
inline constexpr char16_t kHelperHint[] = u"操作【 Ｙ 】　　閉じる【スペース】";
inline constexpr char16_t kHelperKeys[] =
    u"【 Ｆ４ 】 アクティブの切替\r\n"
    u"◆スクロールのボタン◆\r\n"
    u"【 Ｍ 】 下へ 【 Ｕ 】 ページごと\r\n"
    u"【 Ｉ 】 上へ 【 Ｏ 】 ページごと\r\n"
    u"◆ウインドウの移動◆\r\n"
    u"【 Ｃ 】 上へ【 Ｖ 】 下へ\r\n"
    u"【 ＜ 】 左へ【 ＞ 】 右へ";
inline constexpr char16_t kHelperClose[] = u"閉じる";
inline constexpr char16_t kChartName[] = u"点字一覧表";
inline constexpr char16_t kChartFont[] = u"ＭＳ ゴシック";

// --- The key diagrams ---
inline constexpr char16_t kDiagramsCaption[] = u"Ｏｒｖｏ ４";
// The selectors, by the picture each brings to the front.
inline constexpr std::array<const char16_t*, 4> kDiagramButtons = {
    u"一覧図 ( F6 )", u"ＩＭＥ操作 ( F4 )", u"説明 ( F3 )", u"用例 ( F2 )"};
inline constexpr char16_t kDiagramsClose[] = u"閉じる ( Ｆ５ )";
// Each picture's name, as a screen reader names it.
inline constexpr std::array<const char16_t*, 4> kDiagramNames = {
    u"キー配置図：一覧図", u"キー配置図：ＩＭＥ操作", u"キー配置図：説明", u"キー配置図：用例"};

// The key diagrams' whole content as text, for screen readers: what each
// picture shows, line by line (data/diagrams/*.svg draw the same).
inline constexpr std::array<const char16_t*, 4> kDiagramAlternatives = {
    u"一覧図：点字入力モードのキー\n"
    u"キーボードの図（色のあるキーが点字入力モードのキー）：F1 F2 F3 F4 F5 F6 F7 F8 F9 F10／Q W E R T Y U I O P／A S D F G H J K L ;／Z X C V B N M , .\n"
    u"F1：切替　F4：ヘルパー　F5：配置図　F7：カナ　F8：半角　F9：英数\n"
    u"Q：文頭　W：復元　R：リセット　T：確定取消　U：←　I：↑　O：→　P：文末\n"
    u"A：行頭　S：3の点　D：2の点　F：1の点　G：Del　H：BS　J：4の点　K：5の点　L：6の点　;：行末\n"
    u"Z：メニュー　C：画面↑　V：画面↓　N：Enter　M：↓　,：画面←　.：画面→\n"
    u"F1：ローマ字入力と点字入力の切替　F4：点字ヘルパー　F5：キー配置図\n"
    u"F7・F8・F9：カタカナ・半角・英数に変換　Q・P：文頭・文末　A・;：行頭・行末（変換中は文節）\n"
    u"W：未確定の復元　R：リセット　T：確定の取消し　U・I・O・M：矢印　G：Delete　H：BackSpace　N：Enter\n"
    u"Z：編集メニュー　C・V：上下スクロール　，・．：左右スクロール\n"
    u"※点字入力モードでは、これ以外のキーは押さないでください。",
    u"ＩＭＥ操作：同じキーでＩＭＥを操作します\n"
    u"変換前（未確定文字列）\n"
    u"A：先頭へ\n"
    u";：末尾へ\n"
    u"N：全部確定\n"
    u"G：後ろを削除\n"
    u"H：前を削除\n"
    u"U：左へ\n"
    u"O：右へ\n"
    u"Space：変換\n"
    u"文節変換中\n"
    u"I：前の候補\n"
    u"N：全文節確定\n"
    u"U：前の文節\n"
    u"O：次の文節\n"
    u"M：今の文節を確定\n"
    u"H：ひらがなに戻す\n"
    u"Space：次の候補",
    u"説明：キーの働き\n"
    u"R：リセット：入力中の点字と前置符点を取り消します\n"
    u"T：確定の取消し：直前に確定した文字を未確定に戻します\n"
    u"W：復元：消えてしまった未確定文字列を元に戻します\n"
    u"Z：編集のポップアップメニューを開きます\n"
    u"C・V：上・下にスクロールします\n"
    u"，・．：左・右にスクロールします\n"
    u"Q・P：文書の先頭・末尾にカーソルを移します\n"
    u"A・;：行頭・行末へ（変換中は文節を縮める・伸ばす）\n"
    u"U・I・O・M：矢印キー（←↑→↓）の代わりです\n"
    u"※ＡＴＯＫでは、変換中の U・O と A・; の働きが入れ替わります。",
    u"用例：入力から確定まで\n"
    u"① 点字で「きょうは いい てんき」と入力します\n"
    u"② スペースで変換します　→　今日は いい天気\n"
    u"③ スペースで次の候補、I で前の候補に移ります\n"
    u"④ U・O で前の文節・次の文節に移ります\n"
    u"⑤ A で文節を縮めます（; で伸ばします）\n"
    u"⑥ H で変換を取り消して、ひらがなに戻します\n"
    u"⑦ G・H で文字を削除し、点字で文字を追加します\n"
    u"⑧ N または Return で、全部を確定します",
};

// --- The input memo ---
inline constexpr char16_t kMemoCaption[] = u"メモ";
inline constexpr char16_t kMemoOk[] = u"OK";
inline constexpr char16_t kMemoFileName[] = u"Orvo_メモ.txt";
inline constexpr char16_t kMemoFont[] = u"ＭＳ ゴシック";
// The file named is the one looked for.
inline constexpr char16_t kMemoNotFound[] = u"ファイル「 Orvo_メモ.txt 」が見つかりません！";
inline constexpr char16_t kMemoReadError[] = u"ファイル読み込みエラー！";
inline constexpr char16_t kMemoLookedIn[] = u"メモの置き場所：";  // the program folder follows
inline constexpr char16_t kMemoConvertError[] = u"テキスト変換エラー！";
inline constexpr char16_t kMemoTooLarge[] = u"ファイル「 Orvo_メモ.txt 」が大きすぎます！（６００００バイトまで）";

}  // namespace orvo::help::text
