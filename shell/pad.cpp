// Number padding and the box hit test.
#include "shell/pad.h"

#include <cstdint>

namespace tinto {
namespace {

std::string LastChars(const std::string& text, int width) {
  if (width <= 0) return {};
  const auto w = static_cast<std::size_t>(width);
  return text.size() <= w ? text : text.substr(text.size() - w);
}

}  // namespace

std::string ZeroPad(int width, int value) {
  return LastChars(std::to_string(std::int64_t{value} + 1000000000), width);
}

std::string PadNumber(int width, int value) {
  std::string text = std::to_string(value);
  if (width <= 0) return {};
  const auto w = static_cast<std::size_t>(width);
  if (text.size() >= w) return LastChars(text, width);
  return std::string(w - text.size(), ' ') + text;
}

bool PointInBox(int x, int y, int left, int top, int width, int height) {
  // 64-bit sums: a box near the integer limits must not overflow.
  return left < x && std::int64_t{x} < std::int64_t{left} + width && top < y &&
         std::int64_t{y} < std::int64_t{top} + height;
}

}  // namespace tinto
