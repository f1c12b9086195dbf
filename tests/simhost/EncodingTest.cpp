// The host's character encodings.
#include <gtest/gtest.h>

#include "suites/Encoding.h"

namespace {

using simhost::Decode;
using simhost::Encode;

TEST(Encoding, RoundTripsAndRefusals) {
  struct Case {
    std::string bytes;
    AICharacterEncoding encoding;
    bool decodes;
    std::u32string text;
  };
  const Case cases[] = {
      {"\x95\xB6\x8E\x9A", kAIJapaneseCharacterEncoding, true, U"文字"},
      {"abc", kAIJapaneseCharacterEncoding, true, U"abc"},
      {"\x81", kAIJapaneseCharacterEncoding, false, U""},  // a lead byte alone
      {"\xE6\x96\x87", kAIUTF8CharacterEncoding, true, U"文"},
      {"\xE6\x96", kAIUTF8CharacterEncoding, false, U""},           // cut short
      {"\xC0\xAF", kAIUTF8CharacterEncoding, false, U""},           // overlong
      {"\xED\xA0\x80", kAIUTF8CharacterEncoding, false, U""},       // a surrogate
      {"a\xFFz", kAIPlatformCharacterEncoding, true, U"a\uFFFDz"},  // the platform never refuses
      {std::string("\x3D\xD8\x00\xDE", 4), kAIUTF16CharacterEncoding, true, U"\U0001F600"},
      {"\xE9", kAIRomanCharacterEncoding, true, U"\u00E9"},
  };
  for (const Case& c : cases) {
    std::u32string text;
    EXPECT_EQ(Decode(c.bytes, c.encoding, &text), c.decodes) << c.bytes;
    if (!c.decodes) continue;
    EXPECT_EQ(text, c.text) << c.bytes;
    EXPECT_EQ(Encode(text, c.encoding), c.encoding == kAIPlatformCharacterEncoding ? "a\xEF\xBF\xBDz" : c.bytes);
  }
  EXPECT_EQ(Encode(U"a😀", kAIJapaneseCharacterEncoding), "a?") << "what Shift-JIS cannot hold";
}

}  // namespace
