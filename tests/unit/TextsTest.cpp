// The program's texts: every Japanese text decodes from its Shift-JIS bytes to exactly
// the text users are shown, and every English one is the plain ASCII text.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "os/CodePage.h"
#include "DirectPlugin.h"
#include "common/Texts.h"

namespace {

struct Expected {
  TextId id;
  const char* japanese;  // UTF-8
  const char* english;
};

const Expected kExpected[] = {
    {TextId::kMenuGroupTitle, "文字位置情報を保存",
     "Save with updated text layout information"},
    {TextId::kMenuSaveAs, "別名で保存...",
     "Save as..."},
    {TextId::kMenuBulkUpdate, "一括更新...",
     "Bulk update..."},
    {TextId::kMenuBulkUpdateRecursive, "一括更新 (サブフォルダを含む)...",
     "Bulk update (Recursive subfolders)..."},
    {TextId::kActionSaveAsTitle, "文字位置情報を更新して別名で保存",
     "Save with updated text layout information"},
    {TextId::kActionInsideCommandTitle, "Kestrune Inside Command",
     "Kestrune Inside Command"},
    {TextId::kAlertMissingFonts, "このファイルには、ご使用のコンピューターにないフォントが使用されています。\rフォントをインストールしてから実行してください。",
     "The file contains fonts not installed on this computer.\rPlease install the missing fonts and try again."},
    {TextId::kLogMissingFonts, "エラー: ご使用のコンピューターにないフォントが使用されています。",
     "Error: The file contains fonts not installed on this computer."},
    {TextId::kAlertLegacyText, "このファイルには、バージョン10またはそれ以前のIllustratorで作成されたテキストが含まれています。",
     "This file includes text that was created in Version 10 or earlier Illustrator."},
    {TextId::kLogLegacyText, "エラー: このファイルには、バージョン10またはそれ以前のIllustratorで作成されたテキストが含まれています。",
     "Error: This file includes text that was created in Version 10 or earlier Illustrator."},
    {TextId::kAlertNoText, "このファイルには、テキストは含まれていません。",
     "No text objects found in file"},
    {TextId::kLogNoText, "エラー: このファイルには、テキストは含まれていません。",
     "Error: No text objects found in file"},
    {TextId::kAlertNoName, "更新済みファイル名が作成できませんでした。\r文字位置情報は保存されませんでした。",
     "Could not create updated file name.\rText layout information was not updated."},
    {TextId::kLogNoName, "エラー: 更新済みファイル名が作成できませんでした。",
     "Error: Could not create updated file name."},
    {TextId::kSaveCompleted, "別名で保存が終了しました。",
     "Save as operation completed"},
    {TextId::kAlertSaveCanceled, "ドキュメントの保存がキャンセルされました。\r文字位置情報は保存されませんでした。",
     "Save operation canceled.\rText layout information was not updated."},
    {TextId::kLogSaveCanceled, "エラー: ドキュメントの保存がキャンセルされました。",
     "Error: Save operation was canceled."},
    {TextId::kAlertSaveFailed, "ドキュメントの保存が出来ませんでした。\r文字位置情報は保存されませんでした。",
     "Could not save document.\rText layout information was not updated."},
    {TextId::kLogSaveFailed, "エラー: ドキュメントの保存が出来ませんでした。",
     "Error: Could not save document."},
    {TextId::kBulkQuestionCanceled, "ドキュメントの保存がキャンセルされました。\r",
     "Save operation was canceled and text layout information was not updated.\r"},
    {TextId::kBulkQuestionNotUpdated, "文字位置情報は保存されませんでした。\r",
     ""},
    {TextId::kBulkQuestionEnd, "一括更新を終了しますか？\r\r",
     "Would you like to cancel bulk update?\r\r"},
    {TextId::kBulkQuestionChoices, "[はい] 一括更新を終了 [いいえ] 次のファイルの処理を実行",
     "Yes: Cancel bulk update.  No: Proceed to processing next file"},
    {TextId::kConfirmSaveAs, "文字位置情報を保存します。",
     "Saving with updated text layout information"},
    {TextId::kConfirmBulkUpdate, "フォルダ内の ai ファイルの文字位置情報を保存します。 (%d 件) ",
     "Saving all .ai files with updated text layout information located in the folder (%d files)"},
    {TextId::kNoApplicableFiles, "フォルダ内に対象となるファイルがありません。",
     "No applicable files found"},
    {TextId::kFolderPathTooLong, "フォルダのパスが長すぎるため、ログファイルを作成できません。\rパスの短いフォルダを選択してください。",
     "The folder's path is too long for the activity log.\rPlease choose a folder with a shorter path."},
    {TextId::kFilesLeftOutPathTooLong, "パスが長すぎるため、%d 件のファイルを対象外にしました。",
     "%d files were left out because their paths are too long."},
    {TextId::kAlertTrimArea, "このファイルには、トリムエリアが使用されています。\rトリムエリアを変換してから実行してください。",
     "The file includes a trim area.\rPlease convert the trim area and run again."},
    {TextId::kLogTrimArea, "エラー: このファイルには、トリムエリアが使用されています。",
     "Error: The file includes a trim area."},
    {TextId::kLogOpenCanceled, "エラー: ドキュメントの読み込みがキャンセルされました。",
     "Error: Open operation was canceled."},
    {TextId::kLogOpenFailed, "エラー: ドキュメントの読み込みが出来ませんでした。",
     "Error: Could not open document."},
    {TextId::kLogAlreadyOpen, "エラー: ドキュメントが既に開かれているため、そのままにしました。",
     "Error: The document was already open and was left as it is."},
    {TextId::kSummaryHead, "一括更新が終了しました。",
     "Bulk update completed."},
    {TextId::kSummaryFontErrors, "\rフォントエラー : %d 件",
     "\rFont error : %d files"},
    {TextId::kSummaryOpenErrors, "\r読み込みエラー : %d 件",
     "\rOpen error : %d files"},
    {TextId::kSummarySaveErrors, "\r保存エラー : %d 件",
     "\rSave error : %d files"},
    {TextId::kSummaryCanceled, "\rキャンセル : %d 件",
     "\rCanceled : %d files"},
    {TextId::kSummaryUnnecessary, "\r更新不要 : %d 件",
     "\rUpdate unnecessary : %d files"},
    {TextId::kSummarySuccessful, "\r更新成功 : %d 件",
     "\rUpdate successful : %d files"},
    {TextId::kSummaryLogLinesLost, "\rログ (Kestrune.log) に記録できなかったファイル : %d 件",
     "\rNot recorded in the activity log (Kestrune.log) : %d files"},
    {TextId::kProgressTitle, "進捗状況",
     "Progress"},
    {TextId::kProgressAbort, "中断",
     "Abort"},
    {TextId::kUpdatedNameMarker, "[CP_更新済み",
     "[CP_updated_"},
    {TextId::kErrorAlertFormat, "Error=%x, %s (caller : %s, selector : %s)",
     "Error=%x, %s (caller : %s, selector : %s)"},
    {TextId::kSuiteAcquisitionError, "Error: %d, suite: %s, version: %d!",
     "Error: %d, suite: %s, version: %d!"},
};

// The table the build writes from Texts.def holds exactly the bytes the plug-in stores,
// Japanese and English, for every text.
const char* const kGeneratedJapanese[] = {
#include "common/TextsShiftJIS.inc"
};
const char* const kTableEnglish[] = {
#define KSR_TEXT(id, kind, japanese, english) english,
#include "common/Texts.def"
#undef KSR_TEXT
};

TEST(Texts, TheTableWrittenFromTheUTF8SourceIsTheStoredBytes) {
  ASSERT_EQ(sizeof(kGeneratedJapanese) / sizeof(kGeneratedJapanese[0]), static_cast<size_t>(TextId::kTextCount));
  ASSERT_EQ(sizeof(kTableEnglish) / sizeof(kTableEnglish[0]), static_cast<size_t>(TextId::kTextCount));
  for (size_t i = 0; i < static_cast<size_t>(TextId::kTextCount); ++i) {
    EXPECT_EQ(std::string(kGeneratedJapanese[i]), TextFor(static_cast<TextId>(i), 1)) << i;
    EXPECT_EQ(std::string(kTableEnglish[i]), TextFor(static_cast<TextId>(i), 0)) << i;
  }
}

// Decoded independently of the plug-in's own conversion, so a fault in either shows.
bool DecodeShiftJIS(const std::string& bytes, std::string* utf8) {
  return simhost::os::Utf8FromCodePage932(bytes, utf8);
}

TEST(Texts, EveryTextIsListedOnceInTableOrder) {
  ASSERT_EQ(sizeof(kExpected) / sizeof(kExpected[0]), static_cast<size_t>(TextId::kTextCount));
  for (size_t i = 0; i < sizeof(kExpected) / sizeof(kExpected[0]); ++i)
    EXPECT_EQ(static_cast<size_t>(kExpected[i].id), i);
}

TEST(Texts, JapaneseTextsDecodeToTheirUTF8TextByteForByte) {
  for (const Expected& expected : kExpected) {
    std::string stored = TextFor(expected.id, 1);
    std::string decoded;
    ASSERT_TRUE(DecodeShiftJIS(stored, &decoded)) << static_cast<int>(expected.id);
    EXPECT_EQ(decoded, expected.japanese) << static_cast<int>(expected.id);
  }
}

TEST(Texts, EnglishTextsArePlainASCIIForEveryOtherLanguage) {
  for (const Expected& expected : kExpected) {
    for (ai::int32 language : {0, 2, -1, 1041}) {
      std::string stored = TextFor(expected.id, language);
      EXPECT_EQ(stored, expected.english) << static_cast<int>(expected.id) << " language " << language;
      for (unsigned char c : stored) EXPECT_LT(c, 0x80) << static_cast<int>(expected.id);
    }
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
  std::string english, japanese;
  for (TextId piece : kBulkQuestionPieces) {
    english += TextFor(piece, 0);
    japanese += TextFor(piece, 1);
  }
  EXPECT_EQ(english,
            "Save operation was canceled and text layout information was not updated.\r"
            "Would you like to cancel bulk update?\r\r"
            "Yes: Cancel bulk update.  No: Proceed to processing next file");
  std::string decoded;
  ASSERT_TRUE(DecodeShiftJIS(japanese, &decoded));
  EXPECT_EQ(decoded,
            "ドキュメントの保存がキャンセルされました。\r文字位置情報は保存されませんでした。\r"
            "一括更新を終了しますか？\r\r[はい] 一括更新を終了 [いいえ] 次のファイルの処理を実行");
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
  EXPECT_STREQ(field, "Saving all .ai files with updated text layout information located in the folder (3 files)");
  ASSERT_TRUE(FormatCountText(field, sizeof(field), TextId::kSummarySuccessful, 1));
  EXPECT_STREQ(field, "\rUpdate successful : 1 files");

  plugin.globals().appLanguage = 1;
  ASSERT_TRUE(FormatCountText(field, sizeof(field), TextId::kSummaryCanceled, 12));
  std::string decoded;
  ASSERT_TRUE(DecodeShiftJIS(field, &decoded));
  EXPECT_EQ(decoded, "\rキャンセル : 12 件");
  ASSERT_TRUE(FormatCountText(field, sizeof(field), TextId::kConfirmBulkUpdate, 7));
  ASSERT_TRUE(DecodeShiftJIS(field, &decoded));
  EXPECT_EQ(decoded, "フォルダ内の ai ファイルの文字位置情報を保存します。 (7 件) ");

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
    for (TextId line : {TextId::kSummaryFontErrors, TextId::kSummaryOpenErrors, TextId::kSummarySaveErrors,
                        TextId::kSummaryCanceled, TextId::kSummaryUnnecessary, TextId::kSummarySuccessful,
                        TextId::kSummaryLogLinesLost}) {
      ASSERT_TRUE(FormatCountText(field, sizeof(field), line, 2147483647));
      total += std::strlen(field);
    }
    EXPECT_LE(total, 511u) << "language " << language;
  }
}

}  // namespace
