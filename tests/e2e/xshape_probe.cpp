// Reads a window's bounding shape from outside, as the X server holds it:
//   xshape_probe WINDOW [--rects] [X,Y ...]
// prints "rects N", "area A" and "bounds X Y W H" of the shape, with --rects each
// rectangle as "rect X Y W H", then "X,Y in" or "X,Y out" for each point given (window
// coordinates). An unshaped window reports its full rectangle. Exit status 2 when the
// window or the display cannot be read.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int Failed(Display*, XErrorEvent*) {
  std::fprintf(stderr, "xshape_probe: X error (no such window?)\n");
  std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: xshape_probe WINDOW [X,Y ...]\n");
    return 2;
  }
  Display* d = XOpenDisplay(nullptr);
  if (d == nullptr) return 2;
  XSetErrorHandler(&Failed);
  const Window w = std::strtoul(argv[1], nullptr, 0);
  int count = 0, ordering = 0;
  XRectangle* rects = XShapeGetRectangles(d, w, ShapeBounding, &count, &ordering);
  long long area = 0;
  int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
  for (int i = 0; i < count; ++i) {
    const XRectangle& r = rects[i];
    area += static_cast<long long>(r.width) * r.height;
    x0 = std::min(x0, static_cast<int>(r.x));
    y0 = std::min(y0, static_cast<int>(r.y));
    x1 = std::max(x1, r.x + r.width);
    y1 = std::max(y1, r.y + r.height);
  }
  std::printf("rects %d\narea %lld\n", count, area);
  if (count > 0) std::printf("bounds %d %d %d %d\n", x0, y0, x1 - x0, y1 - y0);
  for (int a = 2; a < argc; ++a) {
    if (std::string(argv[a]) == "--rects")
      for (int i = 0; i < count; ++i)
        std::printf("rect %d %d %d %d\n", rects[i].x, rects[i].y, rects[i].width, rects[i].height);
    int x = 0, y = 0;
    if (std::sscanf(argv[a], "%d,%d", &x, &y) != 2) continue;
    bool in = false;
    for (int i = 0; i < count && !in; ++i) {
      const XRectangle& r = rects[i];
      in = x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height;
    }
    std::printf("%d,%d %s\n", x, y, in ? "in" : "out");
  }
  if (rects != nullptr) XFree(rects);
  XCloseDisplay(d);
  return 0;
}
