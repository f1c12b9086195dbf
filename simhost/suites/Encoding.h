// Text conversion between the host's character encodings and code points.
#ifndef KESTRUNE_SIMHOST_ENCODING_H
#define KESTRUNE_SIMHOST_ENCODING_H

#include <string>

#include "AICharacterEncoding.h"

namespace simhost {

// Decodes bytes in the given encoding. Strict UTF-8 and Shift-JIS fail (false) on
// bytes they cannot decode; the platform encoding (UTF-8 here) and Roman never fail:
// bad bytes become U+FFFD or Latin-1 characters.
bool Decode(const std::string& bytes, AICharacterEncoding encoding, std::u32string* out);
// Encodes code points; characters the encoding cannot hold become "?".
std::string Encode(const std::u32string& text, AICharacterEncoding encoding);

// Shift-JIS as the host's Japanese encoding (Windows code page 932).
bool ShiftJISToCodePoints(const std::string& bytes, std::u32string* out);
std::string Utf8FromCodePoints(const std::u32string& text);
bool CodePointsFromUtf8(const std::string& bytes, std::u32string* out, bool lenient);

}  // namespace simhost

#endif
