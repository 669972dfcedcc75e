// window_list: prints every top-level window whose title starts with "Quiro EDIT", one a
// line: its title, "visible" or "hidden", the title of its owner (or "-"), and its
// extended style in hex. The Windows tests run it under Wine beside the program to see
// which window owns which.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string TitleOf(HWND hwnd) {
  wchar_t title[256] = {};
  GetWindowTextW(hwnd, title, 256);
  char utf8[1024] = {};
  WideCharToMultiByte(CP_UTF8, 0, title, -1, utf8, sizeof utf8, nullptr, nullptr);
  return utf8;
}

BOOL CALLBACK Print(HWND hwnd, LPARAM) {
  const std::string title = TitleOf(hwnd);
  if (title.rfind("Quiro EDIT", 0) != 0) return TRUE;
  const HWND owner = GetWindow(hwnd, GW_OWNER);
  std::printf("%s|%s|%s|%08lx\n", title.c_str(), IsWindowVisible(hwnd) ? "visible" : "hidden",
              owner != nullptr ? TitleOf(owner).c_str() : "-",
              static_cast<unsigned long>(GetWindowLongW(hwnd, GWL_EXSTYLE)));
  return TRUE;
}

}  // namespace

int main() {
  EnumWindows(Print, 0);
  return 0;
}
