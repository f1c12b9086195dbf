#ifndef KESTRUNE_HOST_AIFONT_H
#define KESTRUNE_HOST_AIFONT_H

#include "AITypes.h"
#include "ATETypes.h"

#define kAIFontSuite "AI Font Suite"
#define kAIFontSuiteVersion AIAPI_VERSION(6)

typedef struct __AIFontKey* AIFontKey;
using ATE::FontRef;

enum AIFaceFormat { kUnknownFormat = 0, kType1Format, kTrueTypeFormat, kOpenTypeFormat };
enum AIFaceEncoding { kUnknownEncoding = 0, kStandardEncoding };
enum AIFaceScript { kRomanAIScript = 0, kJapaneseAIScript = 1 };
enum AIMojiZumeType { kNoMojiZume = 0 };

struct AIFontStyle {
  AIFontKey fontKey;
  enum AIFaceFormat format;
  enum AIFaceEncoding encoding;
  enum AIFaceScript script;
  AIBoolean originalEncoding;
  AIBoolean familyInstalled;
  AIBoolean strikeInstalled;
  AIBoolean fauxedInstalled;  // true when the font is fauxed because it is missing
  AIBoolean isCID;
  enum AIMojiZumeType mojiZumeType;
  AIBoolean isOTF;
  AIBoolean isBitmapFont;
  AIBoolean isOCF;
  AIBoolean isATC;
  AIBoolean isMultipleMaster;
};

struct AIFontSuite {
  AIAPI AIErr (*FontKeyFromFont)(FontRef font, AIFontKey* result);
  AIAPI AIErr (*GetFontInfo)(AIFontKey font, struct AIFontStyle* result);
};

#endif
