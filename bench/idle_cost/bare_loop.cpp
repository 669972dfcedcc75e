// The yardsticks for the program's idle cost, in the plainest SDL2 loop, which sleeps in
// SDL_WaitEventTimeout between ticks. Runs until SIGTERM.
//
//   idle_bare_loop           one shown window and the program's two timers (10 ms and
//                            125 ms), woken for every tick of both; draws nothing.
//   idle_bare_loop --marker  one shown window and one 100 ms timer whose every tick draws
//                            a 15 x 16 rectangle in another colour and shows it: the least
//                            a program can do that shows a moving marker, as the colour
//                            picker does.
//   idle_bare_loop --sleep   no window and no SDL: sleeps 100 ms at a time, nothing else.
//                            What ten wake-ups a second cost on this machine before any
//                            work: the floor under a window that changes ten times a
//                            second.
#include <SDL.h>
#include <time.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--sleep") == 0) {
    const timespec step{0, 100'000'000};
    for (;;) nanosleep(&step, nullptr);
  }
  const bool marker = argc > 1 && std::strcmp(argv[1], "--marker") == 0;
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "idle_bare_loop: %s\n", SDL_GetError());
    return 1;
  }
  SDL_Window* window = SDL_CreateWindow("Idle yardstick", SDL_WINDOWPOS_CENTERED,
                                        SDL_WINDOWPOS_CENTERED, 844, 410, SDL_WINDOW_BORDERLESS);
  if (window == nullptr) return 1;
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (surface != nullptr) {
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 32, 32, 96));
    SDL_UpdateWindowSurface(window);
  }
  const std::vector<std::uint64_t> interval =
      marker ? std::vector<std::uint64_t>{100} : std::vector<std::uint64_t>{10, 125};
  std::vector<std::uint64_t> ticks(interval.size(), 0);
  std::vector<std::uint64_t> due;
  for (const std::uint64_t i : interval) due.push_back(SDL_GetTicks64() + i);
  for (bool running = true; running;) {
    const std::uint64_t now = SDL_GetTicks64();
    for (std::size_t t = 0; t < interval.size(); ++t) {
      bool ticked = false;
      while (due[t] <= now) {
        ++ticks[t];
        due[t] += interval[t];
        ticked = true;
      }
      if (ticked && marker && surface != nullptr) {
        SDL_Rect r{61, 39, 15, 16};
        SDL_FillRect(surface, &r, SDL_MapRGB(surface->format, 0, 0, 32 * (ticks[t] % 8)));
        SDL_UpdateWindowSurfaceRects(window, &r, 1);
      }
    }
    const std::uint64_t next = *std::min_element(due.begin(), due.end());
    SDL_Event ev;
    const int timeout = next > now ? static_cast<int>(next - now) : 0;
    if (SDL_WaitEventTimeout(&ev, timeout) != 0 && ev.type == SDL_QUIT) running = false;
  }
  for (const std::uint64_t n : ticks)
    std::printf("ticks %llu\n", static_cast<unsigned long long>(n));
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
