// The message window.
#include "dialogs/TintoMessU.h"

#include <array>

#include "dialogs/message_layout.h"
#include "platform/keys.h"
#include "shell/pad.h"
#include "shell/press_delays.h"

namespace tinto {

namespace {
using message_layout::kCancelBox;
using message_layout::kCancelPressed;
using message_layout::kHeight;
using message_layout::kOkBox;
using message_layout::kOkPressed;
using message_layout::kOutline;
using message_layout::kWidth;
constexpr gfx::Rect kLabel = message_layout::kTextArea;
// Enter and Space press OK here.
constexpr gfx::Point kOkPoint{241, 122};

}  // namespace

TTintoMessFM::TTintoMessFM(Services& services)
    : SkinnedDialog(services, {.name = "message",
                               .title = "Quiro EDIT - message",
                               .width = kWidth,
                               .height = kHeight,
                               .topmost = true}) {}

void TTintoMessFM::FormCreate() {
  CreateWindowAndBuffer();
  const gfx::Bitmap& face = app_.skin()[kBase3];
  gfx::Blit(surface_.back(), {0, 0}, face, face.bounds());
  platform_.SetWindowRegion(window_, gfx::Region::FromPolygon(kOutline));
  font_ = gfx::Font::Open("ＭＳ Ｐゴシック", 12);
}

void TTintoMessFM::ShowNotice(const std::string& text) {
  if (platform_.HasFocus(window_)) return;
  if (PlatformInspector* inspector = platform_.inspector())
    inspector->NoteDialog(DialogKind::kNotice, text);
  Show(text, false);
}

bool TTintoMessFM::AskOkCancel(const std::string& text) {
  if (platform_.HasFocus(window_)) return false;
  if (PlatformInspector* inspector = platform_.inspector())
    inspector->NoteDialog(DialogKind::kQuestion, text);
  return Show(text, true) == kResultOk;
}

int TTintoMessFM::Show(const std::string& text, bool question) {
  text_ = text;
  question_ = question;
  FormShow();
  return ShowCentredModal();
}

void TTintoMessFM::FormShow() {
  const gfx::Bitmap& face = app_.skin()[kBase3];
  if (question_) {
    surface_.Copy(face, kCancelBox, {kCancelBox.left, kCancelBox.top});
  } else {
    // The background pixel under the button's left end is stretched over it.
    const gfx::Rect pixel{kCancelBox.left, kCancelBox.bottom(), 1, 1};
    gfx::StretchBlit(surface_.back(), kCancelBox, face, pixel);
    surface_.Present(kCancelBox);
  }
  DrawLabel();
}

void TTintoMessFM::DrawLabel() {
  const gfx::Bitmap& face = app_.skin()[kBase3];
  gfx::Blit(surface_.back(), {kLabel.left, kLabel.top}, face, kLabel);
  if (font_) font_->DrawLines(surface_.back(), kLabel, text_, gfx::MakePixel(255, 255, 255));
  surface_.Present(kLabel);
}

void TTintoMessFM::PressButton(gfx::Rect window_rect, gfx::Point pressed_image, int result) {
  const gfx::Bitmap& face = app_.skin()[kBase3];
  surface_.Copy(face, {pressed_image.x, pressed_image.y, window_rect.width, window_rect.height},
                {window_rect.left, window_rect.top});
  app_.PlayEffect(2);
  platform_.Sleep(kLongPressDelay);
  surface_.Copy(face, window_rect, {window_rect.left, window_rect.top});
  EndModal(result);
  platform_.Sleep(kLongPressDelay / 10);
}

void TTintoMessFM::FormMouseDown(MouseButton button, ShiftState, int x, int y) {
  if (app_.PressSilencesAlarm()) return;
  if (button != MouseButton::kLeft) return;
  using message_layout::Hit;
  const auto* hit = FirstHit(message_layout::kHits, x, y, [this](const HitRow<Hit>& row) {
    return row.target != Hit::kCancelButton || question_;
  });
  if (hit == nullptr) {
    BeginDrag();
  } else if (hit->target == Hit::kOkButton) {
    PressButton(kOkBox, kOkPressed, kResultOk);
  } else {
    PressButton(kCancelBox, kCancelPressed, kResultCancel);
  }
}

void TTintoMessFM::FormKeyUp(int key, ShiftState shift) {
  if (key == vk::kReturn || (key == vk::kSpace && !shift.any())) {
    FormMouseDown(MouseButton::kLeft, {}, kOkPoint.x, kOkPoint.y);
  } else if (key == vk::kEscape) {
    EndModal(kResultCancel);
  } else if (key == vk::kF1) {
    app_.ShowManual();
  }
}

void TTintoMessFM::OnMouseWheel(ShiftState, int, int, int) {
  app_.ShowManual();
}

}  // namespace tinto
