// The program's arguments where the system hands them over as argv: taken as they
// stand, UTF-8. (Windows reads its wide command line instead, whatever argv holds.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "os/Process.h"

namespace {

TEST(OsProcessTest, ArgumentsAreTakenFromArgvAsUTF8) {
  char name[] = "kestrune", first[] = "チラシ.ai", second[] = "--yes";
  char* argv[] = {name, first, second, nullptr};
  EXPECT_EQ(simhost::os::ProgramArguments(3, argv), (std::vector<std::string>{"チラシ.ai", "--yes"}));
}

}  // namespace
