// The colour picker window: creation, showing, closing, the marker timer and the presses.
#include "colour/TintoColU.h"

#include "colour/colour_tables.h"
#include "colour/free_colours.h"
#include "colour/picker_layout.h"
#include "platform/keys.h"
#include "shell/pad.h"
#include "shell/press_delays.h"

namespace tinto {

namespace pl = picker_layout;

namespace {
constexpr int kMarkerInterval = 100;
constexpr int kCycleDelay = 100;
constexpr int kHelpPictureTime = 4000;
}  // namespace

TTintoColFM::TTintoColFM(Services& services, ColourModel& colours, const Points& points)
    : SkinnedDialog(services, {.name = "picker",
                               .title = "Quiro EDIT - colour",
                               .width = pl::kWidth,
                               .height = pl::kHeight,
                               .topmost = true}),
      colours_(colours),
      points_(points) {}

void TTintoColFM::FormCreate() {
  CreateWindowAndBuffer();
  const gfx::Bitmap& face = app_.skin()[kBase4];
  gfx::Blit(surface_.back(), {0, 0}, face, face.bounds());
  gfx::Region region = gfx::Region::FromPolygon(pl::kDetailCell);
  region.Union(gfx::Region::FromPolygon(pl::kListCell));
  platform_.SetWindowRegion(window_, region);
  font_ = gfx::Font::Open("ＭＳ Ｐゴシック", 12);
  // The marker moves only while the picker is shown and the active window; its other
  // ticks do nothing.
  timer_ = platform_.SetTimer({.owner = window_,
                               .interval_ms = kMarkerInterval,
                               .on_tick = [this] { Timer1Timer(); },
                               .plan =
                                   [this] {
                                     return !app_.closing() && platform_.IsWindowVisible(window_) &&
                                                    platform_.HasFocus(window_)
                                                ? TickPlan{}
                                                : TickPlan{.mode = TickPlan::Mode::kSkipAll};
                                   }});
}

int TTintoColFM::ColoursPerPart() const {
  return points_.ColoursPerPart();
}

int TTintoColFM::Level(int shade, int channel) const {
  return colours_.part_colours[static_cast<std::size_t>(part_)][static_cast<std::size_t>(selected_)]
                              [static_cast<std::size_t>(shade)][static_cast<std::size_t>(channel)];
}

void TTintoColFM::ShowColourPicker(int v, int p) {
  if (v < 0 || v > 1 || p < 0 || p >= kParts) return;
  variant_ = v;
  part_ = p;
  FormShow();
  FormClose(ShowCentredModal());
}

void TTintoColFM::FormShow() {
  const gfx::Bitmap& face = app_.skin()[kBase4];
  ColourModel& colours = colours_;
  const int v = variant_;
  const int p = part_;
  gfx::Blit(surface_.back(), pl::kCaption, face,
            {pl::kCaptionSource.x, pl::kCaptionSource.y + 6 * p, pl::kCaptionSize.width,
             pl::kCaptionSize.height});
  selected_ = -1;
  icon_runs_ = {};
  colours.colour_table[kWorkRow] = colours.colour_table[static_cast<std::size_t>(VariantRow(v))];
  for (int e = 0; e < kNamedEntries; ++e) {
    colours.ApplyEntry(kWorkRow, p, e);
    DrawSwatch(e);
    DrawEntryName(e);
    if (selected_ == -1 && e < ColoursPerPart() &&
        colours.colour_table[kWorkRow] ==
            colours.colour_table[static_cast<std::size_t>(VariantRow(v))]) {
      selected_ = e;
    }
  }
  if (selected_ == -1) selected_ = 0;
  DrawDetail();
  gfx::Blit(surface_.back(), pl::kVariantNumber, face,
            {pl::kVariantNumberSource.x, pl::kVariantNumberSource.y + 8 * v,
             pl::kVariantNumberSize.width, pl::kVariantNumberSize.height});
  gfx::Blit(surface_.back(), pl::kArrow, face,
            {pl::kArrowSource.x, pl::kArrowSource.y - 11 * v, pl::kArrowSize.width,
             pl::kArrowSize.height});
  for (const gfx::Rect& column : {pl::kLeftMarkers, pl::kRightMarkers}) {
    gfx::Blit(surface_.back(), {column.left, column.top}, face, column);
  }
  free_available_ = ColoursPerPart() > kFirstFreeEntry;
  const gfx::Point group = free_available_ ? pl::kFreeButtonsAvailable : pl::kFreeButtonsBlank;
  gfx::Blit(surface_.back(), {pl::kFreeColourButtons.left, pl::kFreeColourButtons.top}, face,
            {group.x, group.y, pl::kFreeColourButtons.width, pl::kFreeColourButtons.height});
}

void TTintoColFM::FormClose(int modal_result) {
  if (app_.closing()) return;
  if (modal_result == kResultOk) colours_.ApplyEntry(VariantRow(variant_), part_, selected_);
}

void TTintoColFM::PressImage(gfx::Point skin_at, gfx::Rect button) {
  surface_.Copy(app_.skin()[kBase4], {skin_at.x, skin_at.y, button.width, button.height},
                {button.left, button.top});
}

void TTintoColFM::Restore(gfx::Rect rect) {
  surface_.Copy(app_.skin()[kBase4], rect, {rect.left, rect.top});
}

void TTintoColFM::RestoreMarkers() {
  Restore(pl::kLeftMarkers);
  Restore(pl::kRightMarkers);
}

void TTintoColFM::FormMouseDown(MouseButton button, ShiftState, int x, int y) {
  using pl::Hit;
  if (app_.PressSilencesAlarm()) return;
  if (button != MouseButton::kLeft) return;
  const auto* hit = FirstHit(pl::kHits, x, y, [this](const HitRow<Hit>& row) {
    switch (row.target) {
      case Hit::kMinus:
      case Hit::kPlus:
      case Hit::kSlider:
        return editable_[static_cast<std::size_t>(row.arg)];
      case Hit::kLoadButton:
      case Hit::kSaveButton:
      case Hit::kCycleButton:
        return free_available_;
      default:
        return true;
    }
  });
  if (hit == nullptr) {
    BeginDrag();
    return;
  }
  switch (hit->target) {
    case Hit::kCancelButton:
    case Hit::kOkButton:
      CancelOrOk(hit->target == Hit::kOkButton);
      return;
    case Hit::kMinus:
    case Hit::kPlus:
      PressLevelButton(hit->arg, hit->arg2, hit->target == Hit::kPlus);
      return;
    case Hit::kSlider:
      app_.PlayEffect(2);
      SetLevel(hit->arg, hit->arg2, (x - pl::kBarX) / 3);  // truncates toward zero: 459 gives 0
      return;
    case Hit::kEntry:
      SelectEntry(hit->arg);
      return;
    case Hit::kTakeColourButton:
      TakeColour();
      return;
    case Hit::kLoadButton:
    case Hit::kSaveButton:
      PressFreeColourFile(hit->target == Hit::kLoadButton);
      return;
    case Hit::kCycleButton:
      CycleFreeColourButton();
      return;
    case Hit::kHelpButton:
      ShowHelpPicture();
      return;
  }
}

void TTintoColFM::SelectEntry(int e) {
  if (e < ColoursPerPart()) {
    selected_ = e;
    RestoreMarkers();
    DrawDetail();
    app_.PlayEffect(2);
  } else {
    app_.PlayEffect(51);
  }
}

void TTintoColFM::CancelOrOk(bool ok) {
  if (ok) {
    PressImage(pl::kOkPressed, pl::kOk);
  } else {
    PressImage(pl::kCancelPressed, pl::kCancelImage);
  }
  app_.PlayEffect(2);
  platform_.Sleep(kLongPressDelay);
  Restore(ok ? pl::kOk : pl::kCancelImage);
  EndModal(ok ? kResultOk : kResultCancel);
  platform_.Sleep(kLongPressDelay / 10);
  if (ok) app_.PlayEffect(71);
}

void TTintoColFM::PressLevelButton(int shade, int channel, bool plus) {
  const int t = pl::LevelRowY(shade, channel) + 73;
  const int level = Level(shade, channel);
  const gfx::Rect box = plus ? pl::PlusBox(t) : pl::MinusBox(t);
  const gfx::Rect look{box.left, t + 2, pl::kLevelButton.width, pl::kLevelButton.height};
  PressImage({box.left, pl::kButtonPressedY}, look);
  app_.PlayEffect(2);
  platform_.Sleep(kLongPressDelay / 10);
  Restore(look);
  SetLevel(shade, channel, plus ? level + 1 : level - 1);
}

void TTintoColFM::TakeColour() {
  if (!selected_is_free_) {
    app_.PlayEffect(51);
    return;
  }
  PressImage(pl::kTakeColourPressed, pl::kTakeColour);
  app_.PlayEffect(67);
  platform_.Sleep(kLongPressDelay);
  Restore(pl::kTakeColour);
  ColourModel& colours = colours_;
  colours.CaptureEntry(VariantRow(variant_), part_, selected_);
  colours.ApplyEntry(kWorkRow, part_, selected_);
  DrawSwatch(selected_);
  DrawDetail();
  surface_.PresentAll();
}

void TTintoColFM::PressFreeColourFile(bool load) {
  const gfx::Rect button = load ? pl::kLoad : pl::kSave;
  PressImage(load ? pl::kLoadPressed : pl::kSavePressed, button);
  app_.PlayEffect(2);
  platform_.Sleep(kLongPressDelay);
  const FileResult r = load ? ReadFreeColours(colours_, app_.folder(), part_ + 1)
                            : WriteFreeColours(colours_, app_.folder(), part_ + 1);
  if (!r.ok) app_.ReportError(r.error);
  Restore(button);
  if (load) RedrawFreeColours();
}

void TTintoColFM::CycleFreeColourButton() {
  PressImage(pl::kCyclePressed, pl::kCycle);
  const bool randomised =
      CycleFreeColours(colours_, free_cycle_, part_, ColoursPerPart(), app_.random());
  app_.effects().PlayEffectChoice(randomised, 2, 31);
  platform_.Sleep(kCycleDelay);
  Restore(pl::kCycle);
  RedrawFreeColours();
}

void TTintoColFM::RedrawFreeColours() {
  for (int e = kFirstFreeEntry; e < kNamedEntries; ++e) {
    colours_.ApplyEntry(kWorkRow, part_, e);
    DrawSwatch(e);
  }
  DrawDetail();
  surface_.PresentAll();
}

void TTintoColFM::ShowHelpPicture() {
  const gfx::Bitmap& help = app_.skin()[kBase6];
  surface_.DrawOnWindowOnly(help, help.bounds(), {0, 0});
  app_.PlayEffect(2);
  while (platform_.ShowCursor(false) >= 0) {
  }
  platform_.Sleep(kHelpPictureTime);
  platform_.ShowCursor(true);
  surface_.PresentAll();
}

void TTintoColFM::FormKeyUp(int key, ShiftState) {
  if (key == vk::kF1) app_.ShowManual();
}

void TTintoColFM::OnMouseWheel(ShiftState, int, int, int) {
  app_.ShowManual();
}

void TTintoColFM::Timer1Timer() {
  if (app_.closing() || !platform_.HasFocus(window_)) return;
  gfx::Point at{};
  if (selected_ % 2 == 0) {
    marker_frame_ = (marker_frame_ + 1) % pl::kMarkerFrameCount;
    at = {pl::kLeftMarkers.left, 12 * selected_ + 19};
  } else {
    marker_frame_ = marker_frame_ == 0 ? pl::kMarkerFrameCount - 1 : marker_frame_ - 1;
    at = {pl::kRightMarkers.left, 12 * selected_ + 19};
  }
  surface_.Copy(app_.skin()[kBase4],
                {pl::kMarkerFrames.x + 10 * marker_frame_, pl::kMarkerFrames.y, pl::kMarker.width,
                 pl::kMarker.height},
                at);
}

}  // namespace tinto
