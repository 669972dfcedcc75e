// UTF-8 and UTF-16 conversion: the same as for paths (files/utf8_path.h), so that a name
// read from the system (the command line, a dropped file, the program's own path) reaches
// the file functions exactly as the system spelled it.
#include "platform/win32/wide.h"

#include "files/utf8_path.h"

namespace tinto::win32 {

std::wstring Widen(std::string_view utf8) {
  return WideFromUtf8(utf8);
}

std::string Narrow(std::wstring_view wide) {
  return Utf8FromWide(wide);
}

}  // namespace tinto::win32
