#include "platform/PathRules.h"

#include <windows.h>

#include <climits>

namespace platform {

char PathSeparator() { return '\\'; }

// Windows file systems fold case, and so does the plug-in's test of ".ai" there.
AIExtensionRule AIFileExtensionRule() { return AIExtensionRule::kAnyCase; }

// Paths are UTF-16: text that is not valid UTF-8 (or UTF-16) is refused rather than
// turned into a name that would open some other file.
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

bool UTF8FromPathText(const PlatformPathChar* path, char* out, size_t capacity) {
  if (out == nullptr || capacity == 0) return false;
  out[0] = 0;
  if (path == nullptr) return false;
  if (path[0] == 0) return true;
  const int room = capacity > INT_MAX ? INT_MAX : static_cast<int>(capacity);
  if (WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, path, -1, out, room, nullptr, nullptr) == 0) {
    out[0] = 0;
    return false;
  }
  return true;
}

}  // namespace platform
