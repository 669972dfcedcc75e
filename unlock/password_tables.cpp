// The password, typing-problem and hint tables. The compiler checks every password's form
// (length, alphabet, lower case, no blank inside); the Shift-JIS lengths of the Japanese
// texts are checked by the tests, which can convert them.
#include "unlock/password_tables.h"

#include <array>

namespace tinto {
namespace {

struct StageTexts {
  std::string_view password;
  std::string_view question;
  std::string_view hint;
};

// One row per stage: what the player types, the problem that leads to it, and the hint.
constexpr std::array<StageTexts, kPasswordEntries> kStages = {{
    {"quiro-dances-all-night!", "英訳してね：Quiroは一晩中踊る！（語と語の間は-）",
     "＜ヒント＞\r\n"
     "4つの英単語を「-」でつないで、最後に「!」。\r\n"
     "dance には3人称の s が付くよ。全部で23文字。"},
    {"step-left,step-right,spin!", "英訳：左にステップ、右にステップ、スピン！（語間は-）",
     "＜ヒント＞\r\n"
     "「、」は半角の「,」に。左右は left と right。\r\n"
     "step-left, で始まり spin! で終わる26文字。"},
    {"the-crowd-goes-wild-for-quiro!", "英訳：観客はQuiroに熱狂する！（語間は-）",
     "＜ヒント＞\r\n"
     "観客は the crowd。「熱狂する」は go wild、\r\n"
     "「～に」は for。現在形だから goes だよ。\r\n"
     "全部で30文字。"},
    {"i-watched-the-ending-100-times.", "英訳：わたしはエンディングを100回見た。（語間は-）",
     "＜ヒント＞\r\n"
     "わたしは小文字の i、見たは過去形の watched。\r\n"
     "100 は数字のまま、最後はピリオド「.」。"},
    {"rondelay/hard/full-combo!", "「/」で区切って小文字で：Rondelay HARD フルコンボ！",
     "＜ヒント＞\r\n"
     "ゲーム名、難易度、結果の順に「/」で区切るよ。\r\n"
     "フルコンボは full と combo を「-」でつなぐ。\r\n"
     "最後に「!」を忘れずに。25文字。"},
    {"free-colours-at-last,yay!", "英訳：ついにフリーカラーだ、やったー！（語間は-）",
     "＜ヒント＞\r\n"
     "「ついに」は at last、colours はイギリス式。\r\n"
     "「、」は「,」、やったーは yay! だよ。\r\n"
     "free-colours-at-last, まで来たらあと少し。"},
    {"just-one-more-song,please!", "英訳：あと一曲だけ、お願い！（語間は-）",
     "＜ヒント＞\r\n"
     "「だけ」は just、あと一曲は one more song。\r\n"
     "「、」は「,」にして、最後は please! で26文字。"},
    {"24/7-rondelay-fan-club.", "英訳：年中無休のRondelayファンクラブ。（語間は-）",
     "＜ヒント＞\r\n"
     "24時間年中無休は英語で 24/7 と書くよ。\r\n"
     "語と語の間は「-」、最後はピリオド「.」。"},
    {"quiro-is-the-number-1-dancer-of-all-time!", "英訳：Quiroは史上No.1のダンサー！（語間は-）",
     "＜ヒント＞\r\n"
     "No.1 は number-1、「史上」は of all time。\r\n"
     "the を忘れずに。全部で41文字。"},
    // The reset password: accepted at stage 9, it returns the points to 0.
    {"back-to-square-one,lets-dance-again!", "英訳：振り出しに戻ろう、また踊ろう！（語間は-）",
     "＜ヒント＞\r\n"
     "このパスワードでポイントが0に戻るよ！\r\n"
     "振り出しに戻る＝back to square one\r\n"
     "「、」は「,」、let's は「'」を抜いて lets。"},
}};

constexpr bool WellFormedPassword(std::string_view p) {
  if (p.size() < 23 || p.size() > static_cast<std::size_t>(kPasswordRecordLength)) return false;
  for (char c : p) {
    if (c == ' ' || GlyphIndex(c) < 0) return false;  // lower case: capitals are not in it
  }
  return true;
}

constexpr bool AllPasswordsWellFormed() {
  for (const StageTexts& stage : kStages) {
    if (!WellFormedPassword(stage.password)) return false;
  }
  return true;
}
static_assert(AllPasswordsWellFormed(),
              "a password must be 23 to 65 characters of the password alphabet, no blank");

using Record = std::array<char, kPasswordRecordLength>;

constexpr std::array<Record, kPasswordEntries> MakeRecords() {
  std::array<Record, kPasswordEntries> records{};
  for (int k = 0; k < kPasswordEntries; ++k) {
    records[k].fill(' ');
    for (std::size_t i = 0; i < kStages[k].password.size(); ++i) {
      records[k][i] = kStages[k].password[i];
    }
  }
  return records;
}
constexpr std::array<Record, kPasswordEntries> kRecords = MakeRecords();

bool ValidEntry(int k) {
  return k >= 0 && k < kPasswordEntries;
}

}  // namespace

std::string_view PasswordRecord(int k) {
  if (!ValidEntry(k)) return {};
  return {kRecords[k].data(), kRecords[k].size()};
}

std::string_view Password(int k) {
  return ValidEntry(k) ? kStages[k].password : std::string_view{};
}

std::string_view Question(int k) {
  return ValidEntry(k) ? kStages[k].question : std::string_view{};
}

std::string_view Hint(int k) {
  return ValidEntry(k) ? kStages[k].hint : std::string_view{};
}

}  // namespace tinto
