// The yardstick for the program's idle cost: one shown window and the program's two
// timers (10 ms and 125 ms) in the plainest SDL2 loop, which wakes for every tick of
// both and sleeps in SDL_WaitEventTimeout in between. Runs until SIGTERM.
#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

int main() {
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
  std::uint64_t ticks[2] = {0, 0};
  const std::uint64_t interval[2] = {10, 125};
  std::uint64_t due[2] = {SDL_GetTicks64() + 10, SDL_GetTicks64() + 125};
  for (bool running = true; running;) {
    const std::uint64_t now = SDL_GetTicks64();
    for (int t = 0; t < 2; ++t) {
      while (due[t] <= now) {
        ++ticks[t];
        due[t] += interval[t];
      }
    }
    const std::uint64_t next = std::min(due[0], due[1]);
    SDL_Event ev;
    const int timeout = next > now ? static_cast<int>(next - now) : 0;
    if (SDL_WaitEventTimeout(&ev, timeout) != 0 && ev.type == SDL_QUIT) running = false;
  }
  std::printf("ticks %llu %llu\n", static_cast<unsigned long long>(ticks[0]),
              static_cast<unsigned long long>(ticks[1]));
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
