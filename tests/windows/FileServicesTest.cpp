// The Windows file services on what NTFS allows and Wine cannot make: reparse points
// of every kind and names that are not valid UTF-16.
#include <gtest/gtest.h>

#include <string>

#include "ReparseTags.h"
#include "platform/PathRules.h"

namespace {

TEST(WindowsFileServices, TheLogRefusesLinksAndJunctionsByTheirTagAndWritesOtherReparsePoints) {
  struct Case {
    unsigned long tag;
    const char* what;
    bool refused;
  };
  const Case cases[] = {
      {0xA000000C, "symbolic link", true},
      {0xA0000003, "junction (mount point)", true},
      {0xA000001D, "WSL symbolic link, a name surrogate", true},
      {0x9000001A, "cloud files placeholder", false},
      {0x9000601A, "cloud files placeholder of a sync provider", false},
      {0x80000013, "deduplicated file", false},
      {0x80000017, "WOF compressed file", false},
      {0xC0000004, "hierarchical storage", false},
      {0x8000001B, "app execution alias", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsLinkReparseTag(c.tag), c.refused) << c.what;
}

TEST(WindowsFileServices, NamesThatAreNotValidUTF16GetAReplacementCharacter) {
  const std::string r = "\xEF\xBF\xBD";
  struct Case {
    std::wstring name;
    std::string utf8;
  };
  const Case cases[] = {
      {L"plain.ai", "plain.ai"},
      {L"\u30c1\u30e9\u30b7.ai", "\xE3\x83\x81\xE3\x83\xA9\xE3\x82\xB7.ai"},
      {L"bad\xD800.ai", "bad" + r + ".ai"},         // a high surrogate alone
      {L"\xDC00x.ai", r + "x.ai"},                  // a low one alone
      {L"end\xD83D", "end" + r},                    // cut at the end
      {L"\xDE00\xD83D.ai", r + r + ".ai"},          // the pair the wrong way round
      {L"\xD83D\xDE00.ai", "\xF0\x9F\x98\x80.ai"},  // a whole pair stays
  };
  for (const Case& c : cases) {
    char out[64];
    ASSERT_TRUE(platform::UTF8FromPathText(c.name.c_str(), out, sizeof(out))) << c.utf8;
    EXPECT_EQ(std::string(out), c.utf8);
  }
}

}  // namespace
