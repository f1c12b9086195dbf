#include "suites/Strings.h"

#include <cstring>

#include "AIUnicodeString.h"
#include "suites/Encoding.h"
#include "core/Host.h"
#include "suites/Memory.h"
#include "core/SuiteRegistry.h"

namespace simhost {
namespace {

int gLiveStrings = 0;

ai::UnicodeStringImpl* NewImpl(const std::u32string& text) {
  ++gLiveStrings;
  return new ai::UnicodeStringImpl{text};
}

void DeleteImpl(ai::UnicodeStringImpl* impl) {
  if (impl == nullptr) return;
  --gLiveStrings;
  delete impl;
}

char32_t Fold(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 32;
  if (c >= 0xFF21 && c <= 0xFF3A) return c + 32;  // full-width Latin capitals
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
  return c;
}

AIErr Initialize(ai::UnicodeString& str, const char* bytes, ai::sizediff_t byteLen, AICharacterEncoding encoding) {
  if (AIErr err = Fault("AIUnicodeStringSuite.Initialize")) return err;
  if (bytes == nullptr && byteLen != 0) return kBadParameterErr;
  std::string input = bytes == nullptr ? std::string() : byteLen < 0 ? std::string(bytes)
                                                                     : std::string(bytes, static_cast<size_t>(byteLen));
  std::u32string text;
  if (!Decode(input, encoding, &text)) return kBadParameterErr;
  Assign(str, text);
  return kNoErr;
}

AIErr InitializeUTF16(ai::UnicodeString& str, const ASUnicode* units, size_t count) {
  if (AIErr err = Fault("AIUnicodeStringSuite.InitializeUTF16")) return err;
  if (units == nullptr && count != 0) return kBadParameterErr;
  std::string bytes;
  for (size_t i = 0; i < count; ++i) {
    bytes.push_back(static_cast<char>(units[i] & 0xFF));
    bytes.push_back(static_cast<char>(units[i] >> 8));
  }
  std::u32string text;
  Decode(bytes, kAIUTF16CharacterEncoding, &text);
  Assign(str, text);
  return kNoErr;
}

AIErr Copy(ai::UnicodeString& dst, const ai::UnicodeString& src) {
  if (AIErr err = Fault("AIUnicodeStringSuite.Copy")) return err;
  Assign(dst, TextOf(src));
  return kNoErr;
}

AIErr Destroy(ai::UnicodeString& str) {
  Held("AIUnicodeStringSuite.Destroy");
  DeleteImpl(str.GetImpl());
  str.SetImpl(nullptr);
  return kNoErr;
}

AIErr GetAs(const ai::UnicodeString& str, AICharacterEncoding encoding, char** block, size_t* byteLen) {
  if (AIErr err = Fault("AIUnicodeStringSuite.GetAs")) return err;
  if (block == nullptr || byteLen == nullptr) return kBadParameterErr;
  std::string bytes = Encode(TextOf(str), encoding);
  void* memory = nullptr;
  if (AIErr err = Host::Current().memory().Allocate(bytes.size() + 2, &memory)) return err;
  std::memcpy(memory, bytes.data(), bytes.size());
  static_cast<char*>(memory)[bytes.size()] = 0;
  static_cast<char*>(memory)[bytes.size() + 1] = 0;
  *block = static_cast<char*>(memory);
  *byteLen = bytes.size();
  return kNoErr;
}

AIErr Length(const ai::UnicodeString& str, size_t* length) {
  Held("AIUnicodeStringSuite.Length");
  if (length == nullptr) return kBadParameterErr;
  *length = TextOf(str).size();
  return kNoErr;
}

AIErr SubStr(const ai::UnicodeString& str, size_t offset, size_t count, ai::UnicodeString& out) {
  Held("AIUnicodeStringSuite.SubStr");
  std::u32string text = TextOf(str);
  if (offset > text.size()) return kBadParameterErr;
  Assign(out, text.substr(offset, count));
  return kNoErr;
}

AIErr CaseCompare(const ai::UnicodeString& a, const ai::UnicodeString& b, ai::int32* result) {
  Held("AIUnicodeStringSuite.CaseCompare");
  if (result == nullptr) return kBadParameterErr;
  std::u32string x = TextOf(a), y = TextOf(b);
  for (auto& c : x) c = Fold(c);
  for (auto& c : y) c = Fold(c);
  *result = x == y ? 0 : (x < y ? -1 : 1);
  return kNoErr;
}

const AIUnicodeStringSuite kStringSuite = {Initialize, InitializeUTF16, Copy,   Destroy,
                                           GetAs,      Length,          SubStr, CaseCompare};

}  // namespace

std::u32string TextOf(const ai::UnicodeString& str) {
  return str.GetImpl() == nullptr ? std::u32string() : str.GetImpl()->text;
}

std::string Utf8Of(const ai::UnicodeString& str) { return Utf8FromCodePoints(TextOf(str)); }

void Assign(ai::UnicodeString& str, const std::u32string& text) {
  if (str.GetImpl() != nullptr) {
    str.GetImpl()->text = text;
  } else {
    str.SetImpl(NewImpl(text));
  }
}

void AssignUtf8(ai::UnicodeString& str, const std::string& utf8) {
  std::u32string text;
  CodePointsFromUtf8(utf8, &text, true);
  Assign(str, text);
}

int LiveStrings() { return gLiveStrings; }

void PublishStringSuites(SuiteRegistry& registry) {
  registry.Publish(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, &kStringSuite);
}

}  // namespace simhost
