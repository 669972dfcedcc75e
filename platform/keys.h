// Virtual-key codes, the numbering the windows' key handlers are written in.
#pragma once

namespace tinto::vk {

constexpr int kBack = 8;
constexpr int kReturn = 13;
constexpr int kShift = 16;
constexpr int kControl = 17;
constexpr int kMenu = 18;  // Alt
constexpr int kEscape = 27;
constexpr int kSpace = 32;
constexpr int kPrior = 33;  // Page Up
constexpr int kNext = 34;   // Page Down
constexpr int kEnd = 35;
constexpr int kHome = 36;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kDelete = 46;
constexpr int k0 = 48;        // '0'..'9' are 48..57
constexpr int kA = 65;        // 'A'..'Z' are 65..90
constexpr int kNumpad0 = 96;  // 96..105
constexpr int kF1 = 112;      // F1..F24 are 112..135
constexpr int kF24 = 135;
constexpr int kOemComma = 188;
constexpr int kOemMinus = 189;
constexpr int kOemPeriod = 190;
constexpr int kOemSlash = 191;

}  // namespace tinto::vk
