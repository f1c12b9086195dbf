// The suite behind ai::UnicodeString.
#ifndef KESTRUNE_HOST_AIUNICODESTRING_H
#define KESTRUNE_HOST_AIUNICODESTRING_H

#include "AICharacterEncoding.h"
#include "AITypes.h"
#include "IAIUnicodeString.h"

#define kAIUnicodeStringSuite "AI Unicode String Suite"
#define kAIUnicodeStringSuiteVersion AIAPI_VERSION(9)

struct AIUnicodeStringSuite {
  // byteLen -1 reads up to the terminating zero. Text the encoding cannot decode is kBadParameterErr.
  AIAPI AIErr (*Initialize)(ai::UnicodeString& str, const char* bytes, ai::sizediff_t byteLen,
                            AICharacterEncoding encoding);
  AIAPI AIErr (*InitializeUTF16)(ai::UnicodeString& str, const ASUnicode* units, size_t count);
  AIAPI AIErr (*Copy)(ai::UnicodeString& dst, const ai::UnicodeString& src);
  AIAPI AIErr (*Destroy)(ai::UnicodeString& str);
  // Hands back the text in a block from the SP Blocks suite, zero-terminated; the caller frees it.
  AIAPI AIErr (*GetAs)(const ai::UnicodeString& str, AICharacterEncoding encoding, char** block,
                       size_t* byteLen);
  AIAPI AIErr (*Length)(const ai::UnicodeString& str, size_t* length);
  AIAPI AIErr (*SubStr)(const ai::UnicodeString& str, size_t offset, size_t count, ai::UnicodeString& out);
  AIAPI AIErr (*CaseCompare)(const ai::UnicodeString& a, const ai::UnicodeString& b, ai::int32* result);
};

#endif
