// SDL keys in the virtual-key codes the windows' key handlers are written in.
#pragma once

#include <SDL_keyboard.h>

#include <span>

namespace tinto::sdl {

// The virtual-key code of a key, or 0 for keys the program has no code for. Letters and
// digits follow the keyboard layout and fall back to the key's position when the layout
// gives no Latin letter. The keypad gives its digits while Num Lock is on, else the
// cursor keys printed on it.
int VirtualKey(SDL_Keycode sym, SDL_Scancode scancode, bool num_lock);

// The X keysyms of the keys that make up a modifier's virtual-key code (Shift, Ctrl,
// Alt): both the left and the right key. Empty for other codes.
std::span<const unsigned long> ModifierKeysyms(int vk);

}  // namespace tinto::sdl
