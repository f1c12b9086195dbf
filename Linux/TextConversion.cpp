#include "platform/TextConversion.h"

#include <errno.h>
#include <iconv.h>

#include <cstring>

namespace platform {

// The macOS converter reports what fitted; Linux keeps to that.
ConversionOverflow ShiftJISConversionOverflow() { return ConversionOverflow::kCutAtLastCharacter; }

bool ConvertShiftJISToUTF8(const char* source, std::string* utf8) {
  if (utf8 == nullptr) return false;
  utf8->clear();
  iconv_t converter = iconv_open("UTF-8", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return false;
  if (source == nullptr) source = "";

  char* in = const_cast<char*>(source);
  size_t inLeft = std::strlen(source);
  char chunk[256];
  while (inLeft > 0) {
    char* out = chunk;
    size_t outLeft = sizeof(chunk);
    size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    utf8->append(chunk, static_cast<size_t>(out - chunk));
    if (result != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ (no such character) or EINVAL (a lead byte at the very end): mark it and
    // go on behind the offending byte.
    utf8->append("\xEF\xBF\xBD");
    ++in;
    --inLeft;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(converter);
  return true;
}

}  // namespace platform
