// The Text Frame and Font suites and the text-engine (ATE) suites behind the
// wrapper classes: ranges over a frame's UTF-16 text, character features, fonts.
#include <cstring>

#include "AIFont.h"
#include "AITextFrame.h"
#include "ATESuites.h"
#include "documents/Documents.h"
#include "core/Host.h"
#include "core/Lending.h"
#include "core/SuiteRegistry.h"

namespace simhost {
namespace {

using ATE::ATEErr;
using ATETextDOM::Int32;
using ATETextDOM::Unicode;

Documents& Docs() { return Host::Current().documents(); }
TextEngine& Engine() { return Docs().text(); }

// Reference counting returns nothing, so a count the plug-in gets wrong cannot be
// answered with a status: the host, whose object would be gone, records it. A null
// reference is no object and is let be, as the wrappers' destructors expect.
void NotLive(const char* what, const void* ref) {
  if (ref != nullptr)
    Host::Current().validator().Fail(std::string("the plug-in counted a reference to ") + what + " that is not live");
}

constexpr char kRange[] = "a text range";
constexpr char kFeatures[] = "character features";
constexpr char kFrame[] = "a text frame";

// The text engine's own counted objects: found by reference, given back by it.
template <auto Find, const char* kWhat>
void AddRefTo(const void* ref) {
  if (auto* object = (Engine().*Find)(ref)) {
    ++object->refs;
  } else {
    NotLive(kWhat, ref);
  }
}

template <auto Drop, const char* kWhat>
void ReleaseOf(const void* ref) {
  if (!(Engine().*Drop)(ref)) NotLive(kWhat, ref);
}

ATE::ATEBool8 IsNullRef(const void* ref) { return ref == nullptr ? 1 : 0; }

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
  if (type == nullptr) return kBadParameterErr;
  Art* frame = TextFrameOf(textFrame);
  if (frame == nullptr) return kBadParameterErr;
  static_assert(sizeof(AITextFrameType) == sizeof(ai::int32), "text frame kinds are 32-bit");
  std::memcpy(type, &frame->kind, sizeof(frame->kind));
  return kNoErr;
}

AIErr GetATETextRange(AIArtHandle textFrame, TextRangeRef* textRange) {
  if (textRange == nullptr) return kBadParameterErr;
  *textRange = nullptr;
  Art* frame = TextFrameOf(textFrame);
  if (frame == nullptr) return kBadParameterErr;
  *textRange = reinterpret_cast<TextRangeRef>(Engine().NewRange(frame));
  return kNoErr;
}

AIErr FontKeyFromFont(FontRef font, AIFontKey* result) {
  if (result == nullptr) return kBadParameterErr;
  *result = nullptr;
  Font* known = FontOf(font);
  if (known == nullptr) return kBadParameterErr;
  *result = reinterpret_cast<AIFontKey>(known);
  return kNoErr;
}

AIErr GetFontInfo(AIFontKey key, AIFontStyle* result) {
  if (result == nullptr) return kBadParameterErr;
  Font* font = FontOf(key);
  if (font == nullptr) return kBadParameterErr;
  std::memset(result, 0, sizeof(*result));
  result->fontKey = key;
  result->format = kTrueTypeFormat;
  result->encoding = kStandardEncoding;
  result->script = kRomanAIScript;
  result->originalEncoding = true;
  result->familyInstalled = font->installed;
  result->fauxedInstalled = !font->installed;
  result->isOTF = true;
  return kNoErr;
}

TextRangeObject* LiveRange(ATE::TextRangeRef ref, ATEErr* err) {
  TextRangeObject* range = Engine().FindRange(ref);
  *err = range == nullptr || range->frame == nullptr ? ATE::kBadParameter : ATE::kNoError;
  return *err == ATE::kNoError ? range : nullptr;
}

ATEErr GetStart(ATE::TextRangeRef ref, Int32* ret) {
  if (ret == nullptr) return ATE::kNullPointer;
  ATEErr err;
  TextRangeObject* range = LiveRange(ref, &err);
  if (range != nullptr) *ret = range->start;
  return err;
}

ATEErr GetSize(ATE::TextRangeRef ref, Int32* ret) {
  if (ret == nullptr) return ATE::kNullPointer;
  ATEErr err;
  TextRangeObject* range = LiveRange(ref, &err);
  if (range != nullptr) *ret = range->end - range->start;
  return err;
}

ATEErr SetRange(ATE::TextRangeRef ref, Int32 start, Int32 end) {
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
  if (ret == nullptr) return ATE::kNullPointer;
  ATEErr err;
  TextRangeObject* range = LiveRange(ref, &err);
  if (range == nullptr) return err;
  Art* frame = range->frame;
  Font* font = SharedFont(*range, [frame](size_t at) { return frame->EffectiveFontAt(at); });
  *ret = reinterpret_cast<ATE::CharFeaturesRef>(Engine().NewFeatures(font));
  return ATE::kNoError;
}

// The font comes with a reference of its own for the receiver.
ATEErr GetFont(ATE::CharFeaturesRef ref, ATE::ATEBool8* isAssigned, ATE::FontRef* ret) {
  if (ret == nullptr) return ATE::kNullPointer;
  CharFeaturesObject* features = Engine().FindFeatures(ref);
  if (features == nullptr) return ATE::kBadParameter;
  if (features->font != nullptr) ++features->font->textEngineRefs;
  *ret = reinterpret_cast<ATE::FontRef>(features->font);
  if (isAssigned != nullptr) *isAssigned = features->font != nullptr ? 1 : 0;
  return ATE::kNoError;
}

void FontAddRef(ATE::FontRef ref) {
  if (Font* font = FontOf(ref)) {
    ++font->textEngineRefs;
  } else {
    NotLive("a font", ref);
  }
}

void FontRelease(ATE::FontRef ref) {
  Font* font = FontOf(ref);
  if (font != nullptr && font->textEngineRefs > 0) {
    --font->textEngineRefs;
  } else {
    NotLive("a font", ref);
  }
}

// This host keeps no overflow text, so the range is the frame's whole text either way.
ATEErr FrameGetTextRange(ATE::TextFrameRef ref, ATE::ATEBool8, ATE::TextRangeRef* ret) {
  if (ret == nullptr) return ATE::kNullPointer;
  TextFrameObject* frame = Engine().FindFrame(ref);
  if (frame == nullptr || frame->frame == nullptr) return ATE::kBadParameter;
  *ret = reinterpret_cast<ATE::TextRangeRef>(Engine().NewRange(frame->frame));
  return ATE::kNoError;
}

}  // namespace

void PublishTextSuites(SuiteRegistry& registry) {
  registry.Publish(Lend<AITextFrameSuite>(kAITextFrameSuite, kAITextFrameSuiteVersion,
                                          Fails<&AITextFrameSuite::GetType, GetType>(),
                                          Fails<&AITextFrameSuite::GetATETextRange, GetATETextRange>()));
  registry.Publish(Lend<AIFontSuite>(kAIFontSuite, kAIFontSuiteVersion, Fails<&AIFontSuite::GetFontInfo, GetFontInfo>(),
                                     Fails<&AIFontSuite::FontKeyFromFont, FontKeyFromFont>()));
  using R = ATE::TextRangeSuite;
  registry.Publish(Lend<R>(kTextRangeSuite, kTextRangeSuiteVersion,
                           Answers<&R::AddRef, AddRefTo<&TextEngine::FindRange, kRange>>(),
                           Answers<&R::Release, ReleaseOf<&TextEngine::ReleaseRange, kRange>>(),
                           Answers<&R::IsNull, IsNullRef>(), Fails<&R::GetStart, GetStart>(),
                           Fails<&R::GetSize, GetSize>(), Fails<&R::GetUniqueCharFeatures, GetUniqueCharFeatures>(),
                           Fails<&R::GetUniqueLocalCharFeatures, GetUniqueLocalCharFeatures>(),
                           Fails<&R::SetRange, SetRange>(), Fails<&R::GetContents_AsUnicode, GetContents>()));
  using C = ATE::CharFeaturesSuite;
  registry.Publish(Lend<C>(kCharFeaturesSuite, kCharFeaturesSuiteVersion,
                           Answers<&C::AddRef, AddRefTo<&TextEngine::FindFeatures, kFeatures>>(),
                           Answers<&C::Release, ReleaseOf<&TextEngine::ReleaseFeatures, kFeatures>>(),
                           Answers<&C::IsNull, IsNullRef>(), Fails<&C::GetFont, GetFont>()));
  using F = ATE::FontSuite;
  registry.Publish(Lend<F>(kFontSuite, kFontSuiteVersion, Answers<&F::AddRef, FontAddRef>(),
                           Answers<&F::Release, FontRelease>(), Answers<&F::IsNull, IsNullRef>()));
  using T = ATE::TextFrameSuite;
  registry.Publish(Lend<T>(kTextFrameSuite, kTextFrameSuiteVersion,
                           Answers<&T::AddRef, AddRefTo<&TextEngine::FindFrame, kFrame>>(),
                           Answers<&T::Release, ReleaseOf<&TextEngine::ReleaseFrame, kFrame>>(),
                           Fails<&T::GetTextRange, FrameGetTextRange>()));
}

}  // namespace simhost
