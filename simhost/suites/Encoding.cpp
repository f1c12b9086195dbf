#include "suites/Encoding.h"

#include <vector>

#include "os/CodePage.h"

namespace simhost {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

bool CodePointsFromUtf8(const std::string& bytes, std::u32string* out, bool lenient) {
  out->clear();
  size_t i = 0;
  const size_t n = bytes.size();
  while (i < n) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
    char32_t cp = extra == 0 ? c : extra == 1 ? (c & 0x1F) : extra == 2 ? (c & 0x0F) : (c & 0x07);
    bool valid = extra >= 0 && i + static_cast<size_t>(extra) < n;
    for (int k = 1; valid && k <= extra; ++k) {
      unsigned char cc = static_cast<unsigned char>(bytes[i + k]);
      if ((cc & 0xC0) != 0x80) valid = false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    static const char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (valid && (cp < kMin[extra < 0 ? 0 : extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) valid = false;
    if (!valid) {
      if (!lenient) return false;
      out->push_back(kReplacement);
      ++i;
      continue;
    }
    out->push_back(cp);
    i += static_cast<size_t>(extra) + 1;
  }
  return true;
}

std::string Utf8FromCodePoints(const std::u32string& text) {
  std::string out;
  for (char32_t cp : text) {
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

bool ShiftJISToCodePoints(const std::string& bytes, std::u32string* out) {
  std::string utf8;
  if (!os::Utf8FromCodePage932(bytes, &utf8)) return false;
  return CodePointsFromUtf8(utf8, out, false);
}

bool Decode(const std::string& bytes, AICharacterEncoding encoding, std::u32string* out) {
  switch (encoding) {
    case kAIUTF8CharacterEncoding:
      return CodePointsFromUtf8(bytes, out, false);
    case kAIJapaneseCharacterEncoding:
      return ShiftJISToCodePoints(bytes, out);
    case kAIUTF16CharacterEncoding: {
      out->clear();
      for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit = static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
          char32_t low = static_cast<unsigned char>(bytes[i + 2]) | (static_cast<unsigned char>(bytes[i + 3]) << 8);
          if (low >= 0xDC00 && low <= 0xDFFF) {
            out->push_back(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
            i += 2;
            continue;
          }
        }
        out->push_back(unit);
      }
      return true;
    }
    case kAIRomanCharacterEncoding:
      out->clear();
      for (unsigned char c : bytes) out->push_back(c);
      return true;
    case kAIPlatformCharacterEncoding:
    default:
      return CodePointsFromUtf8(bytes, out, true);
  }
}

std::string Encode(const std::u32string& text, AICharacterEncoding encoding) {
  switch (encoding) {
    case kAIJapaneseCharacterEncoding: {
      return os::CodePage932FromUtf8(Utf8FromCodePoints(text));
    }
    case kAIUTF16CharacterEncoding: {
      std::string out;
      auto put = [&out](char32_t unit) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>((unit >> 8) & 0xFF));
      };
      for (char32_t cp : text) {
        if (cp >= 0x10000) {
          put(0xD800 + ((cp - 0x10000) >> 10));
          put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
          put(cp);
        }
      }
      return out;
    }
    case kAIRomanCharacterEncoding: {
      std::string out;
      for (char32_t cp : text) out.push_back(cp < 0x100 ? static_cast<char>(cp) : '?');
      return out;
    }
    case kAIUTF8CharacterEncoding:
    case kAIPlatformCharacterEncoding:
    default:
      return Utf8FromCodePoints(text);
  }
}

}  // namespace simhost
