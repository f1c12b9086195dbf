// The text-engine suites behind the ATE wrapper classes. References are counted:
// AddRef and Release keep the host's object alive while a wrapper holds it.
#ifndef KESTRUNE_HOST_ATESUITES_H
#define KESTRUNE_HOST_ATESUITES_H

#include "ATETypes.h"

#define kTextRangeSuite "ATE TextRange Suite"
#define kTextRangeSuiteVersion 1
#define kCharFeaturesSuite "ATE CharFeatures Suite"
#define kCharFeaturesSuiteVersion 102
#define kFontSuite "ATE Font Suite"
#define kFontSuiteVersion 1
#define kTextFrameSuite "ATE TextFrame Suite"
#define kTextFrameSuiteVersion 101

namespace ATE {

struct TextRangeSuite {
  ATEErr (*AddRef)(TextRangeRef textrange);
  ATEErr (*Release)(TextRangeRef textrange);
  ATEErr (*GetStart)(TextRangeRef textrange, ATETextDOM::Int32* ret);
  ATEErr (*GetSize)(TextRangeRef textrange, ATETextDOM::Int32* ret);
  ATEErr (*SetRange)(TextRangeRef textrange, ATETextDOM::Int32 start, ATETextDOM::Int32 end);
  ATEErr (*GetContents_AsUnicode)(TextRangeRef textrange, ATETextDOM::Unicode* text, ATETextDOM::Int32 maxLength,
                                  ATETextDOM::Int32* ret);
  ATEErr (*GetUniqueLocalCharFeatures)(TextRangeRef textrange, CharFeaturesRef* ret);
  ATEErr (*GetUniqueCharFeatures)(TextRangeRef textrange, CharFeaturesRef* ret);
};

struct CharFeaturesSuite {
  ATEErr (*AddRef)(CharFeaturesRef charfeatures);
  ATEErr (*Release)(CharFeaturesRef charfeatures);
  // *ret is null and *isAssigned false when the characters do not share one font.
  ATEErr (*GetFont)(CharFeaturesRef charfeatures, bool* isAssigned, FontRef* ret);
};

struct FontSuite {
  ATEErr (*AddRef)(FontRef font);
  ATEErr (*Release)(FontRef font);
};

struct TextFrameSuite {
  ATEErr (*AddRef)(TextFrameRef textframe);
  ATEErr (*Release)(TextFrameRef textframe);
  ATEErr (*GetTextRange)(TextFrameRef textframe, bool bIncludeOverflow, TextRangeRef* ret);
};

}  // namespace ATE

#endif
