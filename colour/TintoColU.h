// The colour picker window: chooses the colour of one part of one colour variant. It lists
// the part's 21 entries as recoloured icons with their names, shows the selected one
// enlarged with its levels, edits the levels of the free colours, copies the variant's
// colour into a free colour, loads, saves and cycles the free colours, and applies the
// selected entry to the variant on OK.
#pragma once

#include <array>
#include <memory>

#include "colour/colour_model.h"
#include "colour/free_colour_cycle.h"
#include "colour/recolour.h"
#include "gfx/text.h"
#include "shell/skinned_dialog.h"
#include "unlock/points.h"

namespace tinto {

class TTintoColFM : public SkinnedDialog {
 public:
  static constexpr int kResultOk = 1;
  static constexpr int kResultCancel = 2;

  TTintoColFM(Services& services, ColourModel& colours, const Points& points);

  void FormCreate();
  // Opens the picker for part p of variant v (0 = 2P, 1 = 3P); returns when it closes.
  void ShowColourPicker(int v, int p);

  void OnMouseDown(MouseButton button, ShiftState shift, int x, int y) override {
    FormMouseDown(button, shift, x, y);
  }
  void OnKeyUp(int vk, ShiftState shift) override { FormKeyUp(vk, shift); }
  void OnMouseWheel(ShiftState, int, int, int) override;

  void FormShow();
  void FormClose(int modal_result);
  void FormMouseDown(MouseButton button, ShiftState shift, int x, int y);
  void FormKeyUp(int vk, ShiftState shift);
  void Timer1Timer();

  // Drawing (picker_drawing.cpp). The swatch and name go into the back buffer only; the
  // detail is presented as it is drawn.
  void DrawSwatch(int e);
  void DrawEntryName(int e);
  void DrawDetail();
  void SetLevel(int shade, int channel, int level);

  int selected() const { return selected_; }
  const FreeCycle& free_cycle() const { return free_cycle_; }

 private:
  // The level of the selected entry at (shade, channel).
  int Level(int shade, int channel) const;
  // A button's pressed image from the skin, presented; Restore puts the skin's own look
  // of the rectangle back.
  void PressImage(gfx::Point skin_at, gfx::Rect button);
  void Restore(gfx::Rect rect);
  void RestoreMarkers();
  // The free colours changed: redraw their swatches, the detail and the window.
  void RedrawFreeColours();
  // An entry of the list chosen: selected when the part has it, refused otherwise.
  void SelectEntry(int e);
  // A level row's minus or plus button.
  void PressLevelButton(int shade, int channel, bool plus);
  // The free colours' load or save button, and their cycle button.
  void PressFreeColourFile(bool load);
  void CycleFreeColourButton();
  void CancelOrOk(bool ok);
  void TakeColour();
  void ShowHelpPicture();
  int ColoursPerPart() const;

  int variant_ = 0;
  int part_ = 0;
  int selected_ = 0;
  std::array<bool, 3> editable_{};
  bool selected_is_free_ = false;
  bool free_available_ = false;
  FreeCycle free_cycle_{};
  int marker_frame_ = 0;
  TimerId timer_ = 0;
  ColourModel& colours_;
  const Points& points_;
  std::unique_ptr<gfx::Font> font_;
  // The part's icon as runs of key colours, found again at each opening and painted in
  // each entry's colours.
  PatternRuns icon_runs_;
};

}  // namespace tinto
