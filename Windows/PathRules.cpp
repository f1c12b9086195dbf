#include "platform/PathRules.h"

#include <windows.h>

#include <climits>
#include <string>

namespace platform {

char PathSeparator() { return '\\'; }

// Windows file systems fold case, and so does the plug-in's test of ".ai" there.
AIExtensionRule AIFileExtensionRule() { return AIExtensionRule::kAnyCase; }

// Paths are UTF-16: text that is not valid UTF-8 is refused rather than turned into a
// name that would open some other file.
bool PathTextFromUTF8(const char* utf8, PlatformPathChar* out, size_t capacity) {
  if (out == nullptr || capacity == 0) return false;
  out[0] = 0;
  if (utf8 == nullptr) return false;
  if (utf8[0] == 0) return true;
  const int room = capacity > INT_MAX ? INT_MAX : static_cast<int>(capacity);
  if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, out, room) == 0) {
    out[0] = 0;
    return false;
  }
  return true;
}

// NTFS allows names that are not valid UTF-16 (an unpaired surrogate). Such a unit
// becomes U+FFFD, as undecodable bytes do on POSIX systems, so that every file the
// scan finds still has a name to be logged under.
bool UTF8FromPathText(const PlatformPathChar* path, char* out, size_t capacity) {
  if (out == nullptr || capacity == 0) return false;
  out[0] = 0;
  if (path == nullptr) return false;
  if (path[0] == 0) return true;
  std::wstring valid(path);
  for (size_t i = 0; i < valid.size(); ++i) {
    const bool high = valid[i] >= 0xD800 && valid[i] <= 0xDBFF;
    const bool low = valid[i] >= 0xDC00 && valid[i] <= 0xDFFF;
    if (high && i + 1 < valid.size() && valid[i + 1] >= 0xDC00 && valid[i + 1] <= 0xDFFF) {
      ++i;  // a whole pair
    } else if (high || low) {
      valid[i] = 0xFFFD;
    }
  }
  const int room = capacity > INT_MAX ? INT_MAX : static_cast<int>(capacity);
  if (WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, valid.c_str(), -1, out, room, nullptr, nullptr) == 0) {
    out[0] = 0;
    return false;
  }
  return true;
}

}  // namespace platform
