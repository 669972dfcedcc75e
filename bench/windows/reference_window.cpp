// The yardstick for Tinto.exe: the plainest Win32 program with the main window's borderless
// window and its two window timers (10 ms and 125 ms), a GetMessage loop, and a bitmap of
// the window's size painted with BitBlt on WM_PAINT. The moment its first paint reaches the
// shown window goes to TINTO_FIRST_PAINT_FILE, by the program's own marker.
//   reference_window            idle: the timers tick and nothing else happens
//   reference_window --stretch  playback: every 10 ms tick stretches one movie frame to
//                               twice its size at the zoomed movie's place (StretchDIBits),
//                               alternating between two frames so every tick changes pixels
// Runs until the window is closed or the process is ended.
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/paint_mark.h"
#include "platform/win32/win32.h"
#include "shell/main_canvas.h"
#include "viewer/frame_strips.h"

namespace {

constexpr int kWidth = tinto::kSkinOffset.x + tinto::kSkinWidth;
constexpr int kHeight = tinto::kSkinHeight;
constexpr int kFrameWidth = tinto::kMovieStrip.frame_width;
constexpr int kFrameHeight = tinto::kMovieStrip.frame_height;
// The zoomed movie: twice the frame, at the window's left edge, 45 pixels down.
constexpr int kZoomTop = 45;
constexpr UINT_PTR kFrameTimer = 1;
constexpr UINT_PTR kMainTimer = 2;

struct State {
  HDC buffer_dc = nullptr;  // the window's picture, a DIB section in a memory DC
  bool stretch = false;
  std::vector<std::uint32_t> frames[2];
  BITMAPINFO frame_info{};
  std::uint64_t ticks[2] = {0, 0};
};
State state;

BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

void StretchFrame(HWND hwnd) {
  const std::vector<std::uint32_t>& frame = state.frames[state.ticks[0] % 2];
  HDC dc = GetDC(hwnd);
  StretchDIBits(dc, 0, kZoomTop, 2 * kFrameWidth, 2 * kFrameHeight, 0, 0, kFrameWidth, kFrameHeight,
                frame.data(), &state.frame_info, DIB_RGB_COLORS, SRCCOPY);
  ReleaseDC(hwnd, dc);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      BitBlt(dc, 0, 0, kWidth, kHeight, state.buffer_dc, 0, 0, SRCCOPY);
      EndPaint(hwnd, &ps);
      tinto::MarkFirstPaint();
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_TIMER:
      if (wp == kFrameTimer) {
        ++state.ticks[0];
        if (state.stretch) StretchFrame(hwnd);
      } else if (wp == kMainTimer) {
        ++state.ticks[1];
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR command_line, int /*show*/) {
  state.stretch = std::strstr(command_line, "--stretch") != nullptr;
  SetProcessDPIAware();

  const BITMAPINFO info = TopDown32(kWidth, kHeight);
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (picture == nullptr) return 1;
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      pixels[y * kWidth + x] = static_cast<std::uint32_t>((x * 255 / kWidth) << 16 | 96);
  state.buffer_dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old_picture = SelectObject(state.buffer_dc, picture);

  state.frame_info = TopDown32(kFrameWidth, kFrameHeight);
  for (int f = 0; f < 2; ++f) {
    state.frames[f].resize(static_cast<std::size_t>(kFrameWidth * kFrameHeight));
    for (int y = 0; y < kFrameHeight; ++y)
      for (int x = 0; x < kFrameWidth; ++x)
        state.frames[f][static_cast<std::size_t>(y * kFrameWidth + x)] = static_cast<std::uint32_t>(
            (x * 255 / kFrameWidth) << 16 | (y * 255 / kFrameHeight) << 8 | (f ? 200 : 60));
  }

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = L"ReferenceWindow";
  RegisterClassExW(&wc);
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"Reference window", WS_POPUP, x, y, kWidth,
                              kHeight, nullptr, nullptr, instance, nullptr);
  if (hwnd == nullptr) return 1;
  SetTimer(hwnd, kFrameTimer, 10, nullptr);
  SetTimer(hwnd, kMainTimer, 125, nullptr);
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  SelectObject(state.buffer_dc, old_picture);
  DeleteDC(state.buffer_dc);
  DeleteObject(picture);
  return 0;
}
