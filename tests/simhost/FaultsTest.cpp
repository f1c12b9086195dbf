#include "core/Faults.h"

#include <gtest/gtest.h>

namespace {

TEST(Faults, FailsTheNthCallOnceOrForGood) {
  simhost::Faults faults;
  faults.Inject("A.f", AIFourCharCode("FAIL"), 2);
  EXPECT_EQ(faults.Check("A.f"), kNoErr);
  EXPECT_EQ(faults.Check("A.f"), AIFourCharCode("FAIL"));
  EXPECT_EQ(faults.Check("A.f"), kNoErr);
  faults.Inject("B.g", kCanceledErr, 1, true);
  EXPECT_EQ(faults.Check("B.g"), kCanceledErr);
  EXPECT_EQ(faults.Check("B.g"), kCanceledErr);
  EXPECT_EQ(faults.Calls("B.g"), 2);
  EXPECT_EQ(faults.Check("C.h"), kNoErr);
}

}  // namespace
