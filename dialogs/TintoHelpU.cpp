// The manual window.
#include "dialogs/TintoHelpU.h"

#include "gfx/sjis.h"
#include "platform/keys.h"
#include "resources/resources.h"

namespace tinto {

namespace {
// The window's outer size is 452 x 528 with the tool-window frame; this is its client area.
constexpr int kClientWidth = 444;
constexpr int kClientHeight = 504;
constexpr int kWheelNotch = 120;

// The manual's text, built into the program in Shift-JIS.
std::string ManualText() {
  const auto bytes = resources::Find("TXT", "MANUAL");
  const std::string_view sjis(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  return gfx::SjisToUtf8(sjis).value_or(std::string());
}
}  // namespace

TTintoHelpFM::TTintoHelpFM(Services& services)
    : SkinnedDialog(services, {.name = "manual",
                               .title = "QUIRO EDIT MANUAL",
                               .width = kClientWidth,
                               .height = kClientHeight,
                               .resizable = true}) {}

void TTintoHelpFM::FormCreate() {
  CreateWindowAndBuffer();
  memo_.SetFont(gfx::Font::Open("ＭＳ ゴシック", 12));
  memo_.SetText(ManualText());
  memo_.SetSize(spec_.width, spec_.height);
  memo_.Draw(surface_.back());
}

void TTintoHelpFM::ShowManual() {
  if (platform_.IsWindowVisible(window_)) return;
  thumb_dragging_ = false;
  wheel_rest_ = 0;
  ShowCentredModal();
}

void TTintoHelpFM::Redraw() {
  memo_.Draw(surface_.back());
  surface_.PresentAll();
}

void TTintoHelpFM::OnResize(int width, int height) {
  if (width <= 0 || height <= 0) return;
  if (width == spec_.width && height == spec_.height) return;
  spec_.width = width;
  spec_.height = height;
  surface_.Create(width, height);
  memo_.SetSize(width, height);
  Redraw();
}

void TTintoHelpFM::FormKeyUp(int key, ShiftState) {
  if (key == vk::kEscape || key == vk::kF1) EndModal(kResultClosed);
}

bool TTintoHelpFM::Scroll(ManualMemo::BarPart part) {
  using Part = ManualMemo::BarPart;
  switch (part) {
    case Part::kLineUp:
      return memo_.ScrollBy(-1);
    case Part::kLineDown:
      return memo_.ScrollBy(+1);
    case Part::kPageUp:
      return memo_.Page(-1);
    case Part::kPageDown:
      return memo_.Page(+1);
    case Part::kThumb:
    case Part::kNone:
      return false;
  }
  return false;
}

void TTintoHelpFM::Memo1KeyDown(int key, ShiftState shift) {
  using Part = ManualMemo::BarPart;
  switch (key) {
    case vk::kUp:
      return ScrolledBy(Scroll(Part::kLineUp));
    case vk::kDown:
      return ScrolledBy(Scroll(Part::kLineDown));
    case vk::kPrior:
      return ScrolledBy(Scroll(Part::kPageUp));
    case vk::kNext:
      return ScrolledBy(Scroll(Part::kPageDown));
    case vk::kHome:
      if (shift.ctrl) ScrolledBy(memo_.ScrollTo(0));
      return;
    case vk::kEnd:
      if (shift.ctrl) ScrolledBy(memo_.ScrollTo(memo_.max_top()));
      return;
    default:
      return;
  }
}

void TTintoHelpFM::Memo1MouseDown(MouseButton button, ShiftState, int x, int y) {
  if (app_.PressSilencesAlarm()) return;
  if (button != MouseButton::kLeft) return;
  // The scroll bar's arrows move a line, its track a page; the thumb is dragged.
  const ManualMemo::BarPart part = memo_.HitBar(x, y);
  if (part == ManualMemo::BarPart::kThumb) {
    thumb_dragging_ = true;
    memo_.BeginThumbDrag(y);
    return;
  }
  ScrolledBy(Scroll(part));
}

void TTintoHelpFM::OnMouseMove(ShiftState, int, int y) {
  if (thumb_dragging_) ScrolledBy(memo_.DragThumbTo(y));
}

void TTintoHelpFM::Memo1DblClick(ShiftState, int x, int y) {
  // A double click on the text closes the manual; the scroll bar is not the text.
  if (memo_.HitBar(x, y) == ManualMemo::BarPart::kNone) EndModal(kResultClosed);
}

void TTintoHelpFM::OnMouseWheel(ShiftState, int delta, int, int) {
  // Wheel up (a positive delta) shows earlier lines; every notch moves three lines.
  wheel_rest_ += delta;
  const int notches = wheel_rest_ / kWheelNotch;
  wheel_rest_ -= notches * kWheelNotch;
  ScrolledBy(memo_.ScrollBy(-notches * ManualMemo::kWheelLines));
}

}  // namespace tinto
