// ai::UnicodeString: a host-owned Unicode string. Every method is one call of the
// Unicode String suite, the member the vendor's own wrapper calls, and raises
// ai::Error when the host reports a failure. The object is one pointer, the host's
// layout: the host reads and writes it in place.
#ifndef KESTRUNE_HOST_IAIUNICODESTRING_H
#define KESTRUNE_HOST_IAIUNICODESTRING_H

#include <string>

#include "AICharacterEncoding.h"
#include "AITypes.h"

namespace ai {

struct UnicodeStringImpl;  // opaque, owned by the host

class UnicodeString {
 public:
  typedef size_t size_type;
  typedef ai::sizediff_t offset_type;
  typedef ai::uint32 UTF32TextChar;
  typedef ai::uint16 UTF16Char;
  static const size_type npos = static_cast<size_type>(-1);

  explicit UnicodeString();
  explicit UnicodeString(const char* string, AICharacterEncoding encoding = kAIPlatformCharacterEncoding);
  UnicodeString(const char* string, offset_type srcByteLen,
                AICharacterEncoding encoding = kAIPlatformCharacterEncoding);
  explicit UnicodeString(const std::string& string, AICharacterEncoding encoding = kAIPlatformCharacterEncoding);
  UnicodeString(const ASUnicode* string, size_type srcUTF16Count);
  UnicodeString(const UnicodeString& other);
  UnicodeString(UnicodeString&& other) noexcept;
  UnicodeString& operator=(const UnicodeString& other);
  UnicodeString& operator=(UnicodeString&& other) noexcept;
  ~UnicodeString();

  std::string getInStdString(AICharacterEncoding encoding) const;
  std::string as_UTF8() const { return getInStdString(kAIUTF8CharacterEncoding); }
  size_type length() const;  // code points, not UTF-16 units; asks the host
  bool empty() const;
  UnicodeString substr(size_type offset = 0, size_type count = npos) const;
  ai::int32 caseCompare(const UnicodeString& str) const;  // 0 when equal ignoring case

  // For the host's side: the string's handle. Null stands for the empty string.
  UnicodeStringImpl* GetImpl() const { return impl; }
  void SetImpl(UnicodeStringImpl* newImpl) { impl = newImpl; }

 private:
  UnicodeStringImpl* impl = nullptr;
};

}  // namespace ai

#endif
