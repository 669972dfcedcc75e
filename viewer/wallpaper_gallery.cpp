// The wallpaper gallery: the start-up scans of the host game's wallpapers, the gallery
// button, the opening animation that grows each picture from the centre line, and the
// installation of the two secret wallpapers into the host game's folder.
#include "shell/pad.h"
#include "viewer/viewer.h"
#include "viewer/wallpaper_files.h"

namespace tinto {

namespace {

constexpr int kOpenWait = 300;
constexpr int kAnimationFrameDelay = 20;
constexpr int kFullStep = 6;
constexpr gfx::Pixel kBlue = gfx::MakePixel(0, 0, 255);
constexpr gfx::Size kSmallWallpaper{320, 240};

std::string BigFile(int n) {
  return "X_b" + ZeroPad(2, n) + ".jpg";
}
std::string SmallFile(int n) {
  return "X_s" + ZeroPad(2, n) + ".jpg";
}

}  // namespace

void Viewer::ScanWallpapers() {
  const auto exists = [this](int n) {
    return app_.folder().Exists(BigFile(n)) && app_.folder().Exists(SmallFile(n));
  };
  for (int n = 3; n >= 1 && exists(n); --n) rec_.first_wallpaper = n;
  rec_.current_wallpaper = rec_.first_wallpaper;
  for (int n = 4; n <= 5 && exists(n); ++n) ++rec_.installed_wallpapers;
  for (int n = 6; n <= 16 && exists(n); ++n) rec_.last_wallpaper = n;
}

void Viewer::NextWallpaper() {
  int n = rec_.first_wallpaper;
  if (rec_.state == ViewerState::kWallpaper) {
    n = rec_.current_wallpaper + 1;
    if (n > rec_.last_wallpaper) n = rec_.first_wallpaper;
  }
  OpenWallpaper(n);
  clock_.frame_delay = kAnimationFrameDelay;
}

void Viewer::OpenWallpaper(int n) {
  // A frame step paused playback; the opening animation runs on the playback tick.
  clock_.paused = false;
  rec_.frame = 5;
  const bool was_open = rec_.state == ViewerState::kWallpaper;
  int step = kFullStep;
  if (!was_open) {
    HideViewerPanel();
  } else {
    // The old picture in full; the new one then grows over it from the centre line.
    DrawWallpaperStep(kFullStep);
    step = 0;
    rec_.frame = -1;
  }
  LoadWallpaper(n);
  Wait(kOpenWait);
  DrawWallpaperStep(step);
  if (!was_open) ShowViewerArea(ViewerPanelRect(ViewerState::kWallpaper));
  rec_.state = ViewerState::kWallpaper;
}

void Viewer::LoadWallpaper(int n) {
  rec_.current_wallpaper = n;
  rec_.wallpaper_loaded = false;
  rec_.wallpaper = {};
  std::optional<gfx::Bitmap> picture;
  if (n == 4 || n == 5) {
    picture = JpegFromResource("WALLS" + ZeroPad(1, n));
  } else {
    picture = JpegFromFile(app_.folder().Resolve(SmallFile(n)));
  }
  if (picture) {
    rec_.wallpaper = std::move(*picture);
    rec_.wallpaper_loaded = true;
  } else {
    // A missing or unreadable wallpaper shows pure blue and is never installed; the next
    // press goes on to the next number.
    rec_.wallpaper = gfx::Bitmap(kSmallWallpaper.width, kSmallWallpaper.height, kBlue);
  }
}

void Viewer::DrawWallpaperStep(int step) {
  if (step < 0 || step > kFullStep || rec_.wallpaper.empty()) return;
  // A band centred on y 205 that grows by 40 pixels a step.
  const gfx::Rect band =
      gfx::Rect{-322, 205 - 20 * step, 320, 40 * step}.offset(kSkinOffset.x, kSkinOffset.y);
  if (band.empty()) return;
  gfx::StretchBlit(canvas_.surface().back(), band, rec_.wallpaper, rec_.wallpaper.bounds());
  canvas_.surface().Present(band);
}

void Viewer::AdvanceWallpaper() {
  if (rec_.frame >= -1 && rec_.frame <= kFullStep) {
    ++rec_.frame;
  } else if (rec_.frame == 7) {
    rec_.frame = 8;
    app_.PlayEffect(40);
    if (rec_.wallpaper_loaded) InstallWallpaper(rec_.current_wallpaper);
  }
  DrawWallpaperStep(rec_.frame);
}

void Viewer::InstallWallpaper(int n) {
  // Each secret wallpaper is installed once, 5 never before 4, and only into a host game
  // that has its own three wallpapers.
  if ((n != 4 && n != 5) || rec_.first_wallpaper != 1 || rec_.installed_wallpapers + 1 != n) return;
  std::string error;
  for (const char* size : {"S", "B"}) {
    const std::string resource = std::string("WALL") + size + ZeroPad(1, n);
    const std::string file = (size[0] == 'S' ? SmallFile(n) : BigFile(n));
    if (!SaveResourceToFile(resource, app_.folder().Resolve(file), &error)) {
      app_.ReportError(error);
      return;
    }
  }
  ++rec_.installed_wallpapers;
  app_.ShowNotice("秘密の壁紙 「" + ZeroPad(1, n) + "」 ゲットだよ♪");
}

}  // namespace tinto
