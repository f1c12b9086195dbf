// The host's Japanese encoding through the system's own code page 932 table.
#include <windows.h>

#include "os/CodePage.h"
#include "os/windows/WideStrings.h"

namespace simhost {
namespace os {

constexpr UINT kShiftJIS = 932;

bool Utf8FromCodePage932(const std::string& shiftJis, std::string* utf8) {
  utf8->clear();
  if (shiftJis.empty()) return true;
  const int units = MultiByteToWideChar(kShiftJIS, MB_ERR_INVALID_CHARS, shiftJis.data(),
                                        static_cast<int>(shiftJis.size()), nullptr, 0);
  if (units <= 0) return false;
  std::wstring wide(static_cast<size_t>(units), L'\0');
  MultiByteToWideChar(kShiftJIS, MB_ERR_INVALID_CHARS, shiftJis.data(), static_cast<int>(shiftJis.size()), &wide[0],
                      units);
  *utf8 = Utf8(wide);
  return true;
}

// Character by character, so that each one the code page lacks is one "?".
std::string CodePage932FromUtf8(const std::string& utf8) {
  const std::wstring wide = Wide(utf8);
  std::string shiftJis;
  for (size_t i = 0; i < wide.size();) {
    const size_t size = wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size() ? 2 : 1;
    char bytes[8];
    BOOL lost = FALSE;
    const int got = WideCharToMultiByte(kShiftJIS, WC_NO_BEST_FIT_CHARS, wide.data() + i, static_cast<int>(size), bytes,
                                        sizeof(bytes), nullptr, &lost);
    if (got <= 0 || lost) {
      shiftJis.push_back('?');
    } else {
      shiftJis.append(bytes, static_cast<size_t>(got));
    }
    i += size;
  }
  return shiftJis;
}

}  // namespace os
}  // namespace simhost
