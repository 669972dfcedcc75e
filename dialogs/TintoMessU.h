// The message window: every notice and question of the program, drawn from BASE3, with
// an OK button and, for questions, a CANSEL button.
#pragma once

#include <memory>
#include <string>

#include "gfx/text.h"
#include "shell/skinned_dialog.h"

namespace tinto {

class TTintoMessFM : public SkinnedDialog {
 public:
  static constexpr int kResultOk = 1;
  static constexpr int kResultCancel = 2;

  explicit TTintoMessFM(Services& services);

  void FormCreate();
  // A notice with one button; returns when the user closed it. Ignored while a message
  // is already up.
  void ShowNotice(const std::string& text);
  // A question; true exactly when the user pressed OK (false at once while a message is
  // already up).
  bool AskOkCancel(const std::string& text);

  void OnMouseDown(MouseButton button, ShiftState shift, int x, int y) override {
    FormMouseDown(button, shift, x, y);
  }
  void OnKeyUp(int vk, ShiftState shift) override { FormKeyUp(vk, shift); }
  void OnMouseWheel(ShiftState, int, int, int) override;

  void FormShow();
  void FormMouseDown(MouseButton button, ShiftState shift, int x, int y);
  void FormKeyUp(int vk, ShiftState shift);

  const std::string& text() const { return text_; }
  bool question() const { return question_; }

 private:
  int Show(const std::string& text, bool question);
  void PressButton(gfx::Rect window_rect, gfx::Point pressed_image, int result);
  void DrawLabel();

  std::string text_;
  bool question_ = false;
  std::unique_ptr<gfx::Font> font_;
};

}  // namespace tinto
