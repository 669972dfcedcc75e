// The main window's life: creation and start-up, placement and the three-hexagon shape,
// painting, closing and destruction.
#include <array>

#include "app/TintoMainU.h"
#include "app/application.h"
#include "app/messages.h"
#include "colour/colour_file.h"
#include "colour/free_colours.h"
#include "shell/main_layout.h"
#include "shell/pad.h"

namespace tinto {

namespace {

// A hexagon with its origin at a skin point, in window coordinates.
gfx::Region HexagonAt(gfx::Point at) {
  const auto& hexagon = main_layout::kHexagon;
  std::array<gfx::Point, 6> points{};
  for (std::size_t i = 0; i < hexagon.size(); ++i)
    points[i] = {hexagon[i].x + at.x + kSkinOffset.x, hexagon[i].y + at.y + kSkinOffset.y};
  return gfx::Region::FromPolygon(points);
}

}  // namespace

TTintoMainFM::TTintoMainFM(Application& app)
    : app_(app),
      platform_(app.platform()),
      canvas_(app.platform(), app.skin()),
      preview_(app.skin(), app.colours(), canvas_),
      music_player_(app.platform(), app.folder(), app.music(), app.effects(), canvas_),
      viewer_(app, app.viewer(), canvas_, frame_clock_, region_union_) {}

TTintoMainFM::~TTintoMainFM() {
  if (window_ != 0) platform_.DestroyWindow(window_);
}

void TTintoMainFM::FormCreate() {
  width_ = kSkinOffset.x + kSkinWidth;
  height_ = kSkinOffset.y + kSkinHeight;
  window_ = platform_.CreateWindow(
      {.name = "main", .title = kApplicationTitle, .width = width_, .height = height_}, this);
  canvas_.surface().Attach(window_);
  // Timer1, the frame clock, sleeps while it cannot change anything; Timer2, the main tick,
  // wakes for the ticks that can: the clock's second changes, the end of a song, a ringing
  // alarm, playback.
  timer1_ = platform_.SetTimer({.owner = window_,
                                .interval_ms = 10,
                                .on_tick = [this] { Timer1Timer(); },
                                .plan =
                                    [this] {
                                      if (app_.closing())
                                        return TickPlan{TickPlan::Mode::kSkipAll, 0};
                                      return frame_clock_.Plan(viewer_.Idle());
                                    }});
  timer2_ = platform_.SetTimer({.owner = window_,
                                .interval_ms = 125,
                                .on_tick = [this] { Timer2Timer(); },
                                .plan = [this] { return MainTickPlan(); }});
  StartUp();
}

void TTintoMainFM::StartUp() {
  app_.random().Seed(platform_.RandomSeed());
  app_.skin().Load();
  canvas_.surface().Create(width_, height_);
  gfx::Blit(canvas_.surface().back(), kSkinOffset, app_.skin()[kBase0],
            app_.skin()[kBase0].bounds());
  app_.colours().LoadDefaultColours();
  LoadColours();
  preview_.RenderPreview(CharacterPreview::kBothPanels);
  preview_.ShowPanel(CharacterPreview::kBothPanels);
  viewer_.ReadMovieProgress();
  // A free-colour key that cannot be read is reported; the other keys still load.
  if (const FileResult r = ReadFreeColours(app_.colours(), app_.folder(), -1); !r.ok)
    app_.ReportError(r.error);
  app_.points().LoadPoints(app_.folder());
  BuildAlarmSoundList();
  music_player_.CountBuiltinSongs();
  viewer_.ScanPhotoFilms();
  viewer_.ScanMovies();
  viewer_.ScanWallpapers();
  TakeCommandLineMusic();
  PlaceWindow();
  ShapeWindow();
  FormShow();
  // Read while the window waits for its first tick, which shows it with this effect.
  app_.effects().PrepareEffect(kStartUpEffect);
}

void TTintoMainFM::LoadColours() {
  // A colour file that cannot be read is reported and changes no colour.
  if (const FileResult r = LoadColourFile(app_.colours(), app_.folder()); !r.ok)
    app_.ReportError(r.error);
}

void TTintoMainFM::BuildAlarmSoundList() {
  ClockState& clock = app_.clock();
  clock.alarm_sounds[10] = 10;
  clock.last_index = 10;
  clock.alarm_index = 10;
  for (int nn = 11; nn <= 99; ++nn) {
    if (!app_.folder().Exists(SoundEffects::EffectFileName(nn))) continue;
    ++clock.last_index;
    clock.alarm_sounds[static_cast<std::size_t>(clock.last_index)] = nn;
  }
}

void TTintoMainFM::PlaceWindow() {
  const gfx::Size screen = platform_.ScreenSize();
  // Centred, then 25 pixels to the left; the division truncates toward zero.
  platform_.MoveWindow(window_, {(screen.width - width_) / 2 - 25, (screen.height - height_) / 2});
}

void TTintoMainFM::ShapeWindow() {
  gfx::Region region = HexagonAt(main_layout::kColourCell3P);
  region.Union(HexagonAt(main_layout::kColourCell2P));
  region.Union(HexagonAt(main_layout::kViewerCell));
  region_union_ = std::move(region);
  ApplyRegion();
}

void TTintoMainFM::ApplyRegion() {
  platform_.SetWindowRegion(window_, region_union_);
}

void TTintoMainFM::FormShow() {
  platform_.AcceptDroppedFiles(window_, true);
}

void TTintoMainFM::FormPaint() {
  canvas_.PaintAll();
}

void TTintoMainFM::Close() {
  if (closed_) return;
  closed_ = true;
  FormClose();
  FormDestroy();
  platform_.DestroyWindow(window_);
  window_ = 0;
  canvas_.surface().Attach(0);
  platform_.Quit();
}

void TTintoMainFM::FormClose() {
  if (app_.closing() || !colours_changed_) return;
  Wait(100);
  app_.PlayEffect(67);
  app_.ShowNotice(messages::kRestartHostGame);
}

void TTintoMainFM::FormDestroy() {
  app_.BeginClosing();
  platform_.KillTimer(timer1_);
  platform_.KillTimer(timer2_);
  canvas_.surface().Free();
  viewer_.Release();
  app_.skin().Free();
  region_union_ = {};
  app_.effects().StopAll();
}

void TTintoMainFM::Wait(int ms) {
  platform_.Sleep(ms);
}

}  // namespace tinto
