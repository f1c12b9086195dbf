// Font: a text-engine font's key and what the host knows of it (installed or fauxed).
#ifndef KESTRUNE_HOST_AIFONT_H
#define KESTRUNE_HOST_AIFONT_H

#include "AITypes.h"
#include "ATETypes.h"

#define kAIFontSuite "AI Font Suite"
#define kAIFontSuiteVersion AIAPI_VERSION(6)

typedef struct __AIFontKey* AIFontKey;
typedef struct _t_AITypefaceKey* AITypefaceKey;
typedef ai::uint32 AIMacFontRef;
typedef int AIGlyphID;
typedef struct AILOGFONTA AILOGFONTA;
using ATE::FontRef;

enum AIFaceFormat { kUnknownFormat = -1, kTypeOneFormat = 0, kTrueTypeFormat = 1 };
enum AIFaceEncoding { kUnknownEncoding = -1, kDontCareEncoding = 0, kStandardEncoding = 1, kSpecialEncoding = 2 };
// The script a font or the application is set up for; the Runtime suite's default script tells a Japanese host.
enum AIFaceScript { kNativeAIScript = -2, kUnknownAIScript = -1, kRomanAIScript = 0, kJapaneseAIScript = 1 };
enum AIMojiZumeType { kMojiZumeNone = 0, kMojiZumeGXTrueType = 1, kMojiZumePageMakerJ = 2, kMojiZumeSfntATM = 3 };
enum AIFontTechnology : unsigned int;
enum AIMetricOrientation : unsigned int;

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
struct AIFontMetrics;

struct AIFontSuite {
  AIAPI AIErr (*CountFonts)(ai::int32* count);
  AIAPI AIErr (*IndexFontList)(ai::int32 fontIndex, AIFontKey* fontKey);
  AIAPI AIErr (*CountTypefaces)(ai::int32* count);
  AIAPI AIErr (*IndexTypefaceList)(ai::int32 typeFaceIndex, AITypefaceKey* typeFaceKey);
  AIAPI AIErr (*CountTypefaceStyles)(AITypefaceKey typeFaceKey, ai::int32* count);
  AIAPI AIErr (*IndexTypefaceStyleList)(AITypefaceKey typeFaceKey, ai::int32 styleIndex, AIFontKey* fontKey);
  AIAPI AIErr (*TypefaceAndStyleFromFontKey)(AIFontKey fontKey, AITypefaceKey* typeFaceKey, ai::int16* styleIndex);
  AIAPI AIErr (*FindFont)(const char* postscriptName, enum AIFontTechnology technology, AIFaceScript script,
                          AIBoolean substituteFlag, AIFontKey* result);
  AIAPI AIErr (*FindMacFontFromMacFontRef)(AIMacFontRef macFont, AIFontKey* result);
  AIAPI AIErr (*FindWinFont)(AILOGFONTA* logFont, AIFontKey* result);
  AIAPI AIErr (*GetMacFontRef)(AIFontKey fontKey, AIMacFontRef& result);
  AIAPI AIErr (*GetSystemFontName)(AIFontKey font, char* fontName, ai::int16 maxName);
  AIAPI AIErr (*SetCharWidths)(AIFontKey font, AIReal* widths);
  // 0 and what the host knows of the font in *result; a status for a key it does not know.
  AIAPI AIErr (*GetFontInfo)(AIFontKey font, struct AIFontStyle* result);
  AIAPI AIErr (*GetFontMetrics)(AIFontKey font, struct AIFontMetrics* result);
  AIAPI AIErr (*GetGlyphDimensions)(AIFontKey font, AIGlyphID glyphID, enum AIMetricOrientation orientation,
                                    AIReal* width, AIReal* height);
  AIAPI AIErr (*GetCharDimensions)(AIFontKey font, const char* c, enum AIMetricOrientation orientation, AIReal* width,
                                   AIReal* height);
  AIAPI AIErr (*GetDefaultFont)(AIFaceScript script, AIFontKey* result);
  AIAPI AIErr (*GetFullFontName)(AIFontKey font, char* fontName, ai::int16 maxName);
  AIAPI AIErr (*GetPostScriptFontName)(AIFontKey fontKey, char* postScriptFontName, ai::int16 maxName);
  AIAPI AIErr (*GetFontStyleName)(AIFontKey font, char* styleName, ai::int16 maxName);
  AIAPI AIErr (*GetFontFamilyUIName)(AIFontKey font, char* familyName, ai::int16 maxName);
  AIAPI AIErr (*GetFontStyleUIName)(AIFontKey font, char* styleName, ai::int16 maxName);
  AIAPI AIErr (*GetTypefaceName)(AITypefaceKey typeface, char* name, ai::int16 maxName);
  AIAPI AIErr (*GetUserFontName)(AIFontKey font, char* userfontName, ai::int16 maxName);
  AIAPI AIErr (*GetUserFontUIName)(AIFontKey font, char* userfontName, ai::int16 maxName);
  AIAPI AIErr (*FontFromFontKey)(AIFontKey font, FontRef* result);
  // 0 and the key of a text-engine font in *result; the key is the host's and needs no release.
  AIAPI AIErr (*FontKeyFromFont)(FontRef font, AIFontKey* result);
};

#endif
