// The manual window: the user's guide in a scrollable, read-only text (Memo1) inside a
// plain resizable tool window, opened modally with F1 or the mouse wheel from every other
// window. It keeps its scroll position between openings.
#pragma once

#include "dialogs/manual_memo.h"
#include "shell/skinned_dialog.h"

namespace tinto {

class TTintoHelpFM : public SkinnedDialog {
 public:
  static constexpr int kResultClosed = 2;

  explicit TTintoHelpFM(Services& services);
  void FormCreate();
  // Shows the manual modally and returns when it is closed. Nothing happens while it is
  // already open.
  void ShowManual();

  const ManualMemo& memo() const { return memo_; }

  void OnPaint() override { surface_.PresentAll(); }
  void OnKeyDown(int vk, ShiftState shift) override { Memo1KeyDown(vk, shift); }
  void OnKeyUp(int vk, ShiftState shift) override { FormKeyUp(vk, shift); }
  void OnMouseDown(MouseButton button, ShiftState shift, int x, int y) override {
    Memo1MouseDown(button, shift, x, y);
  }
  void OnMouseMove(ShiftState shift, int x, int y) override;
  void OnMouseUp(MouseButton, ShiftState, int, int) override { thumb_dragging_ = false; }
  void OnDoubleClick(ShiftState shift, int x, int y) override { Memo1DblClick(shift, x, y); }
  void OnMouseWheel(ShiftState shift, int delta, int x, int y) override;
  void OnResize(int width, int height) override;

  void FormKeyUp(int vk, ShiftState shift);
  void Memo1KeyDown(int vk, ShiftState shift);
  void Memo1MouseDown(MouseButton button, ShiftState shift, int x, int y);
  void Memo1DblClick(ShiftState shift, int x, int y);

 private:
  // Draws Memo1 into the back buffer and onto the window.
  void Redraw();
  // A line or a page up or down; true when the text moved.
  bool Scroll(ManualMemo::BarPart part);
  void ScrolledBy(bool moved) {
    if (moved) Redraw();
  }

  ManualMemo memo_;
  bool thumb_dragging_ = false;
  int wheel_rest_ = 0;  // wheel movement short of a notch
};

}  // namespace tinto
