// The Windows backend's windows: creation, shape, position, presenting the back buffer,
// and the window procedure that turns messages into the application's window events.
#include <algorithm>
#include <cstring>

#include "platform/paint_mark.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace tinto::win32 {
namespace {

constexpr const wchar_t* kWindowClass = L"TintoWindow";

struct ClassRegistration {
  explicit ClassRegistration(HINSTANCE instance, WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = nullptr;  // set on WM_SETCURSOR
    wc.lpszClassName = kWindowClass;
    wc.hIcon = LoadIconW(instance, L"MAINICON");
    RegisterClassExW(&wc);
  }
};

// The region as rectangles in one RGNDATA: GDI then has exactly the region's pixels.
HRGN MakeRegion(const gfx::Region& region) {
  const std::vector<gfx::Rect> bands = region.Bands();
  std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + bands.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(bands.size());
  header->nRgnSize = static_cast<DWORD>(bands.size() * sizeof(RECT));
  const gfx::Rect bounds = region.Bounds();
  header->rcBound = {bounds.left, bounds.top, bounds.right(), bounds.bottom()};
  auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
  for (std::size_t i = 0; i < bands.size(); ++i) {
    rects[i] = {bands[i].left, bands[i].top, bands[i].right(), bands[i].bottom()};
  }
  HRGN rgn = ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                             reinterpret_cast<RGNDATA*>(data.data()));
  return rgn != nullptr ? rgn : CreateRectRgn(0, 0, 0, 0);
}

// The union of the rectangles; null when GDI could not make it.
HRGN RegionOf(const std::vector<RECT>& rects) {
  HRGN all = CreateRectRgn(0, 0, 0, 0);
  HRGN one = CreateRectRgn(0, 0, 0, 0);
  bool made = all != nullptr && one != nullptr;
  for (std::size_t i = 0; made && i < rects.size(); ++i) {
    const RECT& r = rects[i];
    made = SetRectRgn(one, r.left, r.top, r.right, r.bottom) &&
           CombineRgn(all, all, one, RGN_OR) != ERROR;
  }
  if (one != nullptr) DeleteObject(one);
  if (!made && all != nullptr) {
    DeleteObject(all);
    all = nullptr;
  }
  return all;
}

}  // namespace

Win32Platform::Win* Win32Platform::Find(WindowId id) {
  auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : it->second.get();
}

// The system's window is made at its first use (`Handle`), as a form's handle is: making
// the main window's (15 to 20 ms under Wine) then falls within the wait for its first tick,
// when the application places and shapes it, instead of before its timers start.
WindowId Win32Platform::CreateWindow(const WindowSpec& spec, WindowEvents* events) {
  auto w = std::make_unique<Win>();
  w->id = next_id_++;
  w->events = events;
  w->width = std::max(1, spec.width);
  w->height = std::max(1, spec.height);
  w->title = Widen(spec.title);
  w->style = WS_POPUP | WS_CLIPCHILDREN;
  // The manual: a resizable tool window, with no box to minimise or maximise a modal one.
  if (spec.resizable) {
    w->style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
    w->ex_style |= WS_EX_TOOLWINDOW;
  }
  if (spec.topmost) w->ex_style |= WS_EX_TOPMOST;
  const WindowId id = w->id;
  if (first_window_ == 0) first_window_ = id;
  windows_[id] = std::move(w);
  return id;
}

HWND Win32Platform::Handle(Win& w) {
  if (w.hwnd != nullptr || w.failed) return w.hwnd;
  static const ClassRegistration registration(instance_, &Win32Platform::WindowProc);
  // The dialogs belong to the main window (the first one made): one taskbar button, and
  // they stay above it.
  HWND owner = nullptr;
  if (Win* main = Find(first_window_); main != nullptr && main != &w) owner = Handle(*main);
  RECT frame{0, 0, w.width, w.height};
  AdjustWindowRectEx(&frame, w.style, FALSE, w.ex_style);
  // Windows open in the middle of the screen until the application places them.
  const int x = (GetSystemMetrics(SM_CXSCREEN) - w.width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - w.height) / 2;
  w.hwnd = CreateWindowExW(w.ex_style, kWindowClass, w.title.c_str(), w.style, x, y,
                           frame.right - frame.left, frame.bottom - frame.top, owner, nullptr,
                           instance_, nullptr);
  if (w.hwnd == nullptr) {
    w.failed = true;  // the window stays a buffer nobody sees; asked once
    return nullptr;
  }
  SetWindowLongPtrW(w.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetPropW(w.hwnd, L"TintoWindowId", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(w.id)));
  if (w.accept_drops) DragAcceptFiles(w.hwnd, TRUE);
  return w.hwnd;
}

void Win32Platform::DropBuffer(Win& w) {
  if (w.buffer_dc != nullptr) {
    SelectObject(w.buffer_dc, w.old_buffer);
    DeleteDC(w.buffer_dc);
  }
  if (w.buffer != nullptr) DeleteObject(w.buffer);
  w.buffer_dc = nullptr;
  w.buffer = nullptr;
  w.pixels = nullptr;
  w.drawn.clear();  // their pixels went with the buffer
}

void Win32Platform::DestroyWindow(WindowId id) {
  Win* w = Find(id);
  if (w == nullptr) return;
  ShowDrawn();
  timers_.RemoveOwner(id);
  modal_.Forget(id);
  if (w->hwnd != nullptr) {
    RemovePropW(w->hwnd, L"TintoWindowId");
    SetWindowLongPtrW(w->hwnd, GWLP_USERDATA, 0);
    ::DestroyWindow(w->hwnd);
  }
  DropBuffer(*w);
  windows_.erase(id);
  if (first_window_ == id) first_window_ = 0;
}

void Win32Platform::ShowWindow(WindowId id) {
  Win* w = Find(id);
  if (w == nullptr) return;
  ShowDrawn();
  if (Handle(*w) == nullptr) return;
  w->visible = true;
  ::ShowWindow(w->hwnd, SW_SHOW);
  SetForegroundWindow(w->hwnd);
}

void Win32Platform::HideWindow(WindowId id) {
  Win* w = Find(id);
  if (w == nullptr) return;
  ShowDrawn();
  w->visible = false;
  // A window hidden under the pointer (a dialog closed by a press) gives the mouse back.
  if (w->hwnd == nullptr) return;
  if (GetCapture() == w->hwnd) ReleaseCapture();
  ::ShowWindow(w->hwnd, SW_HIDE);
}

bool Win32Platform::IsWindowVisible(WindowId id) {
  Win* w = Find(id);
  return w != nullptr && w->visible;
}

// The system owns the region handed to SetWindowRgn: every call gets a fresh one.
void Win32Platform::SetWindowRegion(WindowId id, const gfx::Region& region) {
  Win* w = Find(id);
  if (w == nullptr) return;
  ShowDrawn();
  if (Handle(*w) != nullptr) SetWindowRgn(w->hwnd, MakeRegion(region), TRUE);
}

void Win32Platform::MoveWindow(WindowId id, gfx::Point top_left) {
  Win* w = Find(id);
  if (w == nullptr) return;
  ShowDrawn();
  if (Handle(*w) == nullptr) return;
  SetWindowPos(w->hwnd, nullptr, top_left.x, top_left.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

gfx::Point Win32Platform::WindowPosition(WindowId id) {
  Win* w = Find(id);
  RECT r{};
  if (w == nullptr || Handle(*w) == nullptr || !GetWindowRect(w->hwnd, &r)) return {0, 0};
  return {r.left, r.top};
}

// The bitmap's pixels (0x00RRGGBB, top-down) are the layout of a top-down 32-bit DIB: the
// rectangle is copied into the window's buffer and blitted from there.
void Win32Platform::DrawToWindow(WindowId id, const gfx::Bitmap& src, gfx::Rect src_rect,
                                 gfx::Point dst) {
  Win* w = Find(id);
  if (w == nullptr) return;
  // Clip to the source bitmap and to the window's client area.
  gfx::Rect from = gfx::Intersect(src_rect, src.bounds());
  gfx::Point to{dst.x + (from.left - src_rect.left), dst.y + (from.top - src_rect.top)};
  const gfx::Rect target =
      gfx::Intersect({to.x, to.y, from.width, from.height}, {0, 0, w->width, w->height});
  if (target.empty()) return;
  from = {from.left + (target.left - to.x), from.top + (target.top - to.y), target.width,
          target.height};
  if (w->buffer_dc == nullptr) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w->width;
    info.bmiHeader.biHeight = -w->height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    w->buffer = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (w->buffer == nullptr) return;
    w->pixels = static_cast<std::uint32_t*>(bits);
    w->buffer_dc = CreateCompatibleDC(nullptr);
    w->old_buffer = SelectObject(w->buffer_dc, w->buffer);
  }
  GdiFlush();
  for (int y = 0; y < target.height; ++y) {
    std::memcpy(w->pixels + static_cast<std::size_t>(target.top + y) * w->width + target.left,
                src.row(from.top + y) + from.left, static_cast<std::size_t>(target.width) * 4);
  }
  w->drawn.push_back({target.left, target.top, target.right(), target.bottom()});
}

void Win32Platform::ShowDrawn() {
  for (auto& [id, w] : windows_) {
    if (w->drawn.empty()) continue;
    RECT box = w->drawn.front();
    for (const RECT& r : w->drawn) UnionRect(&box, &box, &r);
    HRGN clip = RegionOf(w->drawn);
    w->drawn.clear();
    // A window not made yet shows nothing: its first showing paints the whole buffer.
    HDC dc = w->buffer_dc != nullptr && w->hwnd != nullptr ? GetDC(w->hwnd) : nullptr;
    if (dc != nullptr) {
      // The device context's clip: the window's visible part within the rectangles drawn,
      // a few rectangles instead of the whole shape's hundreds. (Without it the box is
      // copied whole: the buffer holds the whole window.)
      if (clip != nullptr) SelectClipRgn(dc, clip);
      BitBlt(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, w->buffer_dc,
             box.left, box.top, SRCCOPY);
      ReleaseDC(w->hwnd, dc);
      if (w->visible) MarkFirstPaint();
    }
    if (clip != nullptr) DeleteObject(clip);
  }
}

void Win32Platform::Repaint(WindowId id) {
  if (Win* w = Find(id); w != nullptr && w->events != nullptr) w->events->OnPaint();
}

void Win32Platform::AcceptDroppedFiles(WindowId id, bool accept) {
  Win* w = Find(id);
  if (w == nullptr) return;
  w->accept_drops = accept;
  if (w->hwnd != nullptr) DragAcceptFiles(w->hwnd, accept ? TRUE : FALSE);
}

// The topmost modal window counts as holding the focus: it is the only one taking input.
bool Win32Platform::HasFocus(WindowId id) {
  Win* w = Find(id);
  if (w == nullptr || !w->visible) return false;
  return modal_.HoldsFocus(id, GetForegroundWindow() == w->hwnd);
}

}  // namespace tinto::win32
