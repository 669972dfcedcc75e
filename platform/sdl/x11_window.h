// What SDL does not offer for its own windows on X11: the window shape (bounding region)
// and the per-window choice of being a target for dropped files. Both do nothing when the
// window does not live on an X server.
#pragma once

#include <SDL_video.h>

#include "gfx/region.h"

namespace tinto::sdl {

// Cuts the window to exactly the region's pixels (client coordinates); pixels outside it
// are neither drawn nor hit by the mouse. An empty region leaves nothing visible.
void ShapeWindow(SDL_Window* window, const gfx::Region& region);

// Advertises the window as a drop target (XDND) or withdraws that, so that a file
// manager shows a refusing cursor over windows that take no files.
void SetDropTarget(SDL_Window* window, bool accept);

}  // namespace tinto::sdl
