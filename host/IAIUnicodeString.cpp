#include "IAIUnicodeString.h"

#include <cstring>
#include <utility>

#include "AIUnicodeString.h"
#include "IAIAutoBuffer.h"

// The plug-in defines this and holds it while it runs; null while the suite is not held.
extern const AIUnicodeStringSuite* sAIUnicodeString;

namespace ai {
namespace {

// A missing suite is a failed host call, never a call through null.
const AIUnicodeStringSuite& Suite() {
  if (sAIUnicodeString == nullptr) throw ai::Error(kSPSuiteNotFoundError);
  return *sAIUnicodeString;
}

void Check(AIErr err) {
  if (err != kNoErr) throw ai::Error(err);
}

}  // namespace

UnicodeString::UnicodeString() = default;

UnicodeString::UnicodeString(const char* string, AICharacterEncoding encoding) {
  if (string != nullptr)
    Check(Suite().Initialize(*this, string, static_cast<offset_type>(std::strlen(string)), encoding));
}

UnicodeString::UnicodeString(const char* string, offset_type srcByteLen, AICharacterEncoding encoding) {
  Check(Suite().Initialize(*this, string, srcByteLen, encoding));
}

UnicodeString::UnicodeString(const std::string& string, AICharacterEncoding encoding) {
  Check(Suite().Initialize(*this, string.c_str(), static_cast<offset_type>(string.length()), encoding));
}

UnicodeString::UnicodeString(const ASUnicode* string, size_type srcUTF16Count) {
  if (string != nullptr) Check(Suite().InitializeUTF16(*this, string, static_cast<offset_type>(srcUTF16Count)));
}

UnicodeString::UnicodeString(const UnicodeString& other) { Check(Suite().Copy(*this, other)); }

UnicodeString::UnicodeString(UnicodeString&& other) noexcept : impl(other.impl) { other.impl = nullptr; }

UnicodeString& UnicodeString::operator=(const UnicodeString& other) {
  if (this != &other) Check(Suite().Assign(*this, other));
  return *this;
}

UnicodeString& UnicodeString::operator=(UnicodeString&& other) noexcept {
  std::swap(impl, other.impl);
  return *this;
}

UnicodeString::~UnicodeString() {
  if (impl != nullptr && sAIUnicodeString != nullptr) sAIUnicodeString->Destroy(*this);
}

std::string UnicodeString::getInStdString(AICharacterEncoding encoding) const {
  ai::AutoBuffer<char> buffer;
  size_type byteLen = 0;
  Check(Suite().GetAs(*this, encoding, buffer, byteLen));
  if (buffer.GetBuffer() == nullptr) return std::string();
  // The host never reports more than it wrote; a length past the block would read beyond it.
  return std::string(buffer.GetBuffer(), byteLen <= buffer.GetCount() ? byteLen : buffer.GetCount());
}

UnicodeString::size_type UnicodeString::length() const { return Suite().Length(*this); }

bool UnicodeString::empty() const { return Suite().Empty(*this) != 0; }

UnicodeString UnicodeString::substr(size_type offset, size_type count) const {
  UnicodeString out;
  Check(Suite().SubStr(out, *this, offset, count));
  return out;
}

ai::int32 UnicodeString::caseCompare(const UnicodeString& str) const {
  return Suite().CaseCompare(*this, 0, npos, str, 0, npos);
}

}  // namespace ai
