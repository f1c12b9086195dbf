// Character-set conversion of the program's own Shift-JIS texts.
#ifndef KESTRUNE_PLATFORM_TEXTCONVERSION_H
#define KESTRUNE_PLATFORM_TEXTCONVERSION_H

#include <string>

namespace platform {

// What a conversion into a field does with a text that does not fit.
enum class ConversionOverflow {
  kYieldNothing,        // the field stays empty (Windows)
  kCutAtLastCharacter,  // cut behind the last whole character that fits (macOS, Linux)
};

ConversionOverflow ShiftJISConversionOverflow();

// The whole of a zero-terminated Shift-JIS (code page 932) text in UTF-8. Bytes that
// form no Shift-JIS character become U+FFFD, so the rest of the text survives. False,
// with utf8 empty, when no converter is available.
bool ConvertShiftJISToUTF8(const char* source, std::string* utf8);

}  // namespace platform

#endif
