// How long a pressed button keeps its pressed look before it acts, in every window: most
// buttons, and the slow ones (minimise, close, frame steps, the dialogs' confirmations).
#pragma once

namespace tinto {

inline constexpr int kPressDelay = 100;
inline constexpr int kLongPressDelay = 300;

}  // namespace tinto
