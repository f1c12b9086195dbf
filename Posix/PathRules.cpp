#include "platform/PathRules.h"

#include <cstring>

namespace platform {

char PathSeparator() { return '/'; }

// macOS file systems fold case, yet the plug-in has always taken only these two
// spellings there; Linux keeps the same rule.
AIExtensionRule AIFileExtensionRule() { return AIExtensionRule::kLowerOrUpperCase; }

namespace {
bool CopyWhole(const char* text, char* out, size_t capacity) {
  if (out == nullptr || capacity == 0) return false;
  out[0] = 0;
  if (text == nullptr) return false;
  size_t length = std::strlen(text);
  if (length >= capacity) return false;
  std::memcpy(out, text, length + 1);
  return true;
}
}  // namespace

// Paths are UTF-8 bytes already.
bool PathTextFromUTF8(const char* utf8, PlatformPathChar* out, size_t capacity) {
  return CopyWhole(utf8, out, capacity);
}

bool UTF8FromPathText(const PlatformPathChar* path, char* out, size_t capacity) {
  return CopyWhole(path, out, capacity);
}

}  // namespace platform
