// The program's Shift-JIS texts as the UTF-16 that window functions take.
#ifndef KESTRUNE_WINDOWS_WIDETEXT_H
#define KESTRUNE_WINDOWS_WIDETEXT_H

#include <string>

// Code page 932; bytes that form no character become U+FFFD.
std::wstring WideFromShiftJIS(const char* text);

#endif
