// The plug-in's folders include one another in one order only, so that no two of them
// depend on each other: the shell reaches the handlers through shellMain/Handlers.h.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// A folder may include folders of a lower rank only; folders of one rank include
// none of each other.
const std::map<std::string, int> kRanks = {
    {"platform", 0},      {"shellMain", 1},          {"common", 2},
    {"pluginHandler", 3}, {"pdf_chaeck_utility", 4}, {"actionManagerHandler", 4},
    {"menuHandler", 5},   {"notifierHandler", 5},    {"timerHandler", 6},
};

TEST(FolderOrder, EveryFolderIncludesOnlyFoldersBeforeIt) {
  const fs::path source = fs::path(__FILE__).parent_path().parent_path().parent_path() / "SOURCE";
  if (!fs::is_directory(source)) GTEST_SKIP() << "no source tree at " << source.string();
  const std::regex include("#include \"([A-Za-z_]+)/");
  int includes = 0;
  for (const fs::directory_entry& folder : fs::directory_iterator(source)) {
    if (!folder.is_directory()) continue;
    const std::string from = folder.path().filename().string();
    const auto fromRank = kRanks.find(from);
    ASSERT_NE(fromRank, kRanks.end()) << "a folder with no place in the order: " << from;
    for (const fs::directory_entry& file : fs::directory_iterator(folder.path())) {
      std::ifstream in(file.path(), std::ios::binary);
      std::stringstream text;
      text << in.rdbuf();
      const std::string content = text.str();
      for (std::sregex_iterator at(content.begin(), content.end(), include), end; at != end; ++at) {
        const std::string to = (*at)[1].str();
        if (to == from) continue;
        ++includes;
        const auto toRank = kRanks.find(to);
        ASSERT_NE(toRank, kRanks.end()) << file.path().string() << " includes " << to;
        EXPECT_LT(toRank->second, fromRank->second)
            << file.path().filename().string() << " in " << from << " includes " << to;
      }
    }
  }
  EXPECT_GT(includes, 50) << "the folders were read";
}

}  // namespace
