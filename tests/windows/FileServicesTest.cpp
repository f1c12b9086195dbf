// The Windows file services on what NTFS allows and Wine cannot make: reparse points
// of every kind.
#include <gtest/gtest.h>

#include "ReparseTags.h"

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

}  // namespace
