// The media viewer: the panel left of the skin that shows photo films, movies and
// wallpapers, its transport controls, the playback tick with the rotation from one item to
// the next, the movie unlocking in the host game and the wallpaper gallery.
//
// Positions are skin coordinates (the viewer panel lies at negative x); the main window's
// back buffer and region are in window coordinates, the skin offset apart. Everything runs
// on the main window's thread; the waits block it: nothing else runs meanwhile.
#pragma once

#include <array>
#include <string>

#include "gfx/region.h"
#include "shell/frame_clock.h"
#include "shell/main_canvas.h"
#include "shell/services.h"
#include "viewer/viewer_record.h"

namespace tinto {

// The picture rectangle of each state (none for Closed).
gfx::Rect ViewerPanelRect(ViewerState state);

class Viewer {
 public:
  Viewer(Services& services, ViewerRecord& record, MainCanvas& canvas, FrameClock& clock,
         gfx::Region& region_union);

  ViewerRecord& record() { return rec_; }
  const ViewerRecord& record() const { return rec_; }
  // True while a playback tick can change nothing the user sees: the panel is closed, or
  // the wallpaper's opening animation and its sound are over. Its ticks then only keep the
  // frame clock's books.
  bool Idle() const;

  // --- the panel
  // Takes the viewer rectangles out of the window region and repaints.
  void HideViewerPanel();
  // Adds a rectangle (skin coordinates) to the window region and repaints.
  void ShowViewerArea(gfx::Rect rect);
  // Closes the panel at once, without the stop button's wait: the help picture and the
  // countdown alarm. With only_when_open the region is left alone while it is closed.
  void ClosePanel(bool only_when_open);

  // --- openings and speed
  void OpenPhotoFilm(int n);
  void OpenMovie(int row, int n);
  void ReopenCurrent();
  void ApplySpeed(int level);

  // --- the playback tick (the frame clock calls it when the frame delay has passed)
  void PlaybackTick();

  // --- the transport controls
  void SelectSpeed(int level);
  void StepFrame(int direction);
  void StopViewer();
  void AdjustSpeed(int d);
  void ResetSpeed();
  void ToggleZoom();
  void ToggleRotation(int group) { rec_.rotation[static_cast<std::size_t>(group)] ^= true; }
  void ShowPlaceholder();

  // --- photo films ("Zz1.bmp" .. "Zz9.bmp")
  static std::string PhotoFilmFileName(int n);
  bool ScanPhotoFilm(int n);
  void HidePhotoFilm(int n);
  void ScanPhotoFilms();
  void TogglePhotoFilmButton(int n);

  // --- movies ("Y_e101.bmp" .. "Y_e109.bmp", "Y_e301.bmp" .. "Y_e309.bmp")
  static std::string MovieFileName(int row, int n);
  bool ScanMovie(int row, int n);
  void HideMovie(int row, int n);
  void ScanMovies();
  void ToggleMovieButton(int row, int n);
  void ToggleMovieSound(int row) { rec_.movie_sound[static_cast<std::size_t>(row)] ^= true; }
  void ReadMovieProgress();
  void RecordMovieUnlock(int row, int n);

  // --- wallpapers
  void ScanWallpapers();
  void NextWallpaper();
  void OpenWallpaper(int n);
  void LoadWallpaper(int n);

  // Releases the photo strip, the movie strip and the wallpaper (the main window's end).
  void Release() { rec_.ReleasePictures(); }

 private:
  bool Available(int group, int m) const;
  void OpenInGroup(int group, int m);
  int NextInGroup(int group, int k);
  int PrevInGroup(int group, int k);
  bool RotationDue();
  void AdvancePhotoFilm();
  void AdvanceMovie();
  void AdvanceWallpaper();
  void InstallWallpaper(int n);
  // Loads the strip of the item (or builds the placeholder) and shows its first frame.
  void LoadStripOrPlaceholder(MediaKind kind, const std::string& file_name);
  void ShowFirstFrame(MediaKind kind);
  // Draws frame f of the strip of the current state into the back buffer and onto the
  // window; a tick's draw right after an opening draws nothing.
  void DrawFrame(int f);
  void DrawTickFrame();
  void DrawWallpaperStep(int step);
  void DrawIndicators();
  void ApplyRegion();
  void Wait(int ms);
  int& CurrentSpeedIndex();

  Services& app_;
  MainCanvas& canvas_;
  FrameClock& clock_;
  gfx::Region& region_union_;
  ViewerRecord& rec_;
};

}  // namespace tinto
