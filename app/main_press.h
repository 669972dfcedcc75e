// One press of a main-window button, run as its hotspot row says: the pressed look, the
// row's effect, its wait and its release. The operation in between reports the state that
// chooses between two effects or lights a switch; when it has work after the wait or after
// the release it places them itself, and whatever it leaves is done when it returns.
#pragma once

#include "app/main_hotspots.h"
#include "platform/platform.h"
#include "shell/main_canvas.h"
#include "shell/sound_effects.h"

namespace tinto {

class MainPress {
 public:
  MainPress(const MainHotspot& row, SoundEffects& effects, MainCanvas& canvas, Platform& platform)
      : row_(row), effects_(effects), canvas_(canvas), platform_(platform) {}

  // The pressed look and a fixed effect.
  void Begin() {
    if (row_.pressed_count > 0) {
      canvas_.BeginRects();
      for (int i = 0; i < row_.pressed_count; ++i) {
        const gfx::Rect& r = row_.pressed[static_cast<std::size_t>(i)];
        canvas_.AddRect(r.left, r.top, r.width, r.height);
      }
      canvas_.ShowPressed();
    }
    if (!row_.effect.chosen) Play(row_.effect.first);
  }
  // The state the operation reports: it plays a chosen effect and is the toggle's look.
  void Report(bool on) {
    on_ = on;
    if (row_.effect.chosen) Play(on ? row_.effect.first : row_.effect.second);
  }
  void Wait() {
    if (waited_) return;
    waited_ = true;
    if (row_.wait > 0) platform_.Sleep(row_.wait);
  }
  void Release() {
    Wait();
    if (released_) return;
    released_ = true;
    if (row_.release == PressRelease::kNormal) canvas_.ShowNormal();
    if (row_.release == PressRelease::kToggle) canvas_.ShowToggle(on_);
  }

 private:
  void Play(int effect) {
    if (effect != kNoEffect) effects_.PlayEffect(effect);
  }

  const MainHotspot& row_;
  SoundEffects& effects_;
  MainCanvas& canvas_;
  Platform& platform_;
  bool on_ = false;
  bool waited_ = false;
  bool released_ = false;
};

}  // namespace tinto
