// The Text Frame and Font suites and the text-engine (ATE) suites behind the
// wrapper classes: ranges over a frame's UTF-16 text, character features, fonts.
#include <cstring>

#include "AIFont.h"
#include "AITextFrame.h"
#include "ATESuites.h"
#include "documents/Documents.h"
#include "core/Host.h"
#include "core/SuiteRegistry.h"

namespace simhost {
namespace {

using ATE::ATEErr;
using ATE::ATETextDOM::Int32;
using ATE::ATETextDOM::Unicode;

Documents& Docs() { return Host::Current().documents(); }
TextEngine& Engine() { return Docs().text(); }

// The text engine reports its own codes; an injected host code that is none of
// them reads as an unknown error.
ATEErr AteFault(const char* point) {
  AIErr err = Fault(point);
  if (err == kNoErr) return ATE::kNoError;
  return err > 0 && err <= ATE::kUnknownError ? static_cast<ATEErr>(err) : ATE::kUnknownError;
}

Art* TextFrameOf(AIArtHandle handle) {
  Art* art = Docs().Find(handle);
  return art != nullptr && art->type == kTextFrameArt ? art : nullptr;
}

Font* FontOf(const void* ref) {
  Fonts& fonts = Docs().fonts();
  return fonts.Owns(ref) ? static_cast<Font*>(const_cast<void*>(ref)) : nullptr;
}

// Kinds other than 0 to 2 occur, so the value is stored as the 32-bit number it is.
AIErr GetType(AIArtHandle textFrame, AITextFrameType* type) {
  if (AIErr err = Fault("AITextFrameSuite.GetType")) return err;
  if (type == nullptr) return kBadParameterErr;
  Art* frame = TextFrameOf(textFrame);
  if (frame == nullptr) return kBadParameterErr;
  static_assert(sizeof(AITextFrameType) == sizeof(ai::int32), "text frame kinds are 32-bit");
  std::memcpy(type, &frame->kind, sizeof(frame->kind));
  return kNoErr;
}

AIErr GetATETextRange(AIArtHandle textFrame, TextRangeRef* textRange) {
  if (AIErr err = Fault("AITextFrameSuite.GetATETextRange")) return err;
  if (textRange == nullptr) return kBadParameterErr;
  *textRange = nullptr;
  Art* frame = TextFrameOf(textFrame);
  if (frame == nullptr) return kBadParameterErr;
  *textRange = reinterpret_cast<TextRangeRef>(Engine().NewRange(frame));
  return kNoErr;
}

const AITextFrameSuite kTextFrameTable = {GetType, GetATETextRange};

AIErr FontKeyFromFont(FontRef font, AIFontKey* result) {
  if (AIErr err = Fault("AIFontSuite.FontKeyFromFont")) return err;
  if (result == nullptr) return kBadParameterErr;
  *result = nullptr;
  Font* known = FontOf(font);
  if (known == nullptr) return kBadParameterErr;
  *result = reinterpret_cast<AIFontKey>(known);
  return kNoErr;
}

AIErr GetFontInfo(AIFontKey key, AIFontStyle* result) {
  if (AIErr err = Fault("AIFontSuite.GetFontInfo")) return err;
  if (result == nullptr) return kBadParameterErr;
  Font* font = FontOf(key);
  if (font == nullptr) return kBadParameterErr;
  std::memset(result, 0, sizeof(*result));
  result->fontKey = key;
  result->format = kOpenTypeFormat;
  result->encoding = kStandardEncoding;
  result->script = kRomanAIScript;
  result->originalEncoding = true;
  result->familyInstalled = font->installed;
  result->fauxedInstalled = !font->installed;
  result->isOTF = true;
  return kNoErr;
}

const AIFontSuite kFontTable = {FontKeyFromFont, GetFontInfo};

TextRangeObject* LiveRange(ATE::TextRangeRef ref, ATEErr* err) {
  TextRangeObject* range = Engine().FindRange(ref);
  *err = range == nullptr || range->frame == nullptr ? ATE::kBadParameter : ATE::kNoError;
  return *err == ATE::kNoError ? range : nullptr;
}

ATEErr RangeAddRef(ATE::TextRangeRef ref) {
  if (ATEErr err = AteFault("TextRangeSuite.AddRef")) return err;
  TextRangeObject* range = Engine().FindRange(ref);
  if (range == nullptr) return ATE::kBadParameter;
  ++range->refs;
  return ATE::kNoError;
}

ATEErr RangeRelease(ATE::TextRangeRef ref) {
  if (ATEErr err = AteFault("TextRangeSuite.Release")) return err;
  return Engine().ReleaseRange(ref) ? ATE::kNoError : ATE::kBadParameter;
}

ATEErr GetStart(ATE::TextRangeRef ref, Int32* ret) {
  if (ATEErr err = AteFault("TextRangeSuite.GetStart")) return err;
  if (ret == nullptr) return ATE::kNullPointer;
  ATEErr err;
  TextRangeObject* range = LiveRange(ref, &err);
  if (range != nullptr) *ret = range->start;
  return err;
}

ATEErr GetSize(ATE::TextRangeRef ref, Int32* ret) {
  if (ATEErr err = AteFault("TextRangeSuite.GetSize")) return err;
  if (ret == nullptr) return ATE::kNullPointer;
  ATEErr err;
  TextRangeObject* range = LiveRange(ref, &err);
  if (range != nullptr) *ret = range->end - range->start;
  return err;
}

ATEErr SetRange(ATE::TextRangeRef ref, Int32 start, Int32 end) {
  if (ATEErr err = AteFault("TextRangeSuite.SetRange")) return err;
  ATEErr err;
  TextRangeObject* range = LiveRange(ref, &err);
  if (range == nullptr) return err;
  if (start < 0 || start > end || static_cast<size_t>(end) > range->frame->TextLength()) return ATE::kOutOfRange;
  range->start = start;
  range->end = end;
  return ATE::kNoError;
}

// Copies at most maxLength units and adds no terminator.
ATEErr GetContents(ATE::TextRangeRef ref, Unicode* text, Int32 maxLength, Int32* ret) {
  if (ATEErr err = AteFault("TextRangeSuite.GetContents_AsUnicode")) return err;
  if (ret == nullptr || (text == nullptr && maxLength > 0)) return ATE::kNullPointer;
  if (maxLength < 0) return ATE::kBadParameter;
  ATEErr err;
  TextRangeObject* range = LiveRange(ref, &err);
  if (range == nullptr) return err;
  std::u16string all = range->frame->Text();
  Int32 count = range->end - range->start < maxLength ? range->end - range->start : maxLength;
  for (Int32 i = 0; i < count; ++i) text[i] = all[static_cast<size_t>(range->start + i)];
  *ret = count;
  return ATE::kNoError;
}

// The font every character of the range shares, or null when they differ or lack one.
template <typename FontAt>
Font* SharedFont(const TextRangeObject& range, FontAt fontAt) {
  if (range.start == range.end) return nullptr;
  Font* shared = fontAt(static_cast<size_t>(range.start));
  for (Int32 i = range.start + 1; shared != nullptr && i < range.end; ++i)
    if (fontAt(static_cast<size_t>(i)) != shared) shared = nullptr;
  return shared;
}

ATEErr GetUniqueLocalCharFeatures(ATE::TextRangeRef ref, ATE::CharFeaturesRef* ret) {
  if (ATEErr err = AteFault("TextRangeSuite.GetUniqueLocalCharFeatures")) return err;
  if (ret == nullptr) return ATE::kNullPointer;
  ATEErr err;
  TextRangeObject* range = LiveRange(ref, &err);
  if (range == nullptr) return err;
  Art* frame = range->frame;
  Font* font = SharedFont(*range, [frame](size_t at) { return frame->LocalFontAt(at); });
  *ret = reinterpret_cast<ATE::CharFeaturesRef>(Engine().NewFeatures(font));
  return ATE::kNoError;
}

ATEErr GetUniqueCharFeatures(ATE::TextRangeRef ref, ATE::CharFeaturesRef* ret) {
  if (ATEErr err = AteFault("TextRangeSuite.GetUniqueCharFeatures")) return err;
  if (ret == nullptr) return ATE::kNullPointer;
  ATEErr err;
  TextRangeObject* range = LiveRange(ref, &err);
  if (range == nullptr) return err;
  Art* frame = range->frame;
  Font* font = SharedFont(*range, [frame](size_t at) { return frame->EffectiveFontAt(at); });
  *ret = reinterpret_cast<ATE::CharFeaturesRef>(Engine().NewFeatures(font));
  return ATE::kNoError;
}

const ATE::TextRangeSuite kTextRangeTable = {RangeAddRef, RangeRelease, GetStart, GetSize, SetRange, GetContents,
                                             GetUniqueLocalCharFeatures, GetUniqueCharFeatures};

ATEErr FeaturesAddRef(ATE::CharFeaturesRef ref) {
  if (ATEErr err = AteFault("CharFeaturesSuite.AddRef")) return err;
  CharFeaturesObject* features = Engine().FindFeatures(ref);
  if (features == nullptr) return ATE::kBadParameter;
  ++features->refs;
  return ATE::kNoError;
}

ATEErr FeaturesRelease(ATE::CharFeaturesRef ref) {
  if (ATEErr err = AteFault("CharFeaturesSuite.Release")) return err;
  return Engine().ReleaseFeatures(ref) ? ATE::kNoError : ATE::kBadParameter;
}

// The font comes with a reference of its own for the receiver.
ATEErr GetFont(ATE::CharFeaturesRef ref, bool* isAssigned, ATE::FontRef* ret) {
  if (ATEErr err = AteFault("CharFeaturesSuite.GetFont")) return err;
  if (ret == nullptr) return ATE::kNullPointer;
  CharFeaturesObject* features = Engine().FindFeatures(ref);
  if (features == nullptr) return ATE::kBadParameter;
  if (features->font != nullptr) ++features->font->textEngineRefs;
  *ret = reinterpret_cast<ATE::FontRef>(features->font);
  if (isAssigned != nullptr) *isAssigned = features->font != nullptr;
  return ATE::kNoError;
}

const ATE::CharFeaturesSuite kCharFeaturesTable = {FeaturesAddRef, FeaturesRelease, GetFont};

ATEErr FontAddRef(ATE::FontRef ref) {
  if (ATEErr err = AteFault("FontSuite.AddRef")) return err;
  Font* font = FontOf(ref);
  if (font == nullptr) return ATE::kBadParameter;
  ++font->textEngineRefs;
  return ATE::kNoError;
}

ATEErr FontRelease(ATE::FontRef ref) {
  if (ATEErr err = AteFault("FontSuite.Release")) return err;
  Font* font = FontOf(ref);
  if (font == nullptr || font->textEngineRefs <= 0) return ATE::kBadParameter;
  --font->textEngineRefs;
  return ATE::kNoError;
}

const ATE::FontSuite kAteFontTable = {FontAddRef, FontRelease};

ATEErr FrameAddRef(ATE::TextFrameRef ref) {
  if (ATEErr err = AteFault("TextFrameSuite.AddRef")) return err;
  TextFrameObject* frame = Engine().FindFrame(ref);
  if (frame == nullptr) return ATE::kBadParameter;
  ++frame->refs;
  return ATE::kNoError;
}

ATEErr FrameRelease(ATE::TextFrameRef ref) {
  if (ATEErr err = AteFault("TextFrameSuite.Release")) return err;
  return Engine().ReleaseFrame(ref) ? ATE::kNoError : ATE::kBadParameter;
}

// This host keeps no overflow text, so the range is the frame's whole text either way.
ATEErr FrameGetTextRange(ATE::TextFrameRef ref, bool, ATE::TextRangeRef* ret) {
  if (ATEErr err = AteFault("TextFrameSuite.GetTextRange")) return err;
  if (ret == nullptr) return ATE::kNullPointer;
  TextFrameObject* frame = Engine().FindFrame(ref);
  if (frame == nullptr || frame->frame == nullptr) return ATE::kBadParameter;
  *ret = reinterpret_cast<ATE::TextRangeRef>(Engine().NewRange(frame->frame));
  return ATE::kNoError;
}

const ATE::TextFrameSuite kAteTextFrameTable = {FrameAddRef, FrameRelease, FrameGetTextRange};

}  // namespace

void PublishTextSuites(SuiteRegistry& registry) {
  registry.Publish(kAITextFrameSuite, kAITextFrameSuiteVersion, &kTextFrameTable);
  registry.Publish(kAIFontSuite, kAIFontSuiteVersion, &kFontTable);
  registry.Publish(kTextRangeSuite, kTextRangeSuiteVersion, &kTextRangeTable);
  registry.Publish(kCharFeaturesSuite, kCharFeaturesSuiteVersion, &kCharFeaturesTable);
  registry.Publish(kFontSuite, kFontSuiteVersion, &kAteFontTable);
  registry.Publish(kTextFrameSuite, kTextFrameSuiteVersion, &kAteTextFrameTable);
}

}  // namespace simhost
