// The viewer panel, the openings of photo films and movies, the speed settings and the
// transport controls.
#include "viewer/viewer.h"

#include <algorithm>
#include <cstdlib>

#include "viewer/frame_delay_table.h"
#include "viewer/frame_strips.h"

namespace tinto {

namespace {

constexpr int kOpenWait = 300;
constexpr int kStopWait = 300;
// The rectangles a hide takes out of the window region; the other pictures lie inside the
// zoomed movie's.
constexpr std::array<gfx::Rect, 3> kHiddenRects = {
    {{-210, 125, 214, 160}, {-129, 151, 148, 108}, {-430, 45, 428, 320}}};
constexpr gfx::Rect kZoomBar{279, 124, 37, 5};

bool PhotoState(ViewerState s) {
  return s == ViewerState::kPhotoFilm || s == ViewerState::kPhotoFilmZoomed;
}
bool MovieState(ViewerState s) {
  return s == ViewerState::kMovie || s == ViewerState::kMovieZoomed;
}
bool ZoomedState(ViewerState s) {
  return s == ViewerState::kPhotoFilmZoomed || s == ViewerState::kMovieZoomed;
}

gfx::Rect ToWindow(gfx::Rect skin_rect) {
  return skin_rect.offset(kSkinOffset.x, kSkinOffset.y);
}

}  // namespace

gfx::Rect ViewerPanelRect(ViewerState state) {
  switch (state) {
    case ViewerState::kClosed:
      return {};
    case ViewerState::kPhotoFilm:
      return {-129, 151, 148, 108};
    case ViewerState::kMovie:
      return {-210, 125, 214, 160};
    case ViewerState::kPhotoFilmZoomed:
      return {-298, 97, 296, 216};
    case ViewerState::kMovieZoomed:
      return {-430, 45, 428, 320};
    case ViewerState::kWallpaper:
      return {-322, 85, 320, 240};
  }
  return {};
}

Viewer::Viewer(Services& services, ViewerRecord& record, MainCanvas& canvas, FrameClock& clock,
               gfx::Region& region_union)
    : app_(services), canvas_(canvas), clock_(clock), region_union_(region_union), rec_(record) {}

bool Viewer::Idle() const {
  return rec_.state == ViewerState::kClosed ||
         (rec_.state == ViewerState::kWallpaper && rec_.frame >= 8);
}

void Viewer::Wait(int ms) {
  app_.platform().Sleep(ms);
}

void Viewer::ApplyRegion() {
  const WindowId window = canvas_.surface().window();
  if (window == 0) return;
  app_.platform().SetWindowRegion(window, region_union_);
  app_.platform().Repaint(window);
}

void Viewer::HideViewerPanel() {
  for (const gfx::Rect& r : kHiddenRects)
    region_union_.Subtract(gfx::Region::FromRect(ToWindow(r)));
  ApplyRegion();
}

void Viewer::ShowViewerArea(gfx::Rect rect) {
  region_union_.Union(gfx::Region::FromRect(ToWindow(rect)));
  ApplyRegion();
}

void Viewer::ClosePanel(bool only_when_open) {
  if (!only_when_open || rec_.state != ViewerState::kClosed) HideViewerPanel();
  rec_.state = ViewerState::kClosed;
  clock_.paused = false;
}

int& Viewer::CurrentSpeedIndex() {
  return rec_.SpeedIndex(rec_.selected, rec_.speed_level);
}

void Viewer::ApplySpeed(int level) {
  if (level != 0) {
    clock_.paused = false;
    rec_.speed_level = level;
  } else {
    clock_.paused = true;
  }
  int& index = CurrentSpeedIndex();
  index = std::clamp(index, 0, kMaxSpeedIndex);
  clock_.frame_delay = static_cast<std::uint32_t>(FrameDelayTable[static_cast<std::size_t>(index)]);
  DrawIndicators();
}

void Viewer::DrawIndicators() {
  // One decimal digit per lamp selects its cell: forward lamps light from x 321 rightwards
  // (cell 1 of the strip at 316 is lit), reverse lamps from x 272 leftwards (cell 0 of the
  // strip at 272 is lit).
  const int level = rec_.speed_level;
  static constexpr std::array<int, 4> kForward = {0, 100, 110, 111};
  static constexpr std::array<int, 4> kReverse = {111, 110, 100, 0};
  const int forward = level > 0 ? kForward[static_cast<std::size_t>(level)] : 0;
  const int reverse = level < 0 ? kReverse[static_cast<std::size_t>(-level)] : 111;
  const auto lamps = [](int x, int value, int strip_x) {
    return GlyphStrip{.dest_x = x,
                      .dest_y = 127,
                      .value = value,
                      .digits = 3,
                      .strip_x = strip_x,
                      .strip_y = 127,
                      .glyph_width = 2,
                      .glyph_height = 3,
                      .pitch = 5};
  };
  canvas_.DrawSkinGlyphs(kBase1, lamps(321, forward, 316));
  canvas_.DrawSkinGlyphs(kBase1, lamps(262, reverse, 272));
  canvas_.DrawNumber(292, 159, CurrentSpeedIndex(), 2, level > 0 ? 0 : 1);
}

void Viewer::OpenPhotoFilm(int n) {
  HideViewerPanel();
  rec_.photo_film = n;
  rec_.selected = MediaKind::kPhotoFilm;
  ApplySpeed(rec_.speed_level);  // clamps the photo films' index and clears paused
  LoadStripOrPlaceholder(MediaKind::kPhotoFilm, n >= 1 ? PhotoFilmFileName(n) : "");
  Wait(kOpenWait);
  ShowFirstFrame(MediaKind::kPhotoFilm);
}

void Viewer::OpenMovie(int row, int n) {
  HideViewerPanel();
  rec_.movie_row = row;
  rec_.movie = n;
  rec_.selected = MediaKind::kMovie;
  ApplySpeed(rec_.speed_level);
  rec_.repeat_counter = 0;
  LoadStripOrPlaceholder(MediaKind::kMovie, n >= 1 ? MovieFileName(row, n) : "");
  Wait(kOpenWait);
  ShowFirstFrame(MediaKind::kMovie);
}

void Viewer::LoadStripOrPlaceholder(MediaKind kind, const std::string& file_name) {
  gfx::Bitmap& strip = kind == MediaKind::kPhotoFilm ? rec_.photo_strip : rec_.movie_strip;
  // Both strips go, and the gallery's picture: each is drawn only after its own opening,
  // which loads it anew, so holding it would only add its memory to that of the strip
  // being read.
  rec_.photo_strip = {};
  rec_.movie_strip = {};
  rec_.wallpaper = {};
  if (!file_name.empty()) {
    if (auto loaded = LoadStrip(app_.folder().Resolve(file_name), kind)) {
      strip = std::move(*loaded);
      return;
    }
  }
  // Number 0, a missing file or one that cannot be read: the logo plays instead, silently.
  strip = BuildPlaceholder(app_.skin()[kVortel], kind);
  (kind == MediaKind::kPhotoFilm ? rec_.photo_film : rec_.movie) = 0;
}

void Viewer::ShowFirstFrame(MediaKind kind) {
  const bool photo = kind == MediaKind::kPhotoFilm;
  const int frames = FrameCount(photo ? rec_.photo_strip : rec_.movie_strip, LayoutOf(kind));
  int first = 0;
  if (rec_.speed_level > 0) {
    rec_.frame = -1;
  } else {
    rec_.frame = frames;
    first = frames - 1;
  }
  const bool zoomed = rec_.Zoom(kind);
  rec_.state = photo ? (zoomed ? ViewerState::kPhotoFilmZoomed : ViewerState::kPhotoFilm)
                     : (zoomed ? ViewerState::kMovieZoomed : ViewerState::kMovie);
  // Drawn while the rectangle still lies outside the region: adding it shows the frame.
  DrawFrame(first);
  ShowViewerArea(ViewerPanelRect(rec_.state));
  canvas_.CopySkin(zoomed ? kBase2 : kBase0, kZoomBar);
  rec_.drawn_on_open = true;
}

void Viewer::DrawFrame(int f) {
  const bool photo = PhotoState(rec_.state);
  if (!photo && !MovieState(rec_.state)) return;
  const gfx::Bitmap& strip = photo ? rec_.photo_strip : rec_.movie_strip;
  const gfx::Rect source = FrameRect(f, photo ? kPhotoFilmStrip : kMovieStrip);
  const gfx::Rect target = ToWindow(ViewerPanelRect(rec_.state));
  // One rectangle into the back buffer and the same one onto the window.
  if (ZoomedState(rec_.state)) {
    gfx::StretchBlit(canvas_.surface().back(), target, strip, source);
  } else {
    gfx::Blit(canvas_.surface().back(), {target.left, target.top}, strip, source);
  }
  canvas_.surface().Present(target);
}

void Viewer::DrawTickFrame() {
  if (rec_.drawn_on_open) {
    rec_.drawn_on_open = false;
    return;
  }
  DrawFrame(rec_.frame);
}

void Viewer::ReopenCurrent() {
  if (PhotoState(rec_.state) || MovieState(rec_.state)) return;
  if (rec_.selected == MediaKind::kPhotoFilm) {
    OpenPhotoFilm(rec_.photo_film);
  } else {
    OpenMovie(rec_.movie_row, rec_.movie);
  }
}

void Viewer::SelectSpeed(int level) {
  ReopenCurrent();
  ApplySpeed(level);
}

void Viewer::StepFrame(int direction) {
  rec_.repeat_counter = 0;
  const bool step_now = rec_.state == ViewerState::kClosed || clock_.paused;
  rec_.speed_level = direction * std::abs(rec_.speed_level);
  ReopenCurrent();
  ApplySpeed(0);  // pauses
  if (step_now) PlaybackTick();
}

void Viewer::StopViewer() {
  HideViewerPanel();
  Wait(kStopWait);
  rec_.state = ViewerState::kClosed;
  clock_.paused = false;
}

void Viewer::AdjustSpeed(int d) {
  int& index = CurrentSpeedIndex();
  index = std::clamp(index + d, 0, kMaxSpeedIndex);
  ApplySpeed(rec_.speed_level);
}

void Viewer::ResetSpeed() {
  CurrentSpeedIndex() = DefaultSpeedIndex(rec_.speed_level);
  ApplySpeed(rec_.speed_level);
}

void Viewer::ToggleZoom() {
  MediaKind kind = rec_.selected;
  if (PhotoState(rec_.state)) kind = MediaKind::kPhotoFilm;
  if (MovieState(rec_.state)) kind = MediaKind::kMovie;
  bool& zoom = rec_.Zoom(kind);
  zoom = !zoom;
  app_.effects().PlayEffectChoice(zoom, 67, 61);
  if (kind == MediaKind::kPhotoFilm) {
    OpenPhotoFilm(rec_.photo_film);
  } else {
    OpenMovie(rec_.movie_row, rec_.movie);
  }
}

void Viewer::ShowPlaceholder() {
  rec_.photo_film = 0;
  rec_.movie = 0;
  app_.PlayEffect(68);
  rec_.state = ViewerState::kClosed;
  ReopenCurrent();
}

}  // namespace tinto
