// The yardstick for start-up: an SDL2 program that opens a borderless window of the main
// window's size, fills it, shows it and writes the moment its pixels reached the shown
// window to the file named by TINTO_FIRST_PAINT_FILE (as the program's own marker does),
// then waits for SIGTERM.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

int main() {
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "startup_first_window: %s\n", SDL_GetError());
    return 1;
  }
  SDL_Window* window = SDL_CreateWindow("Start-up yardstick", SDL_WINDOWPOS_CENTERED,
                                        SDL_WINDOWPOS_CENTERED, 844, 410, SDL_WINDOW_BORDERLESS);
  if (window == nullptr) return 1;
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (surface == nullptr) return 1;
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 32, 32, 96));
  SDL_UpdateWindowSurface(window);
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  if (const char* path = std::getenv("TINTO_FIRST_PAINT_FILE"); path != nullptr) {
    if (std::FILE* f = std::fopen(path, "w"); f != nullptr) {
      std::fprintf(f, "%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
      std::fclose(f);
    }
  }
  for (SDL_Event ev;;)
    if (SDL_WaitEvent(&ev) != 0 && ev.type == SDL_QUIT) break;
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
