// demo_game OUTDIR [MUSICDIR]: fills OUTDIR with demo content of the host game, for trying
// the program without the game itself: the numbered sound effects and alarm sounds, the
// songs, the movies, photo films and wallpapers, and the game's settings file; and
// MUSICDIR, when given, with a few music files for dropping on the program. Running it
// again over the same folders rewrites nothing that is already right.
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "tools/demo_game/drop_music.h"
#include "tools/demo_game/effects.h"
#include "tools/demo_game/pictures.h"
#include "tools/demo_game/songs.h"

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s OUTDIR [MUSICDIR]\n", argc > 0 ? argv[0] : "demo_game");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error || !std::filesystem::is_directory(folder)) {
    std::fprintf(stderr, "demo_game: cannot make the folder %s\n", argv[1]);
    return 1;
  }
  if (!tinto::demo::WriteEffects(folder) || !tinto::demo::WriteSongs(folder) ||
      !tinto::demo::WritePictures(folder)) {
    std::fprintf(stderr, "demo_game: cannot write into %s\n", argv[1]);
    return 1;
  }
  if (argc == 3) {
    const std::filesystem::path music = argv[2];
    std::filesystem::create_directories(music, error);
    if (error || !std::filesystem::is_directory(music) || !tinto::demo::WriteDropMusic(music)) {
      std::fprintf(stderr, "demo_game: cannot write into %s\n", argv[2]);
      return 1;
    }
  }
  return 0;
}
