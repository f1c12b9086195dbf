// The host's Unicode strings: what ai::UnicodeString handles point to.
#ifndef KESTRUNE_SIMHOST_STRINGS_H
#define KESTRUNE_SIMHOST_STRINGS_H

#include <string>

#include "IAIUnicodeString.h"

namespace ai {
struct UnicodeStringImpl {
  std::u32string text;
};
}  // namespace ai

namespace simhost {

class SuiteRegistry;

std::u32string TextOf(const ai::UnicodeString& str);
std::string Utf8Of(const ai::UnicodeString& str);
// Stores text into a string handle, replacing what it held. Host-side only.
void Assign(ai::UnicodeString& str, const std::u32string& text);
void AssignUtf8(ai::UnicodeString& str, const std::string& utf8);
int LiveStrings();

void PublishStringSuites(SuiteRegistry& registry);

}  // namespace simhost

#endif
