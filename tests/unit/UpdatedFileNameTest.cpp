// Names of updated copies: the grammar in both languages, the first free counter, the
// extension rule, and names that would not fit their field.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "DirectPlugin.h"
#include "TestHost.h"
#include "core/Faults.h"
#include "actionManagerHandler/updatedFileName.h"
#include "platform/NameClaim.h"

namespace fs = std::filesystem;

namespace {

const std::string kJapaneseMarker = "[CP_\xE6\x9B\xB4\xE6\x96\xB0\xE6\xB8\x88\xE3\x81\xBF";

using testing_support::TempFolder;

void Touch(const std::string& path) { std::ofstream(path).put('x'); }

class UpdatedFileNameTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(folder.path().empty()); }

  // The answer, and what the caller's field holds afterwards.
  std::pair<int, std::string> Create(const std::string& source) {
    char field[kUpdatedPathBytes];
    std::memset(field, '#', sizeof(field));
    std::strcpy(field, source.c_str());
    int answer = CreateCPFileName(field);
    return {answer, std::string(field)};
  }

  std::string In(const std::string& name) const { return folder.path() + "/" + name; }

  testing_support::DirectPlugin plugin;  // host 28.1.0, English
  TempFolder folder;
};

TEST_F(UpdatedFileNameTest, NamesFollowTheGrammarWithTheExtensionFoundOnlyNearTheEnd) {
  struct Case {
    const char* source;
    const char* expected;
  };
  const Case cases[] = {
      {"flyer.ai", "flyer[CP_updated_Ai28.1.0].ai"},
      {"poster.AI", "poster[CP_updated_Ai28.1.0].AI"},
      {"brochure.aic", "brochure[CP_updated_Ai28.1.0].aic"},
      {"x.aicx", "x[CP_updated_Ai28.1.0].aicx"},
      {"a.b.ai", "a.b[CP_updated_Ai28.1.0].ai"},
      {"notes.backup", "notes.backup[CP_updated_Ai28.1.0].ai"},
      {"drawing", "drawing[CP_updated_Ai28.1.0].ai"},
      {"x.a", "x.a[CP_updated_Ai28.1.0].ai"},
      {"ai", "ai[CP_updated_Ai28.1.0].ai"},
      {".ai", "[CP_updated_Ai28.1.0].ai"},
      {"flyer[CP_updated_Ai27.9.0].ai", "flyer[CP_updated_Ai27.9.0][CP_updated_Ai28.1.0].ai"},
  };
  for (const Case& c : cases) {
    auto result = Create(In(c.source));
    EXPECT_EQ(result.first, 1) << c.source;
    EXPECT_EQ(result.second, In(c.expected)) << c.source;
  }
  // A cloud document's bare name works the same way.
  auto cloud = Create("brochure.aic");
  EXPECT_EQ(cloud.second, "brochure[CP_updated_Ai28.1.0].aic");
}

TEST_F(UpdatedFileNameTest, MarkerFollowsTheHostLanguageAndVersionIsWrittenAsItIs) {
  struct Case {
    int language, major, minor, revision;  // the host's
    std::string expected;
  };
  const Case cases[] = {
      {1, 28, 1, 0, "flyer" + kJapaneseMarker + "Ai28.1.0].ai"},
      {0, 28, 0, 0, "flyer[CP_updated_Ai28.0.0].ai"},
      {2, 27, 7, 12, "flyer[CP_updated_Ai27.7.12].ai"},
      {1041, 28, 10, 3, "flyer[CP_updated_Ai28.10.3].ai"},
  };
  for (const Case& c : cases) {
    simhost::HostConfig host;
    host.language = c.language;
    host.majorVersion = c.major;
    host.minorVersion = c.minor;
    host.revision = c.revision;
    plugin.Restart(host);
    auto result = Create(In("flyer.ai"));
    EXPECT_EQ(result.first, 1);
    EXPECT_EQ(result.second, In(c.expected));
  }
}

TEST_F(UpdatedFileNameTest, TheFirstFreeCounterIsChosenAndGapsAreFilled) {
  Touch(In("flyer[CP_updated_Ai28.1.0].ai"));
  EXPECT_EQ(Create(In("flyer.ai")).second, In("flyer[CP_updated_Ai28.1.0](1).ai"));
  for (int n = 1; n <= 4; ++n) Touch(In("flyer[CP_updated_Ai28.1.0](" + std::to_string(n) + ").ai"));
  EXPECT_EQ(Create(In("flyer.ai")).second, In("flyer[CP_updated_Ai28.1.0](5).ai"));
  fs::remove(In("flyer[CP_updated_Ai28.1.0](1).ai"));
  EXPECT_EQ(Create(In("flyer.ai")).second, In("flyer[CP_updated_Ai28.1.0](1).ai"));
  // A copy in the other language's name does not take this one's place.
  Touch(In("flyer" + kJapaneseMarker + "Ai28.1.0](1).ai"));
  EXPECT_EQ(Create(In("flyer.ai")).second, In("flyer[CP_updated_Ai28.1.0](1).ai"));
}

TEST_F(UpdatedFileNameTest, WithAllHundredCandidatesTakenNoNameIsMadeAndTheStemRemains) {
  Touch(In("flyer[CP_updated_Ai28.1.0].ai"));
  for (int n = 1; n <= 98; ++n) Touch(In("flyer[CP_updated_Ai28.1.0](" + std::to_string(n) + ").ai"));
  EXPECT_EQ(Create(In("flyer.ai")).second, In("flyer[CP_updated_Ai28.1.0](99).ai"));
  Touch(In("flyer[CP_updated_Ai28.1.0](99).ai"));
  int before = plugin.host().faults().Calls("AIFilePathSuite.Exists");
  auto result = Create(In("flyer.ai"));
  EXPECT_EQ(result.first, 0);
  EXPECT_EQ(result.second, In("flyer"));
  EXPECT_EQ(plugin.host().faults().Calls("AIFilePathSuite.Exists") - before, 100);
  EXPECT_FALSE(fs::exists(In("flyer[CP_updated_Ai28.1.0](100).ai")));
}

TEST_F(UpdatedFileNameTest, ACandidateThatDoesNotFitIsNeverCutAndUsed) {
  // Build a real folder deep enough that the plain candidate takes exactly 511 bytes.
  const std::string suffix = "[CP_updated_Ai28.1.0].ai";
  std::string deep = folder.path();
  while (deep.size() + 201 < 511 - suffix.size() - 20) {
    deep += "/" + std::string(200, 'd');
    fs::create_directory(deep);
  }
  std::string stem = deep + "/" + std::string(511 - suffix.size() - deep.size() - 1, 's');
  ASSERT_EQ((stem + suffix).size(), 511u);
  auto fits = Create(stem + ".ai");
  EXPECT_EQ(fits.first, 1);
  EXPECT_EQ(fits.second, stem + suffix);

  // Taken: the counter would make 514 bytes. No cut name is handed out.
  Touch(stem + suffix);
  auto full = Create(stem + ".ai");
  EXPECT_EQ(full.first, 0);
  EXPECT_EQ(full.second, stem);

  // One byte longer: not even the plain candidate fits.
  auto tooLong = Create(stem + "t.ai");
  EXPECT_EQ(tooLong.first, 0);
  EXPECT_EQ(tooLong.second, stem + "t");
}

TEST_F(UpdatedFileNameTest, AFieldWithoutTerminatorIsRefusedUntouched) {
  char field[kUpdatedPathBytes];
  std::memset(field, 'p', sizeof(field));
  EXPECT_EQ(CreateCPFileName(field), 0);
  for (char c : field) ASSERT_EQ(c, 'p');
  EXPECT_EQ(CreateCPFileName(nullptr), 0);
}

TEST_F(UpdatedFileNameTest, ACandidateTheHostCannotAnswerForCountsAsTaken) {
  plugin.host().faults().Inject("AIFilePathSuite.Set", kCantHappenErr, 1);
  auto once = Create(In("flyer.ai"));
  EXPECT_EQ(once.first, 1);
  EXPECT_EQ(once.second, In("flyer[CP_updated_Ai28.1.0](1).ai"));

  plugin.host().faults().Inject("AIFilePathSuite.Set", kCantHappenErr, 1, true);
  auto always = Create(In("flyer.ai"));
  EXPECT_EQ(always.first, 0);
  EXPECT_EQ(always.second, In("flyer"));
  plugin.host().faults().Clear();
}

// A copy's name is made on disk as it is chosen, so the next run (or another host)
// finds it taken at once; one the file system cannot make is no reason to try the next.
TEST_F(UpdatedFileNameTest, AClaimedNameIsMadeAtOnceAndAnUncreatableOneIsNotPassedOver) {
  char field[kUpdatedPathBytes];
  auto claim = [&field](const std::string& source) {
    std::strcpy(field, source.c_str());
    return ClaimCPFileName(field);
  };
  ASSERT_EQ(claim(In("flyer.ai")), CopyNameClaim::kClaimed);
  EXPECT_EQ(std::string(field), In("flyer[CP_updated_Ai28.1.0].ai"));
  EXPECT_EQ(fs::file_size(field), 0u);
  ASSERT_EQ(claim(In("flyer.ai")), CopyNameClaim::kClaimed);
  EXPECT_EQ(std::string(field), In("flyer[CP_updated_Ai28.1.0](1).ai"));
  EXPECT_TRUE(platform::ReleaseClaim(field));
  EXPECT_FALSE(fs::exists(field));
  Touch(field);
  EXPECT_FALSE(platform::ReleaseClaim(field)) << "a file with content is no claim";
  EXPECT_TRUE(fs::exists(field));

  const std::string longStem = In(std::string(240, 'n'));  // with the marker, too long a name
  EXPECT_EQ(claim(longStem + ".ai"), CopyNameClaim::kNotCreated);
  EXPECT_EQ(std::string(field), longStem + "[CP_updated_Ai28.1.0].ai");
  EXPECT_EQ(claim(In("missing/flyer.ai")), CopyNameClaim::kNotCreated);
  EXPECT_FALSE(fs::exists(In("missing")));
}

TEST_F(UpdatedFileNameTest, EitherMarkerIsRecognisedWhateverTheHostLanguage) {
  struct Case {
    std::string name;
    int expected;
  };
  const Case cases[] = {
      {"flyer[CP_updated_Ai27.9.0].ai", 1},
      {"flyer" + kJapaneseMarker + "Ai28.1.0](3).ai", 1},
      {"[CP_updated_", 1},
      {"x" + kJapaneseMarker, 1},
      {"flyer[CP_updated].ai", 0},
      {"flyer[cp_updated_Ai28.1.0].ai", 0},
      {"flyer[CP_.ai", 0},
      {"flyer[CP_\xE6\x9B\xB4\xE6\x96\xB0.ai", 0},
      {"flyer.ai", 0},
      {"", 0},
  };
  for (int language : {0, 1}) {
    simhost::HostConfig host;
    host.language = language;
    plugin.Restart(host);
    for (const Case& c : cases)
      EXPECT_EQ(CheckCPComposition(ai::UnicodeString(c.name, kAIUTF8CharacterEncoding)), c.expected)
          << c.name << " language " << language;
  }
  // A name longer than any path field is searched whole.
  std::string longName = std::string(900, 'n') + "[CP_updated_Ai28.1.0].ai";
  EXPECT_EQ(CheckCPComposition(ai::UnicodeString(longName, kAIUTF8CharacterEncoding)), 1);
}

TEST_F(UpdatedFileNameTest, MarkersInTheFormUsedInNames) {
  char marker[kMarkerFieldBytes];
  MakeUpdatedNameMarker(1, marker);
  EXPECT_EQ(std::string(marker), kJapaneseMarker);
  MakeUpdatedNameMarker(0, marker);
  EXPECT_STREQ(marker, "[CP_updated_");
  MakeUpdatedNameMarker(3, marker);
  EXPECT_STREQ(marker, "[CP_updated_");
}

}  // namespace
