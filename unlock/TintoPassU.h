// The password window: a narrow strip where the player types the answer to the typing
// problem of the current stage. A correct answer advances the points, which unlocks one
// more colour per part in the colour picker. Everything is drawn from the skin BASE7; the
// typed characters are glyphs from a strip in it.
#pragma once

#include <array>
#include <memory>

#include "gfx/text.h"
#include "shell/skinned_dialog.h"
#include "unlock/password_layout.h"
#include "unlock/password_tables.h"
#include "unlock/points.h"

namespace tinto {

class TTintoPassFM : public SkinnedDialog {
 public:
  static constexpr int kResultClose = 2;
  using Typed = std::array<int, password_layout::kTypedLength>;

  TTintoPassFM(Services& services, Points& points);

  void FormCreate();
  // Shows the window modally; returns when it closes.
  void ShowPasswordWindow();

  void OnMouseDown(MouseButton button, ShiftState shift, int x, int y) override {
    FormMouseDown(button, shift, x, y);
  }
  void OnKeyDown(int vk, ShiftState shift) override { FormKeyDown(vk, shift); }
  void OnKeyUp(int vk, ShiftState shift) override { FormKeyUp(vk, shift); }
  void OnMouseWheel(ShiftState, int, int, int) override;

  void FormShow();
  void FormKeyDown(int vk, ShiftState shift);
  void FormKeyUp(int vk, ShiftState shift);
  void FormMouseDown(MouseButton button, ShiftState shift, int x, int y);

  const Typed& typed() const { return typed_; }
  int cursor() const { return cursor_; }

 private:
  void TypeGlyph(int glyph);
  // Removes the glyph before the cursor and draws a blank there.
  void EraseOne();
  void DrawTypedGlyph(int position);
  void DrawPoints(gfx::Point at, int value);
  void DrawQuestion();
  // The pressed look of a window rectangle from the skin image at `pressed`, and the
  // normal look of a rectangle from the window face.
  void ShowPressed(gfx::Rect rect, gfx::Point pressed);
  void ShowNormal(gfx::Rect rect);
  void Check();
  void Accept();
  void CloseWindow();
  void ShowHint();

  Typed typed_{};
  int cursor_ = 0;
  std::array<Typed, kPasswordEntries> encoded_{};
  Points& points_;
  std::unique_ptr<gfx::Font> font_;
};

}  // namespace tinto
