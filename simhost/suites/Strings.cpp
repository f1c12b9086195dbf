#include "suites/Strings.h"

#include <cstring>

#include "AIUnicodeString.h"
#include "suites/Encoding.h"
#include "core/Host.h"
#include "core/Lending.h"
#include "core/SuiteRegistry.h"
#include "suites/Memory.h"

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

// The wrapper passes strlen; a negative length reads up to the terminator.
AIErr Initialize(ai::UnicodeString& str, const char* bytes, ai::UnicodeString::offset_type byteLen,
                 AICharacterEncoding encoding) {
  if (bytes == nullptr && byteLen != 0) return kBadParameterErr;
  std::string input = bytes == nullptr ? std::string()
                      : byteLen < 0    ? std::string(bytes)
                                       : std::string(bytes, static_cast<size_t>(byteLen));
  std::u32string text;
  if (!Decode(input, encoding, &text)) return kBadParameterErr;
  Assign(str, text);
  return kNoErr;
}

AIErr InitializeUTF16(ai::UnicodeString& str, const ASUnicode* units, ai::UnicodeString::offset_type count) {
  if (count < 0 || (units == nullptr && count != 0)) return kBadParameterErr;
  std::string bytes;
  for (ai::UnicodeString::offset_type i = 0; i < count; ++i) {
    bytes.push_back(static_cast<char>(units[i] & 0xFF));
    bytes.push_back(static_cast<char>(units[i] >> 8));
  }
  std::u32string text;
  Decode(bytes, kAIUTF16CharacterEncoding, &text);
  Assign(str, text);
  return kNoErr;
}

AIErr Destroy(ai::UnicodeString& str) {
  DeleteImpl(str.GetImpl());
  str.SetImpl(nullptr);
  return kNoErr;
}

AIErr CopyText(ai::UnicodeString& dst, const ai::UnicodeString& src) {
  if (&dst != &src) Assign(dst, TextOf(src));
  return kNoErr;
}

// pos and startOffset past the end compare as empty; num and count may run past it.
ai::int32 CaseCompare(const ai::UnicodeString& str, ai::UnicodeString::size_type pos, ai::UnicodeString::size_type num,
                      const ai::UnicodeString& str2, ai::UnicodeString::size_type startOffset,
                      ai::UnicodeString::size_type count) {
  const std::u32string a = TextOf(str), b = TextOf(str2);
  std::u32string x = pos < a.size() ? a.substr(pos, num) : std::u32string();
  std::u32string y = startOffset < b.size() ? b.substr(startOffset, count) : std::u32string();
  for (auto& c : x) c = Fold(c);
  for (auto& c : y) c = Fold(c);
  return x == y ? 0 : (x < y ? -1 : 1);
}

ai::UnicodeString::size_type Length(const ai::UnicodeString& str) { return TextOf(str).size(); }

AIBool8 Empty(const ai::UnicodeString& str) { return TextOf(str).empty() ? 1 : 0; }

AIErr SubStr(ai::UnicodeString& out, const ai::UnicodeString& str, ai::UnicodeString::size_type offset,
             ai::UnicodeString::size_type count) {
  const std::u32string text = TextOf(str);
  if (offset > text.size()) return kBadParameterErr;
  Assign(out, text.substr(offset, count));
  return kNoErr;
}

// The host fills the buffer in place with a block of the SP Blocks allocator, two
// zero bytes past the text, which the buffer gives back; a block it held before is
// given back first.
AIErr GetAs(const ai::UnicodeString& str, AICharacterEncoding encoding, ai::AutoBuffer<char>& buffer,
            ai::UnicodeString::size_type& byteLen) {
  const std::string bytes = Encode(TextOf(str), encoding);
  Memory& memory = Host::Current().memory();
  if (buffer.fBuffer != nullptr) {
    if (AIErr err = memory.Free(buffer.fBuffer)) return err;
    buffer.fBuffer = nullptr;
    buffer.fCapacity = 0;
  }
  void* block = nullptr;
  if (AIErr err = memory.Allocate(bytes.size() + 2, &block)) return err;
  std::memcpy(block, bytes.data(), bytes.size());
  static_cast<char*>(block)[bytes.size()] = 0;
  static_cast<char*>(block)[bytes.size() + 1] = 0;
  buffer.fBuffer = static_cast<char*>(block);
  buffer.fCapacity = bytes.size() + 2;
  byteLen = bytes.size();
  return kNoErr;
}

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
  using S = AIUnicodeStringSuite;
  registry.Publish(Lend<S>(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, Fails<&S::Initialize, Initialize>(),
                           Fails<&S::InitializeUTF16, InitializeUTF16>(), Fails<&S::Destroy, Destroy>(),
                           Fails<&S::Assign, CopyText>(), Fails<&S::Copy, CopyText>(),
                           Answers<&S::CaseCompare, CaseCompare>(), Answers<&S::Length, Length>(),
                           Answers<&S::Empty, Empty>(), Fails<&S::SubStr, SubStr>(), Fails<&S::GetAs, GetAs>()));
}

}  // namespace simhost
