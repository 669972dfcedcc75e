// Watches a window from outside through the X damage extension and measures how often a
// rectangle of it is repainted: present_watch WINDOW SECONDS X Y W H. Every drawing into
// the window that overlaps the rectangle counts as one presented frame, stamped with the
// X server's time. Prints "frames N", "mean_ms M" and "spread_ms S" (the standard
// deviation of the period between frames).
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 7) {
    std::fprintf(stderr, "usage: present_watch WINDOW SECONDS X Y W H\n");
    return 2;
  }
  const Window window = std::strtoul(argv[1], nullptr, 0);
  const double seconds = std::atof(argv[2]);
  const int rx = std::atoi(argv[3]), ry = std::atoi(argv[4]), rw = std::atoi(argv[5]),
            rh = std::atoi(argv[6]);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 2;
  int event_base = 0, error_base = 0;
  if (!XDamageQueryExtension(display, &event_base, &error_base)) {
    std::fprintf(stderr, "present_watch: no damage extension\n");
    return 2;
  }
  const Damage damage = XDamageCreate(display, window, XDamageReportRawRectangles);
  XFlush(display);
  std::vector<unsigned long> stamps;
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < end) {
    while (XPending(display) > 0) {
      XEvent ev;
      XNextEvent(display, &ev);
      if (ev.type != event_base + XDamageNotify) continue;
      const auto* d = reinterpret_cast<const XDamageNotifyEvent*>(&ev);
      const bool overlaps = d->area.x < rx + rw && d->area.x + d->area.width > rx &&
                            d->area.y < ry + rh && d->area.y + d->area.height > ry;
      // One frame may arrive as several rectangles in the same millisecond.
      if (overlaps && (stamps.empty() || stamps.back() != d->timestamp))
        stamps.push_back(d->timestamp);
    }
    struct timespec pause = {0, 500000};
    nanosleep(&pause, nullptr);
  }
  XDamageDestroy(display, damage);
  XCloseDisplay(display);
  double mean = 0, spread = 0;
  if (stamps.size() >= 2) {
    const double n = double(stamps.size() - 1);
    mean = double(stamps.back() - stamps.front()) / n;
    for (std::size_t i = 1; i < stamps.size(); ++i) {
      const double d = double(stamps[i] - stamps[i - 1]) - mean;
      spread += d * d;
    }
    spread = std::sqrt(spread / n);
  }
  std::printf("frames %zu\nmean_ms %.2f\nspread_ms %.2f\n", stamps.size(), mean, spread);
  return 0;
}
