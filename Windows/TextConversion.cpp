#include "platform/TextConversion.h"

#include <windows.h>

#include <cstring>

namespace platform {
namespace {

constexpr UINT kShiftJIS = 932;

// Character by character, so that one byte that forms no character costs only itself.
std::wstring WideByCharacter(const char* source, size_t length) {
  std::wstring wide;
  size_t at = 0;
  while (at < length) {
    const BYTE lead = static_cast<BYTE>(source[at]);
    const size_t size = IsDBCSLeadByteEx(kShiftJIS, lead) && at + 1 < length ? 2 : 1;
    wchar_t units[2];
    const int got = MultiByteToWideChar(kShiftJIS, MB_ERR_INVALID_CHARS, source + at, static_cast<int>(size), units, 2);
    if (got > 0) {
      wide.append(units, static_cast<size_t>(got));
      at += size;
    } else {
      wide.push_back(0xFFFD);
      at += 1;
    }
  }
  return wide;
}

}  // namespace

// The Windows conversion either fits whole or yields nothing.
ConversionOverflow ShiftJISConversionOverflow() { return ConversionOverflow::kYieldNothing; }

bool ConvertShiftJISToUTF8(const char* source, std::string* utf8) {
  if (utf8 == nullptr) return false;
  utf8->clear();
  if (source == nullptr) source = "";
  const size_t length = std::strlen(source);
  if (length == 0) return true;
  if (length > 0x3FFFFFFF) return false;

  std::wstring wide(length, L'\0');
  int units = MultiByteToWideChar(kShiftJIS, MB_ERR_INVALID_CHARS, source, static_cast<int>(length), &wide[0],
                                  static_cast<int>(length));
  if (units > 0) {
    wide.resize(static_cast<size_t>(units));
  } else {
    wide = WideByCharacter(source, length);
  }
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return false;
  utf8->resize(static_cast<size_t>(bytes));
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &(*utf8)[0], bytes, nullptr, nullptr);
  return true;
}

}  // namespace platform
