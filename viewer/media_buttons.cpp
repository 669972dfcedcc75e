// The photo-film and movie buttons: the files behind them, the start-up scans and initial
// selection, hiding and finding again with the right button, and the host game's movie
// progress in its settings file "Rondelay.ini".
#include <algorithm>

#include "files/ini_file.h"
#include "shell/pad.h"
#include "viewer/media_layout.h"
#include "viewer/viewer.h"

namespace tinto {

namespace {

constexpr std::string_view kHostSettingsFile = "Rondelay.ini";
constexpr std::string_view kHostSection = "Rondelay";
constexpr std::array<std::string_view, 2> kProgressKeys = {"NOMAL", "HARD_"};
constexpr std::array<std::string_view, 2> kUnlockPrefixes = {"NOMAL- ", "HARD- "};
constexpr std::string_view kUnlockTail = "\r\n\r\nムービーゲットだよ♪";

// The pending rectangles of a button: its box and the plate around it.
template <std::size_t N>
void AddButtonLook(MainCanvas& canvas, const std::array<gfx::Rect, N>& look) {
  canvas.BeginRects();
  for (const gfx::Rect& r : look) canvas.AddRect(r.left, r.top, r.width, r.height);
}

void AddPhotoFilmButton(MainCanvas& canvas, int n) {
  AddButtonLook(canvas, media_layout::PhotoFilmLook(n));
}

void AddMovieButton(MainCanvas& canvas, int row, int n) {
  AddButtonLook(canvas, media_layout::MovieLook(row, n));
}

}  // namespace

std::string Viewer::PhotoFilmFileName(int n) {
  return "Zz" + ZeroPad(1, n) + ".bmp";
}

std::string Viewer::MovieFileName(int row, int n) {
  return "Y_e" + ZeroPad(3, 200 * row + n + 100) + ".bmp";
}

bool Viewer::ScanPhotoFilm(int n) {
  AddPhotoFilmButton(canvas_, n);
  const bool available = app_.folder().Exists(PhotoFilmFileName(n));
  rec_.photo_available[static_cast<std::size_t>(n)] = available;
  available ? canvas_.ShowNormal() : canvas_.ShowDimmed();
  return available;
}

void Viewer::HidePhotoFilm(int n) {
  AddPhotoFilmButton(canvas_, n);
  rec_.photo_available[static_cast<std::size_t>(n)] = false;
  canvas_.ShowDimmed();
}

void Viewer::ScanPhotoFilms() {
  int first = 0;
  for (int n = 1; n <= 9; ++n)
    if (ScanPhotoFilm(n) && first == 0) first = n;
  if (first != 0) {
    rec_.selected = MediaKind::kPhotoFilm;
    rec_.photo_film = first;
  }
}

void Viewer::TogglePhotoFilmButton(int n) {
  if (rec_.photo_available[static_cast<std::size_t>(n)]) {
    HidePhotoFilm(n);
    app_.PlayEffect(20);
  } else if (ScanPhotoFilm(n)) {
    app_.PlayEffect(69);
  } else {
    rec_.selected = MediaKind::kPhotoFilm;
    ShowPlaceholder();
  }
}

bool Viewer::ScanMovie(int row, int n) {
  AddMovieButton(canvas_, row, n);
  const bool available = app_.folder().Exists(MovieFileName(row, n));
  rec_.movie_available[static_cast<std::size_t>(row)][static_cast<std::size_t>(n)] = available;
  available ? canvas_.ShowNormal() : canvas_.ShowDimmed();
  return available;
}

void Viewer::HideMovie(int row, int n) {
  AddMovieButton(canvas_, row, n);
  rec_.movie_available[static_cast<std::size_t>(row)][static_cast<std::size_t>(n)] = false;
  canvas_.ShowDimmed();
}

void Viewer::ScanMovies() {
  for (int row = 0; row <= 1; ++row) {
    // A movie behind a missing one starts hidden, its file unlooked for.
    bool gap = false;
    for (int n = 1; n <= 9; ++n) {
      if (gap) {
        HideMovie(row, n);
      } else if (ScanMovie(row, n)) {
        rec_.complete_run[static_cast<std::size_t>(row)] = n;
      } else {
        gap = true;
      }
    }
  }
  for (int row = 0; row <= 1; ++row) {
    if (!rec_.movie_available[static_cast<std::size_t>(row)][1]) continue;
    rec_.selected = MediaKind::kMovie;
    rec_.movie_row = row;
    rec_.movie = 1;
    break;
  }
}

void Viewer::ToggleMovieButton(int row, int n) {
  if (rec_.movie_available[static_cast<std::size_t>(row)][static_cast<std::size_t>(n)]) {
    HideMovie(row, n);
    app_.PlayEffect(20);
  } else if (ScanMovie(row, n)) {
    app_.PlayEffect(69);
  } else {
    rec_.selected = MediaKind::kMovie;
    ShowPlaceholder();
  }
}

void Viewer::ReadMovieProgress() {
  const IniFile ini(app_.folder().Resolve(kHostSettingsFile));
  // The host game counts 0 to 9; anything else in the file is held to that range, so the
  // unlock notice never lists more than nine movies.
  for (std::size_t row = 0; row < 2; ++row)
    rec_.movie_progress[row] = std::clamp(ini.ReadInt(kHostSection, kProgressKeys[row], 0), 0, 9);
}

void Viewer::RecordMovieUnlock(int row, int n) {
  const auto r = static_cast<std::size_t>(row);
  if (rec_.complete_run[r] < n || rec_.movie_progress[r] >= n) return;
  IniFile ini(app_.folder().Resolve(kHostSettingsFile));
  std::string error;
  // Only this key's value changes; the host game's other keys, lines and bytes stay. A
  // write that fails leaves the file as it was, is reported, and unlocks nothing.
  if (!ini.WriteInt(kHostSection, kProgressKeys[r], n, &error)) {
    app_.ReportError(error);
    return;
  }
  std::string message(kUnlockPrefixes[r]);
  for (int m = rec_.movie_progress[r] + 1; m <= n; ++m) {
    if (m > rec_.movie_progress[r] + 1) message += ", ";
    message += ZeroPad(1, m);
  }
  message += kUnlockTail;
  app_.ShowNotice(message);
  rec_.movie_progress[r] = n;
}

}  // namespace tinto
