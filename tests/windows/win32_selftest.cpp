// The Windows backend on its own, for its end-to-end test under Wine.
//   win32_selftest TITLE [--wave FILE] [--music FILE]
// (see tests/e2e/backend_selftest.cpp for what it shows and logs).
#include "platform/win32/win32_platform.h"
#include "tests/e2e/backend_selftest.h"

int main(int argc, char** argv) {
  SetProcessDPIAware();
  tinto::win32::Win32Platform platform(GetModuleHandleW(nullptr));
  return RunBackendSelftest(platform, argc, argv);
}
