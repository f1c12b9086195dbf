#ifndef KESTRUNE_HOST_AICHARACTERENCODING_H
#define KESTRUNE_HOST_AICHARACTERENCODING_H

typedef enum {
  kAIPlatformCharacterEncoding = 0,
  kAIUTF8CharacterEncoding = 1,
  kAIUTF16CharacterEncoding = 2,
  kAIRomanCharacterEncoding = 0x10,
  kAIJapaneseCharacterEncoding = 0x11
} AICharacterEncoding;

#endif
