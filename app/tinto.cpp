#include "app/tinto.h"

namespace tinto {
int RunTinto(Platform&) { return 0; }
}  // namespace tinto
