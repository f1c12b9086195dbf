// A stand-in for CoreServices' Text Encoding Converter, on iconv, so that the macOS
// conversion code runs here. It accepts only the published encoding values for
// Shift_JIS in and UTF-8 out, and behaves as the converter is documented to: it
// stops at a byte it cannot map, reporting how much it read and wrote.
#include <errno.h>
#include <iconv.h>

#include <cstring>

#include "system/TextEncodingConverter.h"

namespace {
constexpr OSStatus kParamErr = -50;
constexpr OSStatus kTextMalformedInputErr = -8739;
constexpr OSStatus kTECOutputBufferFullStatus = -8785;

struct OpaqueTECObjectRefImpl {
  iconv_t iconv;
};
}  // namespace

struct OpaqueTECObjectRef : OpaqueTECObjectRefImpl {};

extern "C" {

int gFakeTECConverters = 0;  // open converters, to catch one that is never disposed

TextEncoding CreateTextEncoding(TextEncodingBase base, TextEncodingVariant variant, TextEncodingFormat format) {
  return (base & 0xFFFF) | ((variant & 0x3F) << 16) | ((format & 0x3F) << 26);
}

OSStatus TECCreateConverter(TECObjectRef* converter, TextEncoding from, TextEncoding to) {
  if (converter == nullptr) return kParamErr;
  *converter = nullptr;
  if (from != 0x0A01 || to != (0x0100 | (2u << 26))) return kParamErr;
  iconv_t handle = iconv_open("UTF-8", "CP932");
  if (handle == reinterpret_cast<iconv_t>(-1)) return kParamErr;
  *converter = new OpaqueTECObjectRef{{handle}};
  ++gFakeTECConverters;
  return 0;
}

OSStatus TECConvertText(TECObjectRef converter, ConstTextPtr input, ByteCount inputLength, ByteCount* used,
                        TextPtr output, ByteCount outputLength, ByteCount* produced) {
  char* in = reinterpret_cast<char*>(const_cast<unsigned char*>(input));
  size_t inLeft = inputLength;
  char* out = reinterpret_cast<char*>(output);
  size_t outLeft = outputLength;
  size_t result = iconv(converter->iconv, &in, &inLeft, &out, &outLeft);
  *used = inputLength - inLeft;
  *produced = outputLength - outLeft;
  if (result != static_cast<size_t>(-1)) return 0;
  return errno == E2BIG ? kTECOutputBufferFullStatus : kTextMalformedInputErr;
}

OSStatus TECFlushText(TECObjectRef, TextPtr, ByteCount, ByteCount* produced) {
  *produced = 0;
  return 0;
}

OSStatus TECDisposeConverter(TECObjectRef converter) {
  if (converter == nullptr) return kParamErr;
  iconv_close(converter->iconv);
  delete converter;
  --gFakeTECConverters;
  return 0;
}
}
