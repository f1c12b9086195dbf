// The host's Japanese text encoding, code page 932 (Shift_JIS as Windows extends it).
#ifndef KESTRUNE_SIMHOST_OS_CODEPAGE_H
#define KESTRUNE_SIMHOST_OS_CODEPAGE_H

#include <string>

namespace simhost {
namespace os {

// The UTF-8 form of code page 932 text; false when the bytes are not valid in it.
bool Utf8FromCodePage932(const std::string& bytes, std::string* utf8);
// Valid UTF-8 text in code page 932, each character it cannot hold as one "?".
std::string CodePage932FromUtf8(const std::string& utf8);

}  // namespace os
}  // namespace simhost

#endif
