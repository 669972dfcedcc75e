// The yardstick for the cost of playback: the plainest SDL2 program that does what a
// zoomed movie at full speed does, stretching one 214 x 160 frame to 428 x 320 into its
// window and presenting that rectangle every 10 ms (alternating between two frames so
// every present changes pixels). Runs until SIGTERM.
#include <SDL.h>

#include <cstdint>
#include <cstdio>
#include <vector>

int main() {
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "stretch_loop: %s\n", SDL_GetError());
    return 1;
  }
  SDL_Window* window = SDL_CreateWindow("Stretch yardstick", SDL_WINDOWPOS_CENTERED,
                                        SDL_WINDOWPOS_CENTERED, 844, 410, SDL_WINDOW_BORDERLESS);
  if (window == nullptr) return 1;
  constexpr int kW = 214, kH = 160;
  std::vector<std::uint32_t> frames[2];
  for (int f = 0; f < 2; ++f) {
    frames[f].resize(kW * kH);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x)
        frames[f][static_cast<std::size_t>(y * kW + x)] =
            static_cast<std::uint32_t>((x * 255 / kW) << 16 | (y * 255 / kH) << 8 | (f ? 200 : 60));
  }
  std::uint64_t due = SDL_GetTicks64() + 10;
  std::uint64_t count = 0;
  for (bool running = true; running;) {
    const std::uint64_t now = SDL_GetTicks64();
    if (now >= due) {
      while (due <= now) due += 10;
      SDL_Surface* surface = SDL_GetWindowSurface(window);
      if (surface != nullptr && SDL_LockSurface(surface) == 0) {
        const std::vector<std::uint32_t>& frame = frames[count++ % 2];
        for (int y = 0; y < 2 * kH; ++y) {
          auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface->pixels) +
                                                       (45 + y) * surface->pitch);
          const std::uint32_t* in = frame.data() + (y / 2) * kW;
          for (int x = 0; x < 2 * kW; ++x) row[x] = in[x / 2];
        }
        SDL_UnlockSurface(surface);
        const SDL_Rect rect{0, 45, 2 * kW, 2 * kH};
        SDL_UpdateWindowSurfaceRects(window, &rect, 1);
      }
    }
    SDL_Event ev;
    const std::uint64_t after = SDL_GetTicks64();
    const int timeout = due > after ? static_cast<int>(due - after) : 0;
    if (SDL_WaitEventTimeout(&ev, timeout) != 0 && ev.type == SDL_QUIT) running = false;
  }
  std::printf("frames %llu\n", static_cast<unsigned long long>(count));
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
