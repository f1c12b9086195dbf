#include "platform/TextConversion.h"

#include <cstring>
#include <vector>

#include "system/TextEncodingConverter.h"

namespace platform {

// The converter reports how much it produced; a field takes what fits of that, cut
// behind the last whole character.
ConversionOverflow ShiftJISConversionOverflow() { return ConversionOverflow::kCutAtLastCharacter; }

namespace {

const char kReplacementCharacter[] = "\xEF\xBF\xBD";

class Converter {
 public:
  Converter() {
    TextEncoding from =
        CreateTextEncoding(kTextEncodingShiftJIS, kTextEncodingDefaultVariant, kTextEncodingDefaultFormat);
    TextEncoding to = CreateTextEncoding(kTextEncodingUnicodeDefault, kTextEncodingDefaultVariant, kUnicodeUTF8Format);
    if (TECCreateConverter(&converter_, from, to) != 0) converter_ = nullptr;
  }
  ~Converter() {
    if (converter_ != nullptr) TECDisposeConverter(converter_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Ready() const { return converter_ != nullptr; }

  // Converts what it can of the input; returns the bytes consumed and appends the
  // output. A Shift-JIS character becomes at most three UTF-8 bytes.
  size_t Convert(const unsigned char* input, size_t length, std::string* utf8) {
    std::vector<unsigned char> output(length * 3 + 16);
    ByteCount used = 0;
    ByteCount produced = 0;
    TECConvertText(converter_, input, length, &used, output.data(), output.size(), &produced);
    utf8->append(reinterpret_cast<const char*>(output.data()), produced);
    return used;
  }

  void Flush(std::string* utf8) {
    unsigned char output[64];
    ByteCount produced = 0;
    TECFlushText(converter_, output, sizeof(output), &produced);
    utf8->append(reinterpret_cast<const char*>(output), produced);
  }

 private:
  TECObjectRef converter_ = nullptr;
};

}  // namespace

bool ConvertShiftJISToUTF8(const char* source, std::string* utf8) {
  if (utf8 == nullptr) return false;
  utf8->clear();
  Converter converter;
  if (!converter.Ready()) return false;
  if (source == nullptr) source = "";

  const unsigned char* input = reinterpret_cast<const unsigned char*>(source);
  size_t left = std::strlen(source);
  while (left > 0) {
    size_t used = converter.Convert(input, left, utf8);
    if (used > left) used = left;
    input += used;
    left -= used;
    if (left == 0) break;
    // The converter stopped at a byte that starts no character: mark it and go on
    // behind it, so the rest of the text survives.
    converter.Flush(utf8);
    utf8->append(kReplacementCharacter);
    ++input;
    --left;
  }
  converter.Flush(utf8);
  return true;
}

}  // namespace platform
