// The demo pictures of the host game: movie strips of both difficulty rows (with one gap
// in each), photo films, the three start-up wallpapers in both sizes, and the host game's
// settings file "Rondelay.ini" with the movie progress among its other keys.
#pragma once

#include <filesystem>
#include <string_view>

namespace tinto::demo {

// Movies and photo films present in the demo folder; NOMAL 4 and HARD 3 are the gaps, so
// that NOMAL 5 and HARD 4 start hidden. Photo film 4's file name is upper case, as
// players' copies sometimes are.
inline constexpr int kDemoNomalMovies[] = {1, 2, 3, 5};
inline constexpr int kDemoHardMovies[] = {1, 2, 4};
inline constexpr std::string_view kDemoPhotoFilms[] = {"Zz1.bmp", "Zz2.bmp", "ZZ4.BMP"};
inline constexpr int kDemoMovieFrames = 8;
inline constexpr int kDemoPhotoFrames = 6;

// The settings file as the host game leaves it before any movie is unlocked.
inline constexpr std::string_view kDemoRondelayIni =
    "; Rondelay settings - written by the game\r\n"
    "[Rondelay]\r\n"
    "Volume=80\r\n"
    "NOMAL=0\r\n"
    "HARD_=0\r\n"
    "FullScreen=1\r\n"
    "\r\n"
    "[Key]\r\n"
    "Jump=Z\r\n";

// Writes the pictures into folder (each only when its bytes differ) and the settings file
// (only when it is missing, so the progress a run of the program wrote stays). False on
// the first file that cannot be written.
bool WritePictures(const std::filesystem::path& folder);

}  // namespace tinto::demo
