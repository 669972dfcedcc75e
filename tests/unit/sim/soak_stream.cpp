// Writes the soak's random stream (see soak_stream.h).
#include "soak_stream.h"

#include <algorithm>
#include <array>
#include <span>
#include <sstream>
#include <string_view>

#include "app/main_hotspots.h"
#include "colour/picker_layout.h"
#include "dialogs/message_layout.h"
#include "shell/main_canvas.h"
#include "shell/pad.h"
#include "unlock/password_layout.h"

namespace tinto::test {

namespace {

// A small generator of its own, so that a seed gives the same stream everywhere.
class SplitMix {
 public:
  explicit SplitMix(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
  int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
  bool Chance(int percent) { return Below(100) < percent; }

 private:
  std::uint64_t state_;
};

struct WindowSize {
  const char* name;
  int width;
  int height;
};

// The main window's client area is wider than its buttons; the manual's is its memo.
// Buttons of the other windows, which a click aims at more often than at the rest.
namespace pk = picker_layout;
namespace pw = password_layout;
namespace ms = message_layout;
constexpr std::array<gfx::Rect, 17> kPickerButtons = {pk::kOk,
                                                      pk::kCancel,
                                                      pk::kTakeColour,
                                                      pk::kLoad,
                                                      pk::kSave,
                                                      pk::kCycle,
                                                      pk::kHelp,
                                                      pk::kDetail,
                                                      pk::EntryHotspot(0),
                                                      pk::EntryHotspot(7),
                                                      pk::EntryHotspot(14),
                                                      pk::EntryHotspot(20),
                                                      pk::MinusBox(pk::LevelRowY(0, 0) + 75),
                                                      pk::PlusBox(pk::LevelRowY(0, 1) + 75),
                                                      pk::MinusBox(pk::LevelRowY(1, 2) + 75),
                                                      pk::PlusBox(pk::LevelRowY(2, 0) + 75),
                                                      pk::SliderBox(pk::LevelRowY(1, 1) + 75)};
constexpr std::array<gfx::Rect, 3> kPasswordButtons = {pw::kCheckBox, pw::kCloseBox, pw::kHintBox};
constexpr std::array<gfx::Rect, 2> kMessageButtons = {ms::kOkBox, ms::kCancelBox};

constexpr std::array<WindowSize, 5> kWindows = {{
    {"main", 844, 410},
    {"message", message_layout::kWidth, message_layout::kHeight},
    {"picker", picker_layout::kWidth, picker_layout::kHeight},
    {"password", password_layout::kWidth, password_layout::kHeight},
    {"manual", 444, 504},
}};

// Enter and Esc, which answer and close the windows, come up more often.
constexpr std::array<const char*, 29> kKeys = {
    "ENTER",  "ESC",   "ENTER",  "ESC",   "ENTER",  "ESC",      "SPACE", "BACKSPACE",
    "DELETE", "HOME",  "UP",     "DOWN",  "PAGEUP", "PAGEDOWN", "A",     "K",
    "Q",      "Z",     "0",      "5",     "9",      "NUM3",     "F1",    "F2",
    "COMMA",  "MINUS", "PERIOD", "SLASH", "08"};

const char* Modifier(SplitMix& rng) {
  switch (rng.Below(12)) {
    case 0:
      return " shift";
    case 1:
      return " ctrl";
    case 2:
      return " alt";
    default:
      return "";
  }
}

bool EndsInput(MainAction action) {
  return action == MainAction::kClose || action == MainAction::kMinimise;
}

void MainClick(SplitMix& rng, std::ostream& out) {
  const MainHotspot* row = nullptr;
  do {
    row =
        &kMainHotspots[static_cast<std::size_t>(rng.Below(static_cast<int>(kMainHotspots.size())))];
  } while (EndsInput(row->action));
  // The table is in skin coordinates; the skin lies at kSkinOffset in the window.
  const int x = kSkinOffset.x + row->box.left + rng.Below(row->box.width);
  const int y = kSkinOffset.y + row->box.top + rng.Below(row->box.height);
  out << "click main " << x << ' ' << y << (rng.Chance(10) ? " right" : "") << Modifier(rng)
      << '\n';
}

const WindowSize& AnyWindow(SplitMix& rng) {
  return kWindows[static_cast<std::size_t>(rng.Below(5))];
}

// A click on one of the other windows: on one of its buttons more often than not.
void OtherClick(SplitMix& rng, std::ostream& out) {
  const WindowSize& w = kWindows[static_cast<std::size_t>(rng.Between(1, 4))];
  std::span<const gfx::Rect> buttons;
  if (w.name == std::string_view("picker")) buttons = kPickerButtons;
  if (w.name == std::string_view("password")) buttons = kPasswordButtons;
  if (w.name == std::string_view("message")) buttons = kMessageButtons;
  if (!buttons.empty() && rng.Chance(60)) {
    const gfx::Rect& b =
        buttons[static_cast<std::size_t>(rng.Below(static_cast<int>(buttons.size())))];
    out << "click " << w.name << ' ' << b.left + rng.Below(b.width) << ' '
        << b.top + rng.Below(b.height) << '\n';
    return;
  }
  out << "click " << w.name << ' ' << rng.Below(w.width) << ' ' << rng.Below(w.height) << '\n';
}

// Whether a point of the main window lies on its close or minimise box, which would end
// the run (the program's own hit test, in skin coordinates).
bool OnEndingBox(int x, int y) {
  for (const MainHotspot& row : kMainHotspots)
    if (EndsInput(row.action) && PointInBox(x - kSkinOffset.x, y - kSkinOffset.y, row.box))
      return true;
  return false;
}

// A point anywhere in the window, but never on the main window's close or minimise box:
// drags and double-clicks stay clear of them as the clicks do.
void Point(SplitMix& rng, const WindowSize& w, std::ostream& out) {
  int x = 0, y = 0;
  do {
    x = rng.Below(w.width);
    y = rng.Below(w.height);
  } while (w.name == std::string_view("main") && OnEndingBox(x, y));
  out << w.name << ' ' << x << ' ' << y;
}

// A press on the first row of the main window's hotspot table that has the action.
void ClickHotspot(MainAction action, std::ostream& out) {
  for (const MainHotspot& row : kMainHotspots) {
    if (row.action != action) continue;
    out << "click main " << kSkinOffset.x + row.box.left + row.box.width / 2 << ' '
        << kSkinOffset.y + row.box.top + row.box.height / 2 << '\n';
    return;
  }
}

// A fixed tour first: every window opened once and everything it can show drawn once
// (every part's colour names, both help pictures, the hint, the whole manual), so that
// what the program keeps once drawn (glyphs, sounds, pictures) is in place before the
// first memory reading.
void Tour(std::ostream& out) {
  for (const MainHotspot& row : kMainHotspots) {
    if (row.action != MainAction::kPanelPart) continue;
    out << "click main " << kSkinOffset.x + row.box.left + row.box.width / 2 << ' '
        << kSkinOffset.y + row.box.top + row.box.height / 2 << "\nwait 300\n";
    for (int e = 0; e < pk::kEntries; e += 5) {
      const gfx::Rect entry = pk::EntryHotspot(e);
      out << "click picker " << entry.left + 10 << ' ' << entry.top + 10 << "\nwait 100\n";
    }
    // The picker's help picture (decoded at its first showing).
    out << "click picker " << pk::kHelp.left + pk::kHelp.width / 2 << ' '
        << pk::kHelp.top + pk::kHelp.height / 2 << "\nwait 4500\n";
    out << "click picker " << pk::kCancel.left + 10 << ' ' << pk::kCancel.top + 9 << "\nwait 300\n";
  }
  // The main window's help picture, decoded at its first showing as well.
  ClickHotspot(MainAction::kHelp, out);
  out << "wait 4500\n";
  out << "key main SPACE\nwait 300\nkey password F2\nwait 300\nkey message ENTER\nwait 300\n"
         "key password ESC\nwait 300\n";
  out << "move main 560 60\nwheel main -120\nwait 300\n";
  for (int page = 0; page < 60; ++page) out << "key manual PAGEDOWN\nwait 20\n";
  out << "key manual F1\nwait 300\n";
}

// The same state before every memory reading: the other windows closed, and photo film 1
// the last strip the viewer loaded, paused and then stopped (the viewer keeps the strip it
// loaded last until the next opening, and a movie's strip is three times a photo film's).
// Two things of the stream stand in the way. Its right-clicks take a film's button out,
// and a press on a button that is out does nothing; the stream cannot know whether film 1
// is out, so film 1 is pressed, right-clicked (out, or back in) and pressed again: one of
// the two presses opens it. And playback left running goes on to the next film or movie
// within a second, so each press is followed at once by the frame step, which pauses:
// rotation never moves on while paused. Readings then differ by what the program keeps,
// not by which window or picture happens to be open at the time.
void SettleForReading(std::ostream& out) {
  for (const char* name : {"message", "manual", "password"}) out << "key " << name << " ESC\n";
  out << "click picker " << pk::kCancel.left + pk::kCancel.width / 2 << ' '
      << pk::kCancel.top + pk::kCancel.height / 2 << "\nwait 300\n";
  const gfx::Rect film = PhotoFilmBox(1);
  const int film_x = kSkinOffset.x + film.left + film.width / 2;
  const int film_y = kSkinOffset.y + film.top + film.height / 2;
  out << "click main " << film_x << ' ' << film_y << '\n';
  ClickHotspot(MainAction::kStepForward, out);
  out << "click main " << film_x << ' ' << film_y << " right\n";
  out << "click main " << film_x << ' ' << film_y << '\n';
  ClickHotspot(MainAction::kStepForward, out);
  out << "wait 1000\n";
  ClickHotspot(MainAction::kStop, out);
  out << "wait 1000\n";
}

}  // namespace

std::string SoakScript(const SoakPlan& plan) {
  SplitMix rng(plan.seed);
  std::ostringstream out;
  out << "seed " << plan.seed << "\nstart\nwait 1000\n";
  Tour(out);
  const std::uint64_t end_ms = plan.minutes * 60000;
  std::uint64_t next_reading_ms = plan.settle_minutes * 60000;
  const std::uint64_t reading_step_ms = std::max<std::uint64_t>(1, plan.minutes / 40) * 60000;
  for (std::uint64_t t = 1000; t < end_ms;) {
    const int pick = rng.Below(100);
    if (pick < 40) {
      MainClick(rng, out);
    } else if (pick < 58) {
      OtherClick(rng, out);
    } else if (pick < 72) {
      out << "key " << AnyWindow(rng).name << ' '
          << kKeys[static_cast<std::size_t>(rng.Below(kKeys.size()))] << Modifier(rng) << '\n';
    } else if (pick < 78) {
      // A drag: press, a few moves, release, possibly on another window.
      const WindowSize& w = AnyWindow(rng);
      out << "down ";
      Point(rng, w, out);
      out << '\n';
      for (int n = rng.Between(1, 4); n > 0; --n) {
        out << "move ";
        Point(rng, w, out);
        out << "\nwait " << rng.Between(10, 200) << '\n';
      }
      out << "up ";
      Point(rng, rng.Chance(90) ? w : AnyWindow(rng), out);
      out << '\n';
    } else if (pick < 82) {
      out << "dblclick ";
      Point(rng, AnyWindow(rng), out);
      out << '\n';
    } else if (pick < 87) {
      const WindowSize& w = AnyWindow(rng);
      out << "move ";
      Point(rng, w, out);
      out << "\nwheel " << w.name << ' ' << (rng.Chance(50) ? 120 : -120) * rng.Between(1, 3)
          << '\n';
    } else if (pick < 92) {
      // Now and then Esc for each window that may be open (innermost first) and the
      // picker's Cancel, as a person clears the screen between tries.
      for (const char* name : {"message", "manual", "password"}) out << "key " << name << " ESC\n";
      out << "click picker " << pk::kCancel.left + pk::kCancel.width / 2 << ' '
          << pk::kCancel.top + pk::kCancel.height / 2 << '\n';
    } else if (pick < 96 && !plan.drop_files.empty()) {
      out << "drop";
      for (int n = rng.Between(1, 3); n > 0; --n)
        out << " \""
            << plan.drop_files[static_cast<std::size_t>(
                   rng.Below(static_cast<int>(plan.drop_files.size())))]
            << '"';
      out << Modifier(rng) << '\n';
    }
    // Mostly short pauses as a person clicks, now and then a long rest.
    const int wait = rng.Chance(1) ? rng.Between(5000, 60000) : rng.Between(20, 1000);
    out << "wait " << wait << '\n';
    t += static_cast<std::uint64_t>(wait);
    if (t >= next_reading_ms) {
      SettleForReading(out);
      out << "memory\n";
      next_reading_ms += reading_step_ms;
    }
  }
  SettleForReading(out);
  out << "memory\n";
  return out.str();
}

}  // namespace tinto::test
