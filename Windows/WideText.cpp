#include "WideText.h"

#include <windows.h>

#include "platform/TextConversion.h"

std::wstring WideFromShiftJIS(const char* text) {
  std::string utf8;
  if (text == nullptr || !platform::ConvertShiftJISToUTF8(text, &utf8) || utf8.empty()) return std::wstring();
  const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  if (units <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], units);
  return wide;
}
