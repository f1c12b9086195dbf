// The program's texts, as the plug-in stores them, against the one table they are
// written in (common/Texts.def, UTF-8): every Japanese text decodes from its Shift-JIS
// bytes to exactly its text in the table, every English one is the table's ASCII text,
// and each holds the printf conversions its kind allows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "os/CodePage.h"
#include "DirectPlugin.h"
#include "common/Texts.h"

namespace {

struct Entry {
  TextId id;
  const char* kind;
  const char* japanese;  // UTF-8
  const char* english;
};

const Entry kTable[] = {
#define KSR_TEXT(id, kind, japanese, english) {TextId::id, #kind, japanese, english},
#include "common/Texts.def"
#undef KSR_TEXT
};

// Decoded independently of the plug-in's own conversion and of the build's, so a fault
// in either shows.
bool DecodeShiftJIS(const std::string& bytes, std::string* utf8) {
  return simhost::os::Utf8FromCodePage932(bytes, utf8);
}

std::string Japanese(TextId id) {
  std::string decoded;
  EXPECT_TRUE(DecodeShiftJIS(TextFor(id, 1), &decoded)) << static_cast<int>(id);
  return decoded;
}

// The printf conversions of a text, in order ("%%" is none).
std::vector<std::string> Conversions(const std::string& text) {
  std::vector<std::string> found;
  for (size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at)) {
    size_t end = text.find_first_not_of("-+ #0123456789.lhzjt", at + 1);
    if (end == std::string::npos) end = text.size() - 1;
    if (text[end] != '%') found.push_back(text.substr(at, end - at + 1));
    at = end + 1;
  }
  return found;
}

std::string WithCount(const std::string& text, const char* count) {
  std::string result = text;
  result.replace(result.find("%d"), 2, count);
  return result;
}

TEST(Texts, JapaneseTextsDecodeToTheirUTF8TextByteForByte) {
  for (const Entry& entry : kTable) EXPECT_EQ(Japanese(entry.id), entry.japanese) << entry.english;
}

TEST(Texts, EnglishTextsArePlainASCIIForEveryOtherLanguage) {
  for (const Entry& entry : kTable) {
    for (ai::int32 language : {0, 2, -1, 1041}) {
      std::string stored = TextFor(entry.id, language);
      EXPECT_EQ(stored, entry.english) << static_cast<int>(entry.id) << " language " << language;
      for (unsigned char c : stored) EXPECT_LT(c, 0x80) << static_cast<int>(entry.id);
    }
  }
}

TEST(Texts, EachTextHoldsTheConversionsItsKindAllowsInBothLanguages) {
  for (const Entry& entry : kTable) {
    const std::string kind = entry.kind;
    for (ai::int32 language : {0, 1}) {
      const std::string stored = TextFor(entry.id, language);
      const std::vector<std::string> conversions = Conversions(stored);
      if (kind == "Count") {
        EXPECT_EQ(conversions, std::vector<std::string>{"%d"}) << entry.english << " language " << language;
        EXPECT_EQ(std::count(stored.begin(), stored.end(), '%'), 1) << entry.english << " language " << language;
      } else if (kind == "Format") {
        EXPECT_FALSE(conversions.empty()) << entry.english;
        EXPECT_EQ(conversions, Conversions(TextFor(entry.id, 1 - language))) << entry.english;
      } else {
        EXPECT_EQ(kind, "Plain") << entry.english;
        EXPECT_EQ(stored.find('%'), std::string::npos) << entry.english << " language " << language;
      }
    }
    EXPECT_EQ(TextTakesCount(entry.id), kind == "Count") << entry.english;
  }
}

TEST(Texts, SingleByteColonAndDigitsInJapaneseTexts) {
  std::string font = TextFor(TextId::kLogMissingFonts, 1);
  EXPECT_EQ(font.substr(6, 2), ": ");  // three double-byte characters, then ": "
  std::string legacy = TextFor(TextId::kLogLegacyText, 1);
  EXPECT_NE(legacy.find("10"), std::string::npos);
}

TEST(Texts, MarkerStoredForms) {
  EXPECT_EQ(std::string(TextFor(TextId::kUpdatedNameMarker, 1)),
            std::string("\x5B\x43\x50\x5F\x8D\x58\x90\x56\x8D\xCF\x82\xDD"));
  EXPECT_EQ(std::string(TextFor(TextId::kUpdatedNameMarker, 0)), "[CP_updated_");
}

TEST(Texts, BulkQuestionJoinsItsPiecesInBothLanguages) {
  std::string english, japanese, expectedEnglish, expectedJapanese;
  for (TextId piece : kBulkQuestionPieces) {
    english += TextFor(piece, 0);
    japanese += TextFor(piece, 1);
    expectedEnglish += kTable[static_cast<size_t>(piece)].english;
    expectedJapanese += kTable[static_cast<size_t>(piece)].japanese;
  }
  EXPECT_STREQ(TextFor(TextId::kBulkQuestionNotUpdated, 0), "") << "the English question has no second piece";
  EXPECT_EQ(english, expectedEnglish);
  std::string decoded;
  ASSERT_TRUE(DecodeShiftJIS(japanese, &decoded));
  EXPECT_EQ(decoded, expectedJapanese);
}

TEST(Texts, TextFollowsTheRunningHostLanguage) {
  testing_support::DirectPlugin plugin;
  plugin.globals().appLanguage = 1;
  EXPECT_STREQ(Text(TextId::kProgressAbort), TextFor(TextId::kProgressAbort, 1));
  plugin.globals().appLanguage = 0;
  EXPECT_STREQ(Text(TextId::kProgressAbort), "Abort");
}

TEST(Texts, CountTextsFormatTheirNumberAndNothingElseIsUsedAsAFormat) {
  testing_support::DirectPlugin plugin;
  char field[256];
  ASSERT_TRUE(FormatCountText(field, sizeof(field), TextId::kConfirmBulkUpdate, 3));
  EXPECT_EQ(field, WithCount(TextFor(TextId::kConfirmBulkUpdate, 0), "3"));
  ASSERT_TRUE(FormatCountText(field, sizeof(field), TextId::kSummarySuccessful, 1));
  EXPECT_EQ(field, WithCount(TextFor(TextId::kSummarySuccessful, 0), "1"));

  plugin.globals().appLanguage = 1;
  ASSERT_TRUE(FormatCountText(field, sizeof(field), TextId::kSummaryCanceled, 12));
  EXPECT_EQ(field, WithCount(TextFor(TextId::kSummaryCanceled, 1), "12"));
  ASSERT_TRUE(FormatCountText(field, sizeof(field), TextId::kConfirmBulkUpdate, 7));
  EXPECT_EQ(field, WithCount(TextFor(TextId::kConfirmBulkUpdate, 1), "7"));

  // A text without a count, or one that would not fit, leaves the field empty.
  EXPECT_FALSE(FormatCountText(field, sizeof(field), TextId::kErrorAlertFormat, 1));
  EXPECT_STREQ(field, "");
  char small[8] = "xxxxxxx";
  EXPECT_FALSE(FormatCountText(small, sizeof(small), TextId::kSummaryHead, 1));
  EXPECT_STREQ(small, "");
  plugin.globals().appLanguage = 0;
  EXPECT_FALSE(FormatCountText(small, sizeof(small), TextId::kSummaryFontErrors, 1000));
  EXPECT_STREQ(small, "");

  // The summary's 512-byte field holds its head and every line at the largest count, so
  // its last line, the files the log lacks, is never cut off.
  for (ai::int32 language : {0, 1}) {
    plugin.globals().appLanguage = language;
    size_t total = std::strlen(Text(TextId::kSummaryHead));
    for (TextId line :
         {TextId::kSummaryFontErrors, TextId::kSummaryOpenErrors, TextId::kSummarySaveErrors, TextId::kSummaryCanceled,
          TextId::kSummaryUnnecessary, TextId::kSummarySuccessful, TextId::kSummaryLogLinesLost}) {
      ASSERT_TRUE(FormatCountText(field, sizeof(field), line, 2147483647));
      total += std::strlen(field);
    }
    EXPECT_LE(total, 511u) << "language " << language;
  }
}

}  // namespace
