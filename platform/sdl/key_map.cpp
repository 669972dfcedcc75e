// The key table: SDL key symbols to virtual-key codes.
#include "platform/sdl/key_map.h"

#include <X11/keysym.h>

#include <array>

#include "platform/keys.h"

namespace tinto::sdl {

namespace {

struct KeyRow {
  SDL_Keycode sym;
  int vk;
};

// Keys with a code of their own; letters, digits, function keys and the keypad digits
// are ranges, handled below.
constexpr std::array<KeyRow, 39> kKeys = {{
    {SDLK_BACKSPACE, vk::kBack},
    {SDLK_TAB, 9},
    {SDLK_RETURN, vk::kReturn},
    {SDLK_KP_ENTER, vk::kReturn},
    {SDLK_LSHIFT, vk::kShift},
    {SDLK_RSHIFT, vk::kShift},
    {SDLK_LCTRL, vk::kControl},
    {SDLK_RCTRL, vk::kControl},
    {SDLK_LALT, vk::kMenu},
    {SDLK_RALT, vk::kMenu},
    {SDLK_PAUSE, 19},
    {SDLK_CAPSLOCK, 20},
    {SDLK_ESCAPE, vk::kEscape},
    {SDLK_SPACE, vk::kSpace},
    {SDLK_PAGEUP, vk::kPrior},
    {SDLK_PAGEDOWN, vk::kNext},
    {SDLK_END, vk::kEnd},
    {SDLK_HOME, vk::kHome},
    {SDLK_LEFT, vk::kLeft},
    {SDLK_UP, vk::kUp},
    {SDLK_RIGHT, vk::kRight},
    {SDLK_DOWN, vk::kDown},
    {SDLK_PRINTSCREEN, 44},
    {SDLK_INSERT, 45},
    {SDLK_DELETE, vk::kDelete},
    {SDLK_KP_MULTIPLY, 106},
    {SDLK_KP_PLUS, 107},
    {SDLK_KP_MINUS, 109},
    {SDLK_KP_DIVIDE, 111},
    {SDLK_NUMLOCKCLEAR, 144},
    {SDLK_SCROLLLOCK, 145},
    {SDLK_SEMICOLON, 186},
    {SDLK_EQUALS, 187},
    {SDLK_COMMA, vk::kOemComma},
    {SDLK_MINUS, vk::kOemMinus},
    {SDLK_PERIOD, vk::kOemPeriod},
    {SDLK_SLASH, vk::kOemSlash},
    {SDLK_BACKQUOTE, 192},
    {SDLK_QUOTE, 222},
}};

// The keypad with Num Lock off: 0..9 and the decimal point become the keys printed on it.
constexpr std::array<int, 10> kKeypadCursor = {45 /*Insert*/, vk::kEnd,     vk::kDown,  vk::kNext,
                                               vk::kLeft,     12 /*Clear*/, vk::kRight, vk::kHome,
                                               vk::kUp,       vk::kPrior};

constexpr std::array<unsigned long, 2> kShiftSyms = {XK_Shift_L, XK_Shift_R};
constexpr std::array<unsigned long, 2> kControlSyms = {XK_Control_L, XK_Control_R};
constexpr std::array<unsigned long, 2> kAltSyms = {XK_Alt_L, XK_Alt_R};

// The keypad digit of a keypad key, or -1.
int KeypadDigit(SDL_Keycode sym) {
  if (sym == SDLK_KP_0) return 0;
  if (sym >= SDLK_KP_1 && sym <= SDLK_KP_9) return static_cast<int>(sym - SDLK_KP_1) + 1;
  return -1;
}

}  // namespace

int VirtualKey(SDL_Keycode sym, SDL_Scancode scancode, bool num_lock) {
  if (sym >= SDLK_a && sym <= SDLK_z) return vk::kA + static_cast<int>(sym - SDLK_a);
  if (sym >= SDLK_0 && sym <= SDLK_9) return vk::k0 + static_cast<int>(sym - SDLK_0);
  if (sym >= SDLK_F1 && sym <= SDLK_F12) return vk::kF1 + static_cast<int>(sym - SDLK_F1);
  if (sym >= SDLK_F13 && sym <= SDLK_F24) return vk::kF1 + 12 + static_cast<int>(sym - SDLK_F13);
  if (const int digit = KeypadDigit(sym); digit >= 0)
    return num_lock ? vk::kNumpad0 + digit : kKeypadCursor[static_cast<std::size_t>(digit)];
  if (sym == SDLK_KP_PERIOD) return num_lock ? 110 : vk::kDelete;
  for (const KeyRow& row : kKeys)
    if (row.sym == sym) return row.vk;
  // A layout without Latin letters: the letter and digit keys go by their position.
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
    return vk::kA + static_cast<int>(scancode - SDL_SCANCODE_A);
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
    return vk::k0 + 1 + static_cast<int>(scancode - SDL_SCANCODE_1);
  if (scancode == SDL_SCANCODE_0) return vk::k0;
  return 0;
}

std::span<const unsigned long> ModifierKeysyms(int code) {
  switch (code) {
    case vk::kShift:
      return kShiftSyms;
    case vk::kControl:
      return kControlSyms;
    case vk::kMenu:
      return kAltSyms;
    default:
      return {};
  }
}

}  // namespace tinto::sdl
