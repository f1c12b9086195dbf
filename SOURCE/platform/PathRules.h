// How the platform names files: the character paths are made of, the separator, and
// which names count as .ai files. The logic asks here instead of testing the platform.
#ifndef KESTRUNE_PLATFORM_PATHRULES_H
#define KESTRUNE_PLATFORM_PATHRULES_H

#include <cstddef>

// Paths as the platform's file services take them: UTF-16 units on Windows, UTF-8
// bytes elsewhere.
#if defined(_WIN32)
typedef wchar_t PlatformPathChar;
#else
typedef char PlatformPathChar;
#endif

namespace platform {

enum class AIExtensionRule {
  kLowerOrUpperCase,  // ".ai" or ".AI" exactly (macOS, Linux)
  kAnyCase,           // ".ai", ".AI", ".Ai", ".aI" (Windows)
};

// Between a folder and the names in it ('/' or '\\').
char PathSeparator();
AIExtensionRule AIFileExtensionRule();

// A UTF-8 text in the platform's path form, zero-terminated in capacity characters.
// False, with out empty, when it does not fit or is not valid text.
bool PathTextFromUTF8(const char* utf8, PlatformPathChar* out, size_t capacity);
// And back, into capacity bytes, U+FFFD for what UTF-8 cannot hold; false, with out empty, when it does not fit.
bool UTF8FromPathText(const PlatformPathChar* path, char* out, size_t capacity);

}  // namespace platform

#endif
