// The password window: creation, typing, the check with its success sequence, close,
// hint and dragging.
#include "unlock/TintoPassU.h"

#include <string>

#include "platform/keys.h"
#include "shell/glyphs.h"
#include "shell/pad.h"
#include "shell/press_delays.h"
#include "unlock/password_keys.h"

namespace tinto {

namespace pl = password_layout;

namespace {
constexpr gfx::Pixel kQuestionColour = gfx::MakePixel(255, 255, 255);
}  // namespace

TTintoPassFM::TTintoPassFM(Services& services, Points& points)
    : SkinnedDialog(services, {.name = "password",
                               .title = "Quiro EDIT - password",
                               .width = pl::kWidth,
                               .height = pl::kHeight,
                               .topmost = true}),
      points_(points) {}

void TTintoPassFM::FormCreate() {
  CreateWindowAndBuffer();
  // The back buffer also holds the strips below the face, as the skin does.
  surface_.Create(pl::kWidth, pl::kSkinHeight);
  const gfx::Bitmap& face = app_.skin()[kBase7];
  gfx::Blit(surface_.back(), {0, 0}, face, face.bounds());
  platform_.SetWindowRegion(window_, gfx::Region::FromPolygon(pl::kShape));
  typed_.fill(kBlankGlyph);
  for (int k = 0; k < kPasswordEntries; ++k) {
    const std::string_view record = PasswordRecord(k);
    Typed& entry = encoded_[static_cast<std::size_t>(k)];
    for (std::size_t i = 0; i < entry.size(); ++i) {
      entry[i] = i < record.size() ? GlyphIndex(record[i]) : kBlankGlyph;
    }
  }
  font_ = gfx::Font::Open("ＭＳ Ｐゴシック", 12);
}

void TTintoPassFM::ShowPasswordWindow() {
  FormShow();
  ShowCentredModal();
}

void TTintoPassFM::FormShow() {
  DrawPoints(pl::kPoints, points_.points());
  DrawPoints(pl::kPointsMaximum, kPointsMaximum);
  DrawQuestion();
}

void TTintoPassFM::DrawPoints(gfx::Point at, int value) {
  DrawGlyphs(surface_, app_.skin()[kBase7],
             {.dest_x = at.x,
              .dest_y = at.y,
              .value = value,
              .digits = 3,
              .strip_x = pl::kDigitStrip.x,
              .strip_y = pl::kDigitStrip.y,
              .glyph_width = pl::kDigit.width,
              .glyph_height = pl::kDigit.height,
              .pitch = pl::kDigitPitch});
}

void TTintoPassFM::DrawTypedGlyph(int position) {
  DrawGlyph(surface_, app_.skin()[kBase7],
            {.dest_x = pl::kTyped.x + pl::kLetterPitch * position,
             .dest_y = pl::kTyped.y,
             .value = typed_[static_cast<std::size_t>(position)],
             .strip_x = pl::kLetterStrip.x,
             .strip_y = pl::kLetterStrip.y,
             .glyph_width = pl::kLetter.width,
             .glyph_height = pl::kLetter.height,
             .pitch = pl::kLetterPitch});
}

void TTintoPassFM::DrawQuestion() {
  gfx::Blit(surface_.back(), {pl::kQuestion.left, pl::kQuestion.top}, app_.skin()[kBase7],
            pl::kQuestion);
  if (font_) {
    font_->DrawLine(surface_.back(), pl::kQuestionText, Question(points_.UnlockStage()),
                    kQuestionColour, pl::kQuestion);
  }
  surface_.Present(pl::kQuestion);
}

void TTintoPassFM::ShowPressed(gfx::Rect rect, gfx::Point pressed) {
  surface_.Copy(app_.skin()[kBase7], {pressed.x, pressed.y, rect.width, rect.height},
                {rect.left, rect.top});
}

void TTintoPassFM::ShowNormal(gfx::Rect rect) {
  surface_.Copy(app_.skin()[kBase7], rect, {rect.left, rect.top});
}

void TTintoPassFM::TypeGlyph(int glyph) {
  if (cursor_ == pl::kTypedLength) {
    app_.PlayEffect(50);
    return;
  }
  typed_[static_cast<std::size_t>(cursor_)] = glyph;
  DrawTypedGlyph(cursor_);
  ++cursor_;
  app_.PlayEffect(2);
}

void TTintoPassFM::EraseOne() {
  if (cursor_ > 0) --cursor_;
  typed_[static_cast<std::size_t>(cursor_)] = kBlankGlyph;
  DrawTypedGlyph(cursor_);
}

void TTintoPassFM::FormKeyDown(int key, ShiftState shift) {
  if (const int glyph = TypedGlyph(key, shift.shift); glyph >= 0) {
    TypeGlyph(glyph);
  } else if (key == vk::kBack) {
    EraseOne();
    app_.PlayEffect(1);
  } else if (key == vk::kHome || key == vk::kDelete) {
    while (cursor_ > 0) EraseOne();
    app_.PlayEffect(34);
  }
}

void TTintoPassFM::FormKeyUp(int key, ShiftState shift) {
  if (key == vk::kReturn) {
    FormMouseDown(MouseButton::kLeft, {}, pl::kCheckPoint.x, pl::kCheckPoint.y);
  } else if ((key == vk::kSpace || key == vk::kEscape) && !shift.any()) {
    FormMouseDown(MouseButton::kLeft, {}, pl::kClosePoint.x, pl::kClosePoint.y);
  } else if (key == vk::kF1) {
    app_.ShowManual();
  } else if (key > vk::kF1 && key <= vk::kF24) {
    FormMouseDown(MouseButton::kLeft, {}, pl::kHintPoint.x, pl::kHintPoint.y);
  }
}

void TTintoPassFM::OnMouseWheel(ShiftState, int, int, int) {
  app_.ShowManual();
}

void TTintoPassFM::FormMouseDown(MouseButton button, ShiftState, int x, int y) {
  if (app_.PressSilencesAlarm()) return;
  if (button != MouseButton::kLeft) return;
  const auto* hit = FirstHit(pl::kHits, x, y);
  if (hit == nullptr) {
    BeginDrag();
    return;
  }
  switch (hit->target) {
    case pl::Hit::kCheckButton:
      Check();
      return;
    case pl::Hit::kCloseButton:
      CloseWindow();
      return;
    case pl::Hit::kHintButton:
      ShowHint();
      return;
  }
}

void TTintoPassFM::Check() {
  ShowPressed(pl::kCheck, pl::kCheckPressed);
  app_.PlayEffect(2);
  platform_.Sleep(kLongPressDelay);
  ShowNormal(pl::kCheck);
  // Only the current stage's password counts, every one of the 65 places compared, so
  // nothing may follow the password.
  if (typed_ != encoded_[static_cast<std::size_t>(points_.UnlockStage())]) {
    app_.PlayEffect(50);
    return;
  }
  Accept();
}

void TTintoPassFM::Accept() {
  ShowNormal(pl::kQuestion);
  while (cursor_ > 0) EraseOne();
  app_.PlayEffect(71);
  const gfx::Bitmap& face = app_.skin()[kBase7];
  for (int flash = 0; flash < 3; ++flash) {
    surface_.DrawOnWindowOnly(
        face, {pl::kBannerSource.x, pl::kBannerSource.y, pl::kBanner.width, pl::kBanner.height},
        {pl::kBanner.left, pl::kBanner.top});
    platform_.Sleep(5 * kPressDelay);
    surface_.Present(pl::kBanner);
    platform_.Sleep(kLongPressDelay / 4);
  }
  Points& points = points_;
  points.AdvancePoints();
  DrawPoints(pl::kPoints, points.points());
  // A failed save is reported; the window still moves on to the new stage, whose points
  // it already shows, so that what it shows is what the program now holds.
  if (const FileResult r = points.SavePoints(app_.folder()); !r.ok) app_.ReportError(r.error);
  DrawQuestion();
}

void TTintoPassFM::CloseWindow() {
  ShowPressed(pl::kClose, pl::kClosePressed);
  app_.PlayEffect(2);
  platform_.Sleep(kLongPressDelay);
  ShowNormal(pl::kClose);
  EndModal(kResultClose);
  platform_.Sleep(kLongPressDelay / 10);
}

void TTintoPassFM::ShowHint() {
  app_.PlayEffect(61);
  app_.ShowNotice(std::string(tinto::Hint(points_.UnlockStage())));
}

}  // namespace tinto
