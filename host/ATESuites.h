// The text-engine suites behind the ATE wrapper classes. References are counted:
// AddRef and Release keep the host's object alive while a wrapper holds it, and
// return nothing. Every other member returns an ATEErr, kNoError on success.
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
  // Takes one more reference on the range.
  void (*AddRef)(TextRangeRef textrange);
  // Gives one reference back; the last one frees the range.
  void (*Release)(TextRangeRef textrange);
  // The answer itself: nonzero for a reference to no range.
  ATEBool8 (*IsNull)(TextRangeRef textrange);
  // kNoError and the range's first character index in *ret.
  ATEErr (*GetStart)(TextRangeRef textrange, ATETextDOM::Int32* ret);
  ATEErr (*SetStart)(TextRangeRef textrange, ATETextDOM::Int32 start);
  ATEErr (*GetEnd)(TextRangeRef textrange, ATETextDOM::Int32* ret);
  ATEErr (*SetEnd)(TextRangeRef textrange, ATETextDOM::Int32 end);
  // kNoError and the number of characters in the range in *ret.
  ATEErr (*GetSize)(TextRangeRef textrange, ATETextDOM::Int32* ret);
  ATEErr (*GetStory)(TextRangeRef textrange, StoryRef* ret);
  ATEErr (*GetTextSelection)(TextRangeRef textrange, TextRangesRef* ret);
  ATEErr (*GetTextFramesIterator)(TextRangeRef textrange, TextFramesIteratorRef* ret);
  ATEErr (*GetParagraphsIterator)(TextRangeRef textrange, ParagraphsIteratorRef* ret);
  ATEErr (*GetWordsIterator)(TextRangeRef textrange, WordsIteratorRef* ret);
  ATEErr (*GetTextRunsIterator)(TextRangeRef textrange, TextRunsIteratorRef* ret);
  ATEErr (*GetCharInspector)(TextRangeRef textrange, CharInspectorRef* ret);
  ATEErr (*GetParaInspector)(TextRangeRef textrange, ParaInspectorRef* ret);
  ATEErr (*GetNamedCharStyles)(TextRangeRef textrange, CharStylesRef* ret);
  ATEErr (*GetNamedParaStyles)(TextRangeRef textrange, ParaStylesRef* ret);
  ATEErr (*SetNamedCharStyle)(TextRangeRef textrange, const ATETextDOM::Unicode* pName, ATEBool8* ret);
  ATEErr (*SetNamedParaStyle)(TextRangeRef textrange, const ATETextDOM::Unicode* pName, ATEBool8* ret);
  ATEErr (*ClearNamedCharStyle)(TextRangeRef textrange);
  ATEErr (*ClearNamedParaStyle)(TextRangeRef textrange);
  // kNoError and a counted reference to the features all characters of the range share.
  ATEErr (*GetUniqueCharFeatures)(TextRangeRef textrange, CharFeaturesRef* ret);
  ATEErr (*GetUniqueParaFeatures)(TextRangeRef textrange, ParaFeaturesRef* ret);
  ATEErr (*HasLocalCharFeatures)(TextRangeRef textrange, ATEBool8* ret);
  ATEErr (*HasLocalParaFeatures)(TextRangeRef textrange, ATEBool8* ret);
  // kNoError and a counted reference to the local features all characters of the range share.
  ATEErr (*GetUniqueLocalCharFeatures)(TextRangeRef textrange, CharFeaturesRef* ret);
  ATEErr (*GetUniqueLocalParaFeatures)(TextRangeRef textrange, ParaFeaturesRef* ret);
  ATEErr (*SetLocalCharFeatures)(TextRangeRef textrange, const CharFeaturesRef pFeatures);
  ATEErr (*ReplaceOrAddLocalCharFeatures)(TextRangeRef textrange, const CharFeaturesRef pFeatures);
  ATEErr (*ClearLocalCharFeatures)(TextRangeRef textrange);
  ATEErr (*SetLocalParaFeatures)(TextRangeRef textrange, const ParaFeaturesRef pFeatures);
  ATEErr (*ReplaceOrAddLocalParaFeatures)(TextRangeRef textrange, const ParaFeaturesRef pFeatures);
  ATEErr (*ClearLocalParaFeatures)(TextRangeRef textrange);
  ATEErr (*SetStory)(TextRangeRef textrange, const StoryRef story);
  // kNoError once the range covers start to end; kOutOfRange past its story.
  ATEErr (*SetRange)(TextRangeRef textrange, ATETextDOM::Int32 start, ATETextDOM::Int32 end);
  ATEErr (*Collapse)(TextRangeRef textrange, CollapseDirection direction);
  ATEErr (*Move)(TextRangeRef textrange, ATETextDOM::Int32 unit, ATETextDOM::Int32* ret);
  ATEErr (*Clone)(TextRangeRef textrange, TextRangeRef* ret);
  ATEErr (*InsertBefore_AsUnicode)(TextRangeRef textrange, const ATETextDOM::Unicode* text, ATETextDOM::Int32 length);
  ATEErr (*InsertAfter_AsUnicode)(TextRangeRef textrange, const ATETextDOM::Unicode* text, ATETextDOM::Int32 length);
  ATEErr (*InsertBefore_AsTextRange)(TextRangeRef textrange, const TextRangeRef anotherRange);
  ATEErr (*InsertAfter_AsTextRange)(TextRangeRef textrange, const TextRangeRef anotherRange);
  // kNoError, at most maxLength UTF-16 units of the range in text and their count in *ret.
  ATEErr (*GetContents_AsUnicode)(TextRangeRef textrange, ATETextDOM::Unicode* text, ATETextDOM::Int32 maxLength,
                                  ATETextDOM::Int32* ret);
};

struct CharFeaturesSuite {
  // Takes one more reference on the features.
  void (*AddRef)(CharFeaturesRef charfeatures);
  // Gives one reference back.
  void (*Release)(CharFeaturesRef charfeatures);
  // The answer itself: nonzero for a reference to no features.
  ATEBool8 (*IsNull)(CharFeaturesRef charfeatures);
  ATEErr (*Initialize)(CharFeaturesRef* charfeatures);
  ATEErr (*Clone)(CharFeaturesRef charfeatures, CharFeaturesRef* ret);
  // kNoError and a counted font reference; *ret null and *isAssigned false when no one font is set.
  ATEErr (*GetFont)(CharFeaturesRef charfeatures, ATEBool8* isAssigned, FontRef* ret);
};

struct FontSuite {
  // Takes one more reference on the font.
  void (*AddRef)(FontRef font);
  // Gives one reference back.
  void (*Release)(FontRef font);
  // The answer itself: nonzero for a reference to no font.
  ATEBool8 (*IsNull)(FontRef font);
};

struct TextFrameSuite {
  // Takes one more reference on the frame.
  void (*AddRef)(TextFrameRef textframe);
  // Gives one reference back.
  void (*Release)(TextFrameRef textframe);
  ATEBool8 (*IsNull)(TextFrameRef textframe);
  ATEErr (*GetStory)(TextFrameRef textframe, StoryRef* ret);
  // kNoError and a counted reference to the frame's text, with what overflows when bIncludeOverflow.
  ATEErr (*GetTextRange)(TextFrameRef textframe, ATEBool8 bIncludeOverflow, TextRangeRef* ret);
};

}  // namespace ATE

#endif
