// The simulated platform: windows in memory, fake time, the script as the message queue.
#include "platform/sim/sim_platform.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "files/utf8_path.h"
#include "gfx/bmp.h"
#include "media/media_length.h"
#include "platform/sim/sim_memory.h"

namespace tinto::sim {

namespace {

std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
}

// The effect number of a sound file named "Y_q" + two digits + ".wav", or -1.
int EffectNumberOf(const std::string& path) {
  std::string name = Utf8FromPath(PathFromUtf8(path).filename());
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (name.size() != 9 || name.rfind("y_q", 0) != 0 || name.substr(5) != ".wav") return -1;
  if (!std::isdigit(static_cast<unsigned char>(name[3])) ||
      !std::isdigit(static_cast<unsigned char>(name[4])))
    return -1;
  return (name[3] - '0') * 10 + (name[4] - '0');
}

}  // namespace

LocalTime AddMilliseconds(const LocalTime& start, std::uint64_t ms) {
  const std::int64_t start_ms =
      ((static_cast<std::int64_t>(start.hour) * 60 + start.minute) * 60 + start.second) * 1000 +
      start.millisecond;
  const std::int64_t total = start_ms + static_cast<std::int64_t>(ms);
  const std::int64_t day_ms = 86400000;
  const std::int64_t days = DaysFromCivil(start.year, static_cast<unsigned>(start.month),
                                          static_cast<unsigned>(start.day)) +
                            total / day_ms;
  std::int64_t rest = total % day_ms;
  LocalTime t;
  CivilFromDays(days, t.year, t.month, t.day);
  t.millisecond = static_cast<int>(rest % 1000);
  rest /= 1000;
  t.second = static_cast<int>(rest % 60);
  rest /= 60;
  t.minute = static_cast<int>(rest % 60);
  t.hour = static_cast<int>(rest / 60);
  return t;
}

std::string QuoteText(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out += c;
    }
  }
  return out + "\"";
}

SimPlatform::SimPlatform(SimSetUp setup, std::vector<Command> commands, std::size_t first,
                         std::ostream& log)
    : setup_(std::move(setup)),
      commands_(std::move(commands)),
      next_(first),
      log_(log),
      timers_([this] { return now_; }, setup_.tickcount) {
  // Fake time costs nothing to wake for: every tick runs, and is logged, at its own time.
  timers_.set_sharing_wake_ups(false);
  if (!setup_.folder.empty())
    setup_.folder =
        Utf8FromPath(std::filesystem::absolute(PathFromUtf8(setup_.folder)).lexically_normal());
}

SimPlatform::~SimPlatform() = default;

void SimPlatform::Log(const std::string& event) {
  log_ << now_ << ' ' << event << std::endl;
}

SimPlatform::Window* SimPlatform::Find(WindowId id) {
  auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : &it->second;
}

std::string SimPlatform::ExecutablePath() {
  return Utf8FromPath(PathFromUtf8(setup_.folder) / "tinto");
}

bool SimPlatform::ActivateRunningCopy(const std::string&) {
  if (!setup_.running) return false;
  Log("activate-other");
  return true;
}

bool SimPlatform::HostWindowExists(std::span<const char* const> class_names) {
  return std::any_of(class_names.begin(), class_names.end(),
                     [this](const char* name) { return setup_.host_classes.count(name) > 0; });
}

void SimPlatform::MinimiseApplication() {
  Log("minimised");
  for (auto& [id, w] : windows_)
    if (w.visible) w.minimised = true;
}

void SimPlatform::ShowError(const std::string& text) {
  Log("error " + QuoteText(text));
}

void SimPlatform::NoteDialog(DialogKind kind, const std::string& text) {
  Log(std::string(kind == DialogKind::kNotice ? "notice " : "ask ") + QuoteText(text));
}

WindowId SimPlatform::CreateWindow(const WindowSpec& spec, WindowEvents* events) {
  const WindowId id = next_window_++;
  Window w;
  w.spec = spec;
  w.events = events;
  w.screen = gfx::Bitmap(spec.width, spec.height);
  windows_.emplace(id, std::move(w));
  if (first_window_ == 0) first_window_ = id;
  return id;
}

void SimPlatform::DestroyWindow(WindowId id) {
  timers_.RemoveOwner(id);
  modal_.Forget(id);
  windows_.erase(id);
}

void SimPlatform::ShowWindow(WindowId id) {
  Window* w = Find(id);
  if (w == nullptr || w->visible) return;
  w->visible = true;
  w->minimised = false;
  Log("show " + w->spec.name);
  w->events->OnPaint();
}

void SimPlatform::HideWindow(WindowId id) {
  Window* w = Find(id);
  if (w == nullptr || !w->visible) return;
  w->visible = false;
  Log("hide " + w->spec.name);
}

bool SimPlatform::IsWindowVisible(WindowId id) {
  const Window* w = Find(id);
  return w != nullptr && w->visible;
}

void SimPlatform::SetWindowRegion(WindowId id, const gfx::Region& region) {
  Window* w = Find(id);
  if (w == nullptr) return;
  w->region = region;
  Log("region " + w->spec.name + " " + std::to_string(region.Area()));
}

void SimPlatform::MoveWindow(WindowId id, gfx::Point top_left) {
  Window* w = Find(id);
  if (w == nullptr || w->position == top_left) return;
  w->position = top_left;
  Log("moved " + w->spec.name + " " + std::to_string(top_left.x) + " " +
      std::to_string(top_left.y));
}

gfx::Point SimPlatform::WindowPosition(WindowId id) {
  const Window* w = Find(id);
  return w == nullptr ? gfx::Point{} : w->position;
}

// A mouse command names a client point: the pointer is there, wherever the window is now.
gfx::Point SimPlatform::PointerPosition() {
  const Window* w = Find(pointer_window_);
  return w == nullptr ? gfx::Point{}
                      : gfx::Point{w->position.x + w->mouse.x, w->position.y + w->mouse.y};
}

void SimPlatform::DrawToWindow(WindowId id, const gfx::Bitmap& src, gfx::Rect src_rect,
                               gfx::Point dst) {
  Window* w = Find(id);
  if (w != nullptr) gfx::Blit(w->screen, dst, src, src_rect);
}

void SimPlatform::Repaint(WindowId id) {
  Window* w = Find(id);
  if (w != nullptr) w->events->OnPaint();
}

void SimPlatform::AcceptDroppedFiles(WindowId id, bool accept) {
  if (Window* w = Find(id)) w->accept_drops = accept;
}

bool SimPlatform::HasFocus(WindowId id) {
  const Window* w = Find(id);
  return modal_.HoldsFocus(id, w != nullptr && w->visible && id == first_window_);
}

void SimPlatform::RunMessageLoop() {
  quit_ = false;
  while (!quit_) PumpOne();
}

int SimPlatform::RunModal(WindowId id) {
  Window* w = Find(id);
  if (w == nullptr) return 0;
  const std::optional<std::size_t> level = modal_.Push(id);
  if (!level) return 0;
  Log("modal " + w->spec.name);
  ShowWindow(id);
  while (Find(id) != nullptr && !modal_.Ended(*level) && !quit_) PumpOne();
  const int result = modal_.Pop(*level);
  w = Find(id);
  if (w == nullptr) return 0;
  HideWindow(id);
  Log("result " + w->spec.name + " " + std::to_string(result));
  return result;
}

void SimPlatform::EndModal(WindowId id, int result) {
  modal_.End(id, result);
}

void SimPlatform::Sleep(int ms) {
  if (ms <= 0) return;
  const std::uint64_t from = now_;
  now_ += static_cast<std::uint64_t>(ms);
  timers_.NoteBlockingWait(from, now_);
}

LocalTime SimPlatform::Now() {
  // A replayed tick reads the time at which it fell due.
  return AddMilliseconds(setup_.start, now_ - timers_.ReplayLag());
}

bool SimPlatform::IsKeyDown(int vk) {
  if (vk == vk::kShift) return held_.shift;
  if (vk == vk::kControl) return held_.ctrl;
  if (vk == vk::kMenu) return held_.alt;
  return false;
}

int SimPlatform::ShowCursor(bool show) {
  const int before = cursor_counter_;
  cursor_counter_ += show ? 1 : -1;
  if (before >= 0 && cursor_counter_ < 0) Log("cursor hidden");
  if (before < 0 && cursor_counter_ >= 0) Log("cursor shown");
  return cursor_counter_;
}

void SimPlatform::SetCursorShape(CursorShape shape) {
  Log(shape == CursorShape::kBusy ? "cursor busy" : "cursor normal");
}

void SimPlatform::PlayWave(const std::string& path, bool loop) {
  const int n = EffectNumberOf(path);
  Log(std::string(loop ? "effect-loop " : "effect ") +
      (n >= 0 ? std::to_string(n) : QuoteText(path)));
}

void SimPlatform::StopWaves() {
  Log("sound-stop");
}

std::optional<std::uint32_t> SimPlatform::MusicOpen(const std::string& path) {
  const auto length = SongLengthMs(PathFromUtf8(path));
  music_open_ = length.has_value();
  Log("music-open " + QuoteText(path) + " " + (length ? std::to_string(*length) : "fail"));
  return length;
}

bool SimPlatform::MusicPlay() {
  Log("music-play");
  return music_open_;
}

void SimPlatform::MusicStop() {
  Log("music-stop");
}

void SimPlatform::MusicClose() {
  music_open_ = false;
  Log("music-close");
}

void SimPlatform::LogExit(int code) {
  program_running_ = false;
  Log("exit " + std::to_string(code));
}

std::optional<WindowId> SimPlatform::InputTarget(const std::string& name) {
  for (auto& [id, w] : windows_) {
    if (w.spec.name != name) continue;
    if (!w.visible || w.minimised) return std::nullopt;
    if (!modal_.TakesInput(id)) return std::nullopt;
    return id;
  }
  return std::nullopt;
}

void SimPlatform::PumpOne() {
  timers_.RunDue();
  if (wait_until_) {
    // A wait runs timer by timer; a modal window opened by a tick goes on with the same
    // wait in its own loop.
    const std::uint64_t target = *wait_until_;
    const auto wake = timers_.NextWake();
    now_ = std::max(now_, (wake && *wake <= target) ? *wake : target);
    timers_.RunDue();
    if (wait_until_ && now_ >= *wait_until_) wait_until_.reset();
    return;
  }
  if (next_ >= commands_.size()) throw RunEnded{};
  Execute(commands_[next_++]);
}

void SimPlatform::Execute(const Command& c) {
  if (c.name == "wait") {
    wait_until_ = now_ + static_cast<std::uint64_t>(*ParseInt(c.args[0]));
  } else if (c.name == "quit") {
    throw RunEnded{};
  } else if (c.name == "snap" || c.name == "buffer" || c.name == "skin") {
    WritePicture(c);
  } else if (c.name == "memory") {
    LogMemory();
  } else {
    Deliver(c);
  }
}

void SimPlatform::LogMemory() {
  const MemoryUse use = ReadMemoryUse();
  Log("memory " + std::to_string(use.heap_bytes) + " " + std::to_string(use.rss_kb));
}

void SimPlatform::Ignored(const Command& c) {
  Log("ignored " + std::to_string(c.line));
}

void SimPlatform::Deliver(const Command& c) {
  if (c.name == "drop") {
    const auto target = InputTarget("main");
    Window* w = target ? Find(*target) : nullptr;
    if (w == nullptr || !w->accept_drops) return Ignored(c);
    std::vector<std::string> files;
    for (const std::string& f : DropFiles(c))
      files.push_back(Utf8FromPath(std::filesystem::absolute(PathFromUtf8(f)).lexically_normal()));
    held_ = ParseModifiers(c.args, files.size());
    w->events->OnDropFiles(files);
    held_ = {};
    timers_.RunDue();
    return;
  }
  const auto target = InputTarget(c.args[0]);
  if (!target) return Ignored(c);
  const WindowId id = *target;
  WindowEvents* events = Find(id)->events;
  auto still_there = [this, id] { return Find(id) != nullptr; };

  if (c.name == "click" || c.name == "down" || c.name == "up" || c.name == "move" ||
      c.name == "dblclick") {
    const int x = *ParseInt(c.args[1]);
    const int y = *ParseInt(c.args[2]);
    std::size_t mods_from = 3;
    MouseButton button = MouseButton::kLeft;
    if (c.name != "move" && c.name != "dblclick" && c.args.size() > 3) {
      if (auto b = ParseButton(c.args[3])) {
        button = *b;
        mods_from = 4;
      }
    }
    held_ = ParseModifiers(c.args, mods_from);
    Find(id)->mouse = {x, y};
    pointer_window_ = id;
    if (c.name == "move") {
      events->OnMouseMove(held_, x, y);
    } else if (c.name == "down") {
      events->OnMouseDown(button, held_, x, y);
    } else if (c.name == "up") {
      events->OnMouseUp(button, held_, x, y);
    } else if (c.name == "click") {
      events->OnMouseDown(button, held_, x, y);
      if (still_there()) events->OnMouseUp(button, held_, x, y);
    } else {
      events->OnMouseDown(MouseButton::kLeft, held_, x, y);
      if (still_there()) events->OnMouseUp(MouseButton::kLeft, held_, x, y);
      if (still_there()) events->OnMouseDown(MouseButton::kLeft, held_, x, y);
      if (still_there()) events->OnDoubleClick(held_, x, y);
      if (still_there()) events->OnMouseUp(MouseButton::kLeft, held_, x, y);
    }
  } else if (c.name == "key" || c.name == "keydown" || c.name == "keyup") {
    const int key = *ParseKey(c.args[1]);
    held_ = ParseModifiers(c.args, 2);
    if (c.name != "keyup") events->OnKeyDown(key, held_);
    if (c.name != "keydown" && still_there()) events->OnKeyUp(key, held_);
  } else if (c.name == "wheel") {
    const gfx::Point at = Find(id)->mouse;
    events->OnMouseWheel(held_, *ParseInt(c.args[1]), at.x, at.y);
  }
  held_ = {};
  timers_.RunDue();
}

gfx::Bitmap SimPlatform::Picture(WindowId id, bool back_buffer) {
  Window* w = Find(id);
  if (back_buffer) {
    const gfx::Bitmap* back = w->events->BackBuffer();
    return back != nullptr ? *back : gfx::Bitmap(w->spec.width, w->spec.height);
  }
  if (!w->visible) w->events->OnPaint();
  gfx::Bitmap picture = w->screen;
  if (w->region) {
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        if (!w->region->Contains(x, y)) picture.set(x, y, 0);
  }
  return picture;
}

void SimPlatform::WritePicture(const Command& c) {
  gfx::Bitmap picture;
  if (c.name == "skin") {
    const gfx::Bitmap* skin = skin_lookup_ ? skin_lookup_(c.args[0]) : nullptr;
    if (skin == nullptr) return Ignored(c);
    picture = *skin;
  } else {
    std::optional<WindowId> id;
    for (auto& [wid, w] : windows_)
      if (w.spec.name == c.args[0]) id = wid;
    if (!id) return Ignored(c);
    picture = Picture(*id, c.name == "buffer");
  }
  std::string error;
  if (!gfx::SaveBmp24(PathFromUtf8(c.args[1]), picture, &error))
    throw ScriptError{c.line, "cannot write " + c.args[1] + ": " + error};
}

void SimPlatform::RunRest() {
  while (next_ < commands_.size()) {
    const Command& c = commands_[next_++];
    if (c.name == "quit") return;
    if (c.name == "wait") {
      now_ += static_cast<std::uint64_t>(*ParseInt(c.args[0]));
    } else if (c.name == "snap" || c.name == "buffer" || c.name == "skin") {
      WritePicture(c);
    } else if (c.name == "memory") {
      LogMemory();
    } else {
      Ignored(c);
    }
  }
}

}  // namespace tinto::sim
