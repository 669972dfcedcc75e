// Shift-JIS conversion through the C library's iconv, code page "CP932".
#include <iconv.h>

#include <cerrno>

#include "gfx/sjis.h"

namespace tinto::gfx {
namespace {

constexpr std::size_t kFailed = static_cast<std::size_t>(-1);

std::optional<std::string> Convert(const char* to, const char* from, std::string_view in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;  // NOLINT: iconv's failure value

  std::string out(in.size() * 2 + 16, '\0');
  char* in_ptr = const_cast<char*>(in.data());
  std::size_t in_left = in.size();
  std::size_t used = 0;
  bool flushing = false;  // all input converted; writing out any pending state
  bool ok = true;
  while (true) {
    char* out_ptr = out.data() + used;
    std::size_t out_left = out.size() - used;
    std::size_t r = flushing ? iconv(cd, nullptr, nullptr, &out_ptr, &out_left)
                             : iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
    used = out.size() - out_left;
    if (r == kFailed && errno == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    if (r == kFailed) {  // EILSEQ: unconvertible; EINVAL: a sequence cut off at the end
      ok = false;
      break;
    }
    if (flushing) break;
    flushing = true;
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(used);
  return out;
}

}  // namespace

std::optional<std::string> Utf8ToSjis(std::string_view utf8) {
  return Convert("CP932", "UTF-8", utf8);
}

std::optional<std::string> SjisToUtf8(std::string_view sjis) {
  return Convert("UTF-8", "CP932", sjis);
}

}  // namespace tinto::gfx
