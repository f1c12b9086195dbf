#include "os/CodePage.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace simhost {
namespace os {
namespace {

// Converts with iconv; with lenient (from UTF-8 only), each character the target cannot
// hold becomes "?".
bool Iconv(const char* to, const char* from, const std::string& in, std::string* out, bool lenient) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  out->clear();
  std::vector<char> buffer(in.size() * 4 + 16);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  bool ok = true;
  while (srcLeft > 0) {
    char* dst = buffer.data();
    size_t dstLeft = buffer.size();
    size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out->append(buffer.data(), buffer.size() - dstLeft);
    if (r != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    if (!lenient) {
      ok = false;
      break;
    }
    unsigned char lead = static_cast<unsigned char>(*src);
    size_t skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (skip > srcLeft) skip = srcLeft;
    out->append("?");
    src += skip;
    srcLeft -= skip;
  }
  iconv_close(cd);
  return ok;
}

}  // namespace

bool Utf8FromCodePage932(const std::string& bytes, std::string* utf8) {
  return Iconv("UTF-8", "CP932", bytes, utf8, false);
}

std::string CodePage932FromUtf8(const std::string& utf8) {
  std::string bytes;
  Iconv("CP932", "UTF-8", utf8, &bytes, true);
  return bytes;
}

}  // namespace os
}  // namespace simhost
