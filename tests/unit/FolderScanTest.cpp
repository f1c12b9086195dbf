// The folder scan: which files a bulk update takes, in which order, and how it copes with
// deep folders, links back up the tree and a heap that will not grow.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "DirectPlugin.h"
#include "PlatformExpectations.h"
#include "TestHost.h"
#include "menuHandler/folderScan.h"

namespace fs = std::filesystem;

namespace {

const std::string kJapaneseMarker = "[CP_\xE6\x9B\xB4\xE6\x96\xB0\xE6\xB8\x88\xE3\x81\xBF";

using testing_support::Joined;
using testing_support::PathText;
using testing_support::TempFolder;
using testing_support::Utf8Text;

void Touch(const std::string& path) { std::ofstream(fs::u8path(path)).put('x'); }

// Names in the order the file system lists them, which the scan must keep.
std::vector<std::string> Listed(const std::string& folder) { return testing_support::ListedNames(folder); }

struct Result {
  std::vector<std::string> paths;
  ai::int32 skipped = 0;
};

class FolderScanTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(folder.path().empty()); }

  Result Scan(const std::string& path, bool recursive) {
    CP_SPOOL* list = nullptr;
    ai::int32 count = 0;
    Result result;
    GetDirectoryFileListProcess(PathText(path).c_str(), &list, &count, recursive ? 1 : 0, &result.skipped);
    if (count == 0) {
      EXPECT_EQ(list, nullptr);
    }
    for (ai::int32 i = 0; i < count; ++i) result.paths.push_back(Utf8Text(list[i].path));
    std::free(list);
    return result;
  }

  std::string In(const std::string& name) const { return Joined(folder.path(), name); }

  testing_support::DirectPlugin plugin;
  TempFolder folder;
};

TEST_F(FolderScanTest, OnlyVisibleUnmarkedDotAiOrDotAIFilesAreTaken) {
  std::vector<std::string> taken = {"a.ai",   "b.AI",           "x.ai", "notes[cp_updated_Ai28.1.0].ai",
                                    "a.b.ai", "\xE5\x9B\xB3.ai"};
  std::vector<std::string> left = {"d.txt",
                                   ".hidden.ai",
                                   "e[CP_updated_Ai28.1.0].ai",
                                   ".ai",
                                   "ai",
                                   "x.ai.bak",
                                   "Kestrune.log",
                                   "x.aic",
                                   "f" + kJapaneseMarker + "Ai28.1.0].ai",
                                   "g" + kJapaneseMarker + ".ai"};
  // The mixed spellings: documents where A to Z compare without case, else not.
  for (const char* mixed : {"c.Ai", "y.aI"})
    (testing_support::AiExtensionIgnoresCase() ? taken : left).push_back(mixed);
  for (const auto& name : taken) Touch(In(name));
  for (const auto& name : left) Touch(In(name));

  std::vector<std::string> expected;
  for (const auto& name : Listed(folder.path()))
    for (const auto& wanted : taken)
      if (name == wanted) expected.push_back(In(name));
  for (bool recursive : {false, true}) {
    Result result = Scan(folder.path(), recursive);
    EXPECT_EQ(result.paths, expected);
    EXPECT_EQ(result.skipped, 0);
  }
}

TEST_F(FolderScanTest, SubfoldersAreWalkedDepthFirstWhereTheyAreMet) {
  Touch(In("a.ai"));
  Touch(In("c.ai"));
  fs::create_directories(In("sub/deeper"));
  Touch(In("sub/b.ai"));
  Touch(In("sub/deeper/d.ai"));
  Touch(In("sub/deeper/e.txt"));
  fs::create_directory(In(".cache"));
  Touch(In(".cache/hidden.ai"));
  fs::create_directory(In("empty.ai"));  // a folder, never a file

  std::vector<std::string> expected;
  std::function<void(const std::string&)> walk = [&](const std::string& dir) {
    for (const auto& name : Listed(dir)) {
      std::string path = Joined(dir, name);
      if (name[0] == '.') continue;
      if (fs::is_directory(fs::u8path(path))) {
        walk(path);
      } else if (name.size() > 3 && name.compare(name.size() - 3, 3, ".ai") == 0) {
        expected.push_back(path);
      }
    }
  };
  walk(folder.path());
  ASSERT_EQ(expected.size(), 4u);
  EXPECT_EQ(Scan(folder.path(), true).paths, expected);

  std::vector<std::string> top;
  for (const auto& path : expected)
    if (fs::path(path).parent_path() == folder.path()) top.push_back(path);
  EXPECT_EQ(Scan(folder.path(), false).paths, top);
}

TEST_F(FolderScanTest, EmptyOrUnopenableFoldersGiveNothing) {
  EXPECT_TRUE(Scan(folder.path(), true).paths.empty());
  EXPECT_TRUE(Scan(In("missing"), true).paths.empty());
  Touch(In("file.ai"));
  EXPECT_TRUE(Scan(In("file.ai"), true).paths.empty());
  EXPECT_TRUE(Scan("", true).paths.empty());

  CP_SPOOL* list = nullptr;
  ai::int32 count = 0;
  GetDirectoryFileListProcess(nullptr, &list, &count, 1);
  GetDirectoryFileListProcess(PathText(folder.path()).c_str(), nullptr, &count, 1);
  GetDirectoryFileListProcess(PathText(folder.path()).c_str(), &list, nullptr, 1);
  EXPECT_EQ(list, nullptr);
  EXPECT_EQ(count, 0);
}

TEST_F(FolderScanTest, ATrailingSeparatorMakesNoDoubleSeparator) {
  Touch(In("a.ai"));
  const std::string separator(1, testing_support::Separator());
  EXPECT_EQ(Scan(folder.path() + separator, false).paths, std::vector<std::string>{In("a.ai")});
  EXPECT_EQ(Scan(folder.path() + separator + separator, false).paths, std::vector<std::string>{In("a.ai")});
}

TEST_F(FolderScanTest, NewEntriesGoBehindAListThatIsNotEmpty) {
  Touch(In("a.ai"));
  CP_SPOOL* list = static_cast<CP_SPOOL*>(std::malloc(sizeof(CP_SPOOL)));
  const auto earlier = PathText(Joined("earlier", "z.ai"));
  std::copy(earlier.c_str(), earlier.c_str() + earlier.size() + 1, list[0].path);
  ai::int32 count = 1;
  GetDirectoryFileListProcess(PathText(folder.path()).c_str(), &list, &count, 0);
  ASSERT_EQ(count, 2);
  EXPECT_EQ(Utf8Text(list[0].path), Joined("earlier", "z.ai"));
  EXPECT_EQ(Utf8Text(list[1].path), In("a.ai"));
  std::free(list);
}

// The heap as the scan sees it: every resize recorded, and one of them refused.
struct RecordingHeap {
  static std::vector<size_t> sizes;
  static int refuseAt;  // the resize to refuse, counted from 1; 0 refuses none
  static void* Resize(void* block, size_t bytes) {
    sizes.push_back(bytes);
    if (static_cast<int>(sizes.size()) == refuseAt) return nullptr;
    return std::realloc(block, bytes);
  }
};
std::vector<size_t> RecordingHeap::sizes;
int RecordingHeap::refuseAt = 0;

TEST_F(FolderScanTest, TheListGrowsByExactlyOneEntryPerFileAndAFailedGrowthEndsTheScan) {
  for (int i = 0; i < 5; ++i) Touch(In("f" + std::to_string(i) + ".ai"));
  Touch(In("skip.txt"));
  FolderScanServices services{platform::OpenDirectory, RecordingHeap::Resize};

  RecordingHeap::sizes.clear();
  RecordingHeap::refuseAt = 0;
  CP_SPOOL* list = nullptr;
  ai::int32 count = 0;
  ai::int32 skipped = 0;
  GetDirectoryFileListProcess(services, PathText(folder.path()).c_str(), &list, &count, 0, &skipped);
  EXPECT_EQ(count, 5);
  EXPECT_EQ(skipped, 0);
  EXPECT_EQ(RecordingHeap::sizes, (std::vector<size_t>{1 * sizeof(CP_SPOOL), 2 * sizeof(CP_SPOOL), 3 * sizeof(CP_SPOOL),
                                                       4 * sizeof(CP_SPOOL), 5 * sizeof(CP_SPOOL)}));
  std::free(list);

  RecordingHeap::sizes.clear();
  RecordingHeap::refuseAt = 3;
  list = nullptr;
  count = 0;
  GetDirectoryFileListProcess(services, PathText(folder.path()).c_str(), &list, &count, 0, &skipped);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(skipped, 1);
  EXPECT_EQ(RecordingHeap::sizes.size(), 3u) << "no further file is tried";
  ASSERT_NE(list, nullptr);
  for (int i = 0; i < 2; ++i) EXPECT_EQ(fs::path(list[i].path).parent_path(), fs::u8path(folder.path()));
  std::free(list);
}

TEST_F(FolderScanTest, PathsTooLongForAnEntryOrTheWorkingBufferAreLeftOutAndCounted) {
  // An entry holds 511 bytes: a file whose path is longer is left out, its neighbours not.
  const std::string longDir = In(std::string(250, 'd'));
  fs::create_directory(fs::u8path(longDir));
  std::string fitting = std::string(511 - longDir.size() - 1 - 3, 'f') + ".ai";
  std::string tooLong = std::string(511 - longDir.size() - 3, 'g') + ".ai";
  Touch(Joined(longDir, fitting));
  Touch(Joined(longDir, tooLong));
  Result result = Scan(folder.path(), true);
  ASSERT_EQ(result.paths.size(), 1u);
  EXPECT_EQ(result.paths[0], Joined(longDir, fitting));
  EXPECT_EQ(result.paths[0].size(), 511u);
  EXPECT_EQ(result.skipped, 1);

  // Folders nested past the 1023-unit working buffer are not entered.
  std::string deep = longDir;
  while (deep.size() < 1023) {
    deep = Joined(deep, std::string(250, 'e'));
    fs::create_directory(fs::u8path(deep));
  }
  Touch(Joined(deep, "x.ai"));
  result = Scan(folder.path(), true);
  EXPECT_EQ(result.paths.size(), 1u);
  EXPECT_EQ(result.skipped, 2);

  // A folder path longer than the buffer is refused as a whole.
  EXPECT_TRUE(Scan(deep, true).paths.empty());
}

// A link is never entered, and is listed only when it leads to a regular file: a link
// to a folder named like a document is no document.
TEST_F(FolderScanTest, ALinkIsNeverEnteredSoALinkBackUpTheTreeEndsNothing) {
  Touch(In("a.ai"));
  fs::create_directory(In("sub"));
  Touch(In("sub/b.ai"));
  fs::create_directory_symlink(folder.path(), In("sub/loop"));
  fs::create_directory_symlink(folder.path(), In("looped.ai"));
  Result result = Scan(folder.path(), true);
  std::vector<std::string> names;
  for (const auto& path : result.paths) names.push_back(path.substr(folder.path().size() + 1));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a.ai", testing_support::Native("sub/b.ai")}));
}

// A file system in memory, where folders can be reached twice, as through junctions.
struct FakeFolder {
  unsigned long long identity;
  std::vector<std::pair<std::string, bool>> entries;  // name, is a folder
};
std::map<std::string, FakeFolder> gFakeTree;
int gFakeOpens = 0;

class FakeListing : public platform::DirectoryListing {
 public:
  explicit FakeListing(const FakeFolder& folder) : folder_(folder) {}
  bool Next(platform::DirectoryEntry* entry) override {
    if (next_ >= folder_.entries.size()) return false;
    const auto& found = folder_.entries[next_++];
    name_ = PathText(found.first);
    entry->name = name_.c_str();
    entry->length = name_.size();
    entry->isFolder = found.second;
    entry->isRegularFile = !found.second;
    return true;
  }
  platform::FolderIdentity Identity() const override {
    platform::FolderIdentity identity;
    identity.volume = 1;
    identity.index = folder_.identity;
    return identity;
  }

 private:
  const FakeFolder& folder_;
  size_t next_ = 0;
  std::basic_string<PlatformPathChar> name_;
};

std::unique_ptr<platform::DirectoryListing> OpenFake(const PlatformPathChar* path) {
  ++gFakeOpens;
  // A junction reaches its target's folder under another path.
  // Keys are written with '/', whatever separator the scan joins with.
  std::string key = Utf8Text(path);
  std::replace(key.begin(), key.end(), testing_support::Separator(), '/');
  for (const auto& alias : {std::make_pair(std::string("/r/sub/back"), std::string("/r")),
                            std::make_pair(std::string("/r/twin"), std::string("/r/sub"))}) {
    if (key.compare(0, alias.first.size(), alias.first) == 0) key = alias.second + key.substr(alias.first.size());
  }
  auto found = gFakeTree.find(key);
  if (found == gFakeTree.end()) return nullptr;
  return std::unique_ptr<platform::DirectoryListing>(new FakeListing(found->second));
}

TEST_F(FolderScanTest, AFolderReachedAgainThroughAJunctionIsScannedOnce) {
  gFakeTree = {
      {"/r", {1, {{"a.ai", false}, {"sub", true}, {"twin", true}, {"c.ai", false}}}},
      {"/r/sub", {2, {{"b.ai", false}, {"back", true}}}},
  };
  gFakeOpens = 0;
  FolderScanServices services{OpenFake, RecordingHeap::Resize};
  RecordingHeap::refuseAt = 0;
  CP_SPOOL* list = nullptr;
  ai::int32 count = 0;
  GetDirectoryFileListProcess(services, PathText("/r").c_str(), &list, &count, 1, nullptr);
  std::vector<std::string> paths;
  for (ai::int32 i = 0; i < count; ++i) paths.push_back(Utf8Text(list[i].path));
  std::free(list);
  EXPECT_EQ(paths, (std::vector<std::string>{Joined("/r", "a.ai"), Joined("/r", "sub/b.ai"), Joined("/r", "c.ai")}));
  EXPECT_EQ(gFakeOpens, 4);  // /r, /r/sub, /r/sub/back (seen), /r/twin (seen)

  // Without recursion no subfolder is even opened.
  gFakeOpens = 0;
  list = nullptr;
  count = 0;
  GetDirectoryFileListProcess(services, PathText("/r").c_str(), &list, &count, 0, nullptr);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(gFakeOpens, 1);
  std::free(list);
}

}  // namespace
