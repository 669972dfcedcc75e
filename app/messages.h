// The texts of the notices and questions the main window shows.
#pragma once

namespace tinto::messages {

// Asked at the first main tick when the host game is running: OK ends the program.
inline constexpr const char* kHostGameRunning =
    "「Quiroちゃん "
    "Rondelay」と同時起動はできないの☆\r\nゲーム本体が起動中の場合は、まずそれを終了させてから、\r"
    "\n改めて「QuiroＥＤＩＴ」を起動し直してね！\r\n\r\nQuiroからの、オ・ネ・ガ・イ・よ♪";

// Shown at closing after the colours were saved: the host game must rebuild its colour data.
inline constexpr const char* kRestartHostGame =
    "変更したカラーを有効にするために、\r\nQuiroちゃん Rondelay "
    "ゲーム本体を\r\n「キャラクター３色」 ＆ 「カラーデータ再作成ＯＮ」\r\nの設定で起動させてね☆";

}  // namespace tinto::messages
