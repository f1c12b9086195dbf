// Unicode String: the suite behind ai::UnicodeString. Several members answer with
// a value (a length, a comparison, a truth value) rather than a status.
#ifndef KESTRUNE_HOST_AIUNICODESTRING_H
#define KESTRUNE_HOST_AIUNICODESTRING_H

#include "AICharacterEncoding.h"
#include "AITypes.h"
#include "IAIAutoBuffer.h"
#include "IAIUnicodeString.h"

#define kAIUnicodeStringSuite "AI Unicode String Suite"
#define kAIUnicodeStringSuiteVersion AIAPI_VERSION(9)

// Version 9 is inferred to be the 2025 table, which adds Capacity and Reserve at
// slots 31 and 32. The other reading, the 2019 table (version 8), has SubStr at 31
// and GetAs at 35.
struct AIUnicodeStringSuite {
  // 0 once str holds the bytes decoded from encoding (srcByteLen of them); a status for bytes it cannot decode.
  AIAPI AIErr (*Initialize)(ai::UnicodeString& str, const char* string, ai::UnicodeString::offset_type srcByteLen,
                            AICharacterEncoding encoding);
  // 0 once str holds srcUTF16Count UTF-16 units.
  AIAPI AIErr (*InitializeUTF16)(ai::UnicodeString& str, const ASUnicode* string,
                                 ai::UnicodeString::offset_type srcUTF16Count);
  AIAPI AIErr (*InitializeUTF32Char)(ai::UnicodeString& str, ai::UnicodeString::offset_type count,
                                     ai::UnicodeString::UTF32TextChar ch);
  // 0 once the host's side of str is freed.
  AIAPI AIErr (*Destroy)(ai::UnicodeString& str);
  AIAPI AIErr (*Append)(ai::UnicodeString& str, const ai::UnicodeString& str2);
  AIAPI AIErr (*AppendSubString)(ai::UnicodeString& str, const ai::UnicodeString& str2,
                                 ai::UnicodeString::size_type offset, ai::UnicodeString::size_type count);
  AIAPI AIErr (*Assign)(ai::UnicodeString& str, const ai::UnicodeString& str2);
  // 0 once dest holds a copy of src; the host makes dest's side when it has none.
  AIAPI AIErr (*Copy)(ai::UnicodeString& dest, const ai::UnicodeString& src);
  AIAPI AIErr (*GetChar)(const ai::UnicodeString& str, ai::UnicodeString::size_type position,
                         ai::UnicodeString::UTF32TextChar& ch);
  AIAPI void (*Clear)(ai::UnicodeString& str);
  AIAPI ai::int32 (*Compare)(const ai::UnicodeString& str, ai::UnicodeString::size_type pos,
                             ai::UnicodeString::size_type num, const ai::UnicodeString& str2,
                             ai::UnicodeString::size_type startOffset, ai::UnicodeString::size_type count);
  AIAPI AIErr (*toLower)(ai::UnicodeString& str);
  AIAPI AIErr (*toUpper)(ai::UnicodeString& str);
  // The comparison itself, ignoring case: 0 when equal, negative or positive as str sorts before or after str2.
  AIAPI ai::int32 (*CaseCompare)(const ai::UnicodeString& str, ai::UnicodeString::size_type pos,
                                 ai::UnicodeString::size_type num, const ai::UnicodeString& str2,
                                 ai::UnicodeString::size_type startOffset, ai::UnicodeString::size_type count);
  AIAPI AIErr (*CanonicalCompare)(const ai::UnicodeString& str, const ai::UnicodeString& str2, ai::int32& result);
  AIAPI AIErr (*CanonicalCaseCompare)(const ai::UnicodeString& str, const ai::UnicodeString& str2, ai::int32& result);
  // The length itself, in code points.
  AIAPI ai::UnicodeString::size_type (*Length)(const ai::UnicodeString& str);
  // The answer itself: nonzero for an empty string.
  AIAPI AIBool8 (*Empty)(const ai::UnicodeString& str);
  AIAPI AIErr (*Erase)(ai::UnicodeString& str, ai::UnicodeString::size_type pos, ai::UnicodeString::size_type count);
  AIAPI ai::UnicodeString::size_type (*FindChar)(const ai::UnicodeString& str, ai::UnicodeString::UTF32TextChar ch,
                                                 ai::UnicodeString::size_type startOffset);
  AIAPI ai::UnicodeString::size_type (*FindString)(const ai::UnicodeString& str, const ai::UnicodeString& target,
                                                   ai::UnicodeString::size_type startOffset);
  AIAPI ai::UnicodeString::size_type (*FindSubString)(const ai::UnicodeString& str, const ai::UnicodeString& target,
                                                      ai::UnicodeString::size_type startOffset,
                                                      ai::UnicodeString::size_type count);
  AIAPI ai::UnicodeString::size_type (*CaseFindSubString)(const ai::UnicodeString& str, const ai::UnicodeString& target,
                                                          ai::UnicodeString::size_type startOffset,
                                                          ai::UnicodeString::size_type count);
  AIAPI ai::UnicodeString::size_type (*RFindChar)(const ai::UnicodeString& str, ai::UnicodeString::UTF32TextChar ch,
                                                  ai::UnicodeString::size_type startOffset);
  AIAPI ai::UnicodeString::size_type (*RFindString)(const ai::UnicodeString& str, const ai::UnicodeString& target,
                                                    ai::UnicodeString::size_type startOffset);
  AIAPI ai::UnicodeString::size_type (*RFindSubString)(const ai::UnicodeString& str, const ai::UnicodeString& target,
                                                       ai::UnicodeString::size_type startOffset,
                                                       ai::UnicodeString::size_type count);
  AIAPI ai::UnicodeString::size_type (*FindFirstOf)(const ai::UnicodeString& str, const ai::UnicodeString& target,
                                                    ai::UnicodeString::size_type startOffset,
                                                    ai::UnicodeString::size_type count);
  AIAPI ai::UnicodeString::size_type (*FindFirstNotOf)(const ai::UnicodeString& str, const ai::UnicodeString& target,
                                                       ai::UnicodeString::size_type startOffset,
                                                       ai::UnicodeString::size_type count);
  AIAPI ai::UnicodeString::size_type (*FindLastOf)(const ai::UnicodeString& str, const ai::UnicodeString& target,
                                                   ai::UnicodeString::size_type startOffset,
                                                   ai::UnicodeString::size_type count);
  AIAPI ai::UnicodeString::size_type (*FindLastNotOf)(const ai::UnicodeString& str, const ai::UnicodeString& target,
                                                      ai::UnicodeString::size_type startOffset,
                                                      ai::UnicodeString::size_type count);
  AIAPI AIErr (*Resize)(ai::UnicodeString& str, ai::UnicodeString::size_type count,
                        ai::UnicodeString::UTF32TextChar ch);
  AIAPI ai::UnicodeString::size_type (*Capacity)(const ai::UnicodeString& str);
  AIAPI void (*Reserve)(ai::UnicodeString& str, ai::UnicodeString::size_type count);
  // 0 once out holds count code points of str from offset on (count may run past the end); a status
  // when offset lies beyond the end.
  AIAPI AIErr (*SubStr)(ai::UnicodeString& out, const ai::UnicodeString& str, ai::UnicodeString::size_type offset,
                        ai::UnicodeString::size_type count);
  AIAPI AIErr (*SwapStr)(ai::UnicodeString& str, ai::UnicodeString& str2);
  AIAPI AIBool8 (*HasSurrogates)(const ai::UnicodeString& str);
  AIAPI ai::UnicodeString::size_type (*UTF_16)(const ai::UnicodeString& str,
                                               const ai::UnicodeString::UTF16Char*& buffer);
  // 0, the text in encoding in buffer (its block from SP Blocks, which the buffer gives back) and its
  // length in bytes in bufferLength.
  AIAPI AIErr (*GetAs)(const ai::UnicodeString& str, AICharacterEncoding encoding, ai::AutoBuffer<char>& buffer,
                       ai::UnicodeString::size_type& bufferLength);
};

#endif
