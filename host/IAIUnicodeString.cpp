#include "IAIUnicodeString.h"

#include <cstring>
#include <utility>

#include "AIUnicodeString.h"
#include "SPBlocks.h"

// The suites the wrappers call through: the plug-in defines these and holds them
// while it runs; null while a suite is not held.
extern const AIUnicodeStringSuite* sAIUnicodeString;
extern const SPBlocksSuite* sSPBlocks;

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
  Check(Suite().Initialize(*this, string, -1, encoding));
}

UnicodeString::UnicodeString(const char* string, offset_type srcByteLen, AICharacterEncoding encoding) {
  Check(Suite().Initialize(*this, string, srcByteLen, encoding));
}

UnicodeString::UnicodeString(const std::string& string, AICharacterEncoding encoding) {
  Check(Suite().Initialize(*this, string.data(), static_cast<offset_type>(string.size()), encoding));
}

UnicodeString::UnicodeString(const ASUnicode* string, size_type srcUTF16Count) {
  Check(Suite().InitializeUTF16(*this, string, srcUTF16Count));
}

UnicodeString::UnicodeString(const UnicodeString& other) {
  if (other.impl != nullptr) Check(Suite().Copy(*this, other));
}

UnicodeString::UnicodeString(UnicodeString&& other) noexcept : impl(other.impl) { other.impl = nullptr; }

UnicodeString& UnicodeString::operator=(const UnicodeString& other) {
  if (this != &other) {
    UnicodeString copy(other);
    std::swap(impl, copy.impl);
  }
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
  char* block = nullptr;
  size_t byteLen = 0;
  Check(Suite().GetAs(*this, encoding, &block, &byteLen));
  std::string result(block != nullptr ? block : "", block != nullptr ? byteLen : 0);
  if (block != nullptr && sSPBlocks != nullptr) sSPBlocks->FreeBlock(block);
  return result;
}

UnicodeString::size_type UnicodeString::length() const {
  size_t length = 0;
  Check(Suite().Length(*this, &length));
  return length;
}

bool UnicodeString::empty() const { return length() == 0; }

UnicodeString UnicodeString::substr(size_type offset, size_type count) const {
  UnicodeString out;
  Check(Suite().SubStr(*this, offset, count, out));
  return out;
}

ai::int32 UnicodeString::caseCompare(const UnicodeString& str) const {
  ai::int32 result = 0;
  Check(Suite().CaseCompare(*this, str, &result));
  return result;
}

}  // namespace ai
