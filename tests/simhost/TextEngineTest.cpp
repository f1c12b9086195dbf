// Text frames through the Text Frame, Font and text-engine suites: ranges over the
// UTF-16 text, the fonts characters share, font information and reference counts.
#include <cstring>

#include "AIFont.h"
#include "AITextFrame.h"
#include "ATESuites.h"
#include "DocumentFixture.h"

namespace documents_test {
namespace {

using ATETextDOM::Int32;
using ATETextDOM::Unicode;
using simhost::Document;
using simhost::HandleOf;

class TextEngineTest : public DocumentTest {
 protected:
  const AITextFrameSuite* frames = AcquireSuite<AITextFrameSuite>(host(), kAITextFrameSuite, kAITextFrameSuiteVersion);
  const AIFontSuite* fonts = AcquireSuite<AIFontSuite>(host(), kAIFontSuite, kAIFontSuiteVersion);
  const ATE::TextRangeSuite* ranges =
      AcquireSuite<ATE::TextRangeSuite>(host(), kTextRangeSuite, kTextRangeSuiteVersion);
  const ATE::CharFeaturesSuite* features =
      AcquireSuite<ATE::CharFeaturesSuite>(host(), kCharFeaturesSuite, kCharFeaturesSuiteVersion);
  const ATE::FontSuite* ateFonts = AcquireSuite<ATE::FontSuite>(host(), kFontSuite, kFontSuiteVersion);
  const ATE::TextFrameSuite* ateFrames =
      AcquireSuite<ATE::TextFrameSuite>(host(), kTextFrameSuite, kTextFrameSuiteVersion);

  ATE::TextRangeRef RangeOf(simhost::Art* frame) {
    ATE::TextRangeRef range = nullptr;
    EXPECT_EQ(frames->GetATETextRange(HandleOf(frame), &range), kNoErr);
    return range;
  }
  // The font the features hold, its reference given back at once; "" for none.
  std::string FontName(ATE::CharFeaturesRef set, bool* assigned) {
    ATE::FontRef font = nullptr;
    ATE::ATEBool8 isAssigned = 0;
    EXPECT_EQ(features->GetFont(set, &isAssigned, &font), ATE::kNoError);
    *assigned = isAssigned != 0;
    features->Release(set);
    if (font == nullptr) return "";
    std::string name = reinterpret_cast<simhost::Font*>(font)->name;
    ateFonts->Release(font);
    return name;
  }
  int Live() { return docs().text().liveReferences(docs().fonts()); }
};

TEST_F(TextEngineTest, AFramesRangeCoversItsUtf16TextAndNarrows) {
  // "A", a kanji, a character outside the BMP (two units), then "z".
  Document* document = Add(json{{"layers", {{{"art", {TextFrame("A\xE6\x96\x87\xF0\x9F\x98\x80z")}}}}}});
  ATE::TextRangeRef range = RangeOf(ArtAt(document, 0, {0}));
  Int32 start = -1, size = -1;
  ranges->GetStart(range, &start);
  ranges->GetSize(range, &size);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(size, 5);

  Unicode text[6] = {9, 9, 9, 9, 9, 9};
  Int32 copied = 0;
  ASSERT_EQ(ranges->GetContents_AsUnicode(range, text, 6, &copied), ATE::kNoError);
  EXPECT_EQ(copied, 5);
  EXPECT_EQ(text[1], 0x6587);
  EXPECT_EQ(text[2], 0xD83D);
  EXPECT_EQ(text[5], 9) << "no terminator is written";

  ASSERT_EQ(ranges->SetRange(range, 3, 4), ATE::kNoError);
  Unicode one[2] = {0, 0x7777};
  ranges->GetContents_AsUnicode(range, one, 1, &copied);
  EXPECT_EQ(copied, 1);
  EXPECT_EQ(one[0], 0xDE00);
  EXPECT_EQ(one[1], 0x7777);
  ranges->GetStart(range, &start);
  EXPECT_EQ(start, 3);

  struct {
    Int32 start, end;
  } bad[] = {{-1, 1}, {2, 1}, {0, 6}};
  for (const auto& b : bad) EXPECT_EQ(ranges->SetRange(range, b.start, b.end), ATE::kOutOfRange) << b.start;
  EXPECT_EQ(ranges->GetContents_AsUnicode(range, nullptr, 1, &copied), ATE::kNullPointer);
  ranges->Release(range);
  EXPECT_EQ(Live(), 0);
}

TEST_F(TextEngineTest, LocalFeaturesGiveTheSharedOwnFontAndFullFeaturesFallBackToTheDefault) {
  json frame = {
      {"type", "textFrame"},
      {"defaultFont", "Base"},
      {"runs",
       {{{"text", "ab"}, {"font", "Sans"}}, {{"text", "cd"}, {"font", nullptr}}, {{"text", "e"}, {"font", "Serif"}}}}};
  Document* document = Add(json{{"layers", {{{"art", {frame}}}}}});
  ATE::TextRangeRef range = RangeOf(ArtAt(document, 0, {0}));
  struct Case {
    Int32 start, end;
    const char* local;
    const char* full;
  } cases[] = {
      {0, 1, "Sans", "Sans"}, {0, 2, "Sans", "Sans"},   {2, 3, "", "Base"}, {2, 4, "", "Base"},
      {1, 3, "", ""},         {4, 5, "Serif", "Serif"}, {3, 3, "", ""},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(ranges->SetRange(range, c.start, c.end), ATE::kNoError);
    ATE::CharFeaturesRef local = nullptr, full = nullptr;
    ASSERT_EQ(ranges->GetUniqueLocalCharFeatures(range, &local), ATE::kNoError);
    ASSERT_EQ(ranges->GetUniqueCharFeatures(range, &full), ATE::kNoError);
    bool assigned = false;
    EXPECT_EQ(FontName(local, &assigned), c.local) << c.start << "-" << c.end;
    EXPECT_EQ(assigned, std::string(c.local) != "") << c.start << "-" << c.end;
    EXPECT_EQ(FontName(full, &assigned), c.full) << c.start << "-" << c.end;
  }
  ranges->Release(range);
  EXPECT_EQ(Live(), 0);
}

TEST_F(TextEngineTest, FontInfoMarksAMissingFontAsFauxed) {
  docs().fonts().SetInstalled("Gone", false);
  Document* document = Add(json{{"layers", {{{"art", {TextFrame("x", "Gone"), TextFrame("y", "Here")}}}}}});
  for (bool installed : {false, true}) {
    ATE::TextRangeRef range = RangeOf(ArtAt(document, 0, {installed ? 1u : 0u}));
    ATE::CharFeaturesRef set = nullptr;
    ranges->GetUniqueLocalCharFeatures(range, &set);
    ATE::FontRef font = nullptr;
    ATE::ATEBool8 assigned = 0;
    features->GetFont(set, &assigned, &font);
    AIFontKey key = nullptr;
    ASSERT_EQ(fonts->FontKeyFromFont(font, &key), kNoErr);
    AIFontStyle style;
    std::memset(&style, 0x5A, sizeof(style));
    ASSERT_EQ(fonts->GetFontInfo(key, &style), kNoErr);
    EXPECT_EQ(style.fontKey, key);
    EXPECT_EQ(style.fauxedInstalled != 0, !installed);
    EXPECT_EQ(style.familyInstalled != 0, installed);
    EXPECT_EQ(style.isCID, 0) << "every field is written";
    ateFonts->Release(font);
    features->Release(set);
    ranges->Release(range);
  }
  AIFontKey key = nullptr;
  int notAFont = 0;
  EXPECT_EQ(fonts->FontKeyFromFont(nullptr, &key), kBadParameterErr);
  EXPECT_EQ(fonts->FontKeyFromFont(reinterpret_cast<FontRef>(&notAFont), &key), kBadParameterErr);
  AIFontStyle style;
  EXPECT_EQ(fonts->GetFontInfo(reinterpret_cast<AIFontKey>(&notAFont), &style), kBadParameterErr);
  EXPECT_EQ(Live(), 0);
}

TEST_F(TextEngineTest, FrameKindsIncludeOtherValuesAndOnlyTextFramesHaveThem) {
  Document* document = Add(json{{"layers",
                                 {{{"art",
                                    {TextFrame("a", "Sans", 2),
                                     TextFrame("b", "Sans", 7),
                                     TextFrame("c", "Sans", -3),
                                     {{"type", "legacyText"}}}}}}}});
  ai::int32 expected[] = {2, 7, -3};
  for (size_t i = 0; i < 3; ++i) {
    AITextFrameType type;
    ASSERT_EQ(frames->GetType(HandleOf(ArtAt(document, 0, {i})), &type), kNoErr);
    ai::int32 kind = 0;
    std::memcpy(&kind, &type, sizeof(kind));  // kinds beyond the enumeration's own values
    EXPECT_EQ(kind, expected[i]);
  }
  AITextFrameType type;
  ATE::TextRangeRef range = nullptr;
  EXPECT_EQ(frames->GetType(HandleOf(ArtAt(document, 0, {3})), &type), kBadParameterErr);
  EXPECT_EQ(frames->GetATETextRange(HandleOf(ArtAt(document, 0, {3})), &range), kBadParameterErr);
  EXPECT_EQ(range, nullptr);
}

// Counting returns nothing, so a count gone wrong is the plug-in's fault: recorded,
// the object left as it was.
TEST_F(TextEngineTest, ReferencesAreCountedAndUnknownOrDeadOnesRefused) {
  Document* document = Add(json{{"layers", {{{"art", {TextFrame("abc")}}}}}});
  ATE::TextRangeRef range = RangeOf(ArtAt(document, 0, {0}));
  ranges->AddRef(range);
  EXPECT_EQ(docs().text().liveRanges(), 2);
  ranges->Release(range);
  ATE::CharFeaturesRef set = nullptr;
  ranges->GetUniqueCharFeatures(range, &set);
  features->AddRef(set);
  features->Release(set);
  ATE::FontRef font = nullptr;
  features->GetFont(set, nullptr, &font);
  EXPECT_EQ(Live(), 3) << "range, features and font";
  ateFonts->AddRef(font);
  ateFonts->Release(font);
  ateFonts->Release(font);
  EXPECT_FALSE(host().validator().failed());
  ateFonts->Release(font);
  EXPECT_EQ(host().validator().failures().size(), 1u) << "more releases than references";
  features->Release(set);
  features->Release(set);
  EXPECT_EQ(host().validator().failures().size(), 2u) << "gone with its last reference";
  ranges->Release(nullptr);
  features->AddRef(nullptr);
  EXPECT_EQ(host().validator().failures().size(), 2u) << "a null reference is no object to count";

  // A range outlives its document's art without reaching it.
  ASSERT_EQ(docs().Close(document), kNoErr);
  Int32 size = -1;
  EXPECT_EQ(ranges->GetSize(range, &size), ATE::kBadParameter);
  ranges->Release(range);
  EXPECT_EQ(host().validator().failures().size(), 2u);
  ranges->Release(range);
  ASSERT_EQ(host().validator().failures().size(), 3u);
  EXPECT_EQ(host().validator().failures().back(), "the plug-in counted a reference to a text range that is not live");
  EXPECT_EQ(Live(), 0);
}

TEST_F(TextEngineTest, TextFrameRefsGiveTheWholeText) {
  Document* document = Add(json{{"layers", {{{"art", {TextFrame("abcd")}}}}}});
  auto frame = reinterpret_cast<ATE::TextFrameRef>(docs().text().NewFrame(ArtAt(document, 0, {0})));
  ATE::TextRangeRef range = nullptr;
  ASSERT_EQ(ateFrames->GetTextRange(frame, true, &range), ATE::kNoError);
  Int32 size = 0;
  ranges->GetSize(range, &size);
  EXPECT_EQ(size, 4);
  ranges->Release(range);
  ateFrames->AddRef(frame);
  ateFrames->Release(frame);
  ateFrames->Release(frame);
  EXPECT_FALSE(host().validator().failed());
  ateFrames->Release(frame);
  EXPECT_EQ(host().validator().failures().size(), 1u);
  EXPECT_EQ(Live(), 0);
}

TEST_F(TextEngineTest, InjectedFailuresComeBackAsTextEngineCodes) {
  Document* document = Add(json{{"layers", {{{"art", {TextFrame("abc")}}}}}});
  ATE::TextRangeRef range = RangeOf(ArtAt(document, 0, {0}));
  Int32 size = 0;
  host().faults().Inject("TextRangeSuite.GetSize", ATE::kOutOfMemory);
  EXPECT_EQ(ranges->GetSize(range, &size), ATE::kOutOfMemory);
  host().faults().Inject("TextRangeSuite.GetSize", kBadParameterErr);
  EXPECT_EQ(ranges->GetSize(range, &size), ATE::kInternalError) << "a host code is no text-engine code";
  host().faults().Inject("AIFontSuite.GetFontInfo", AIFourCharCode("FONT"));
  AIFontStyle style;
  EXPECT_EQ(fonts->GetFontInfo(nullptr, &style), AIFourCharCode("FONT"));
  ranges->Release(range);
}

}  // namespace
}  // namespace documents_test
