// The progress window as this platform draws it: on standard error, with Ctrl-C as
// its Abort button.
#include <gtest/gtest.h>

#include "os/Terminal.h"
#include "DirectPlugin.h"
#include "platform/ProgressWindow.h"

namespace {

class ProgressWindowTest : public testing::Test {
 protected:
  void TearDown() override {
    ProgressWindow::Close();
    ProgressWindow::ReleaseAbort();
  }
  testing_support::DirectPlugin plugin_;
};

TEST_F(ProgressWindowTest, RepaintsOnlyWhenTheWholePercentageChanges) {
  testing::internal::CaptureStderr();
  ProgressWindow::Open(true);
  ProgressWindow::SetProgressPercent(0);
  ProgressWindow::SetProgressPercent(50);
  ProgressWindow::SetProgressPercent(50);
  ProgressWindow::SetProgressPercent(100);
  ProgressWindow::Close();
  std::string drawn = testing::internal::GetCapturedStderr();
  EXPECT_EQ(drawn,
            "Progress [........................................] 0%  Ctrl-C: Abort\n"
            "Progress [####################....................] 50%  Ctrl-C: Abort\n"
            "Progress [########################################] 100%  Ctrl-C: Abort\n");
}

TEST_F(ProgressWindowTest, ValuesOutsideTheBarAreDrawnAtItsEnds) {
  testing::internal::CaptureStderr();
  ProgressWindow::Open(false);
  ProgressWindow::SetProgressPercent(-20);
  ProgressWindow::SetProgressPercent(250);
  ProgressWindow::Close();
  std::string drawn = testing::internal::GetCapturedStderr();
  EXPECT_NE(drawn.find("[........................................] 0%\n"), std::string::npos) << drawn;
  EXPECT_NE(drawn.find("[########################################] 100%\n"), std::string::npos) << drawn;
  EXPECT_EQ(drawn.find("Ctrl-C"), std::string::npos) << "no abort offered";
}

TEST_F(ProgressWindowTest, CtrlCAbortsOnceAndIsGivenBackOnlyWhenReleased) {
  testing::internal::CaptureStderr();
  ProgressWindow::Open(true);
  EXPECT_TRUE(ProgressWindow::IsOpen());
  EXPECT_EQ(ProgressWindow::IsAborted(), 0);
  simhost::os::RaiseInterrupt();
  EXPECT_EQ(ProgressWindow::IsAborted(), 1);
  simhost::os::RaiseInterrupt();
  EXPECT_EQ(ProgressWindow::IsAborted(), 1) << "the flag stays set";
  ProgressWindow::Close();
  testing::internal::GetCapturedStderr();
  EXPECT_FALSE(ProgressWindow::IsOpen());
  EXPECT_EQ(ProgressWindow::IsAborted(), 0);
  EXPECT_FALSE(simhost::os::InterruptHandlingIsDefault()) << "held while the run ends";
  simhost::os::RaiseInterrupt();  // would end this program were it given back already
  EXPECT_EQ(ProgressWindow::IsAborted(), 0);

  // A window opened again before the release must not take the held handler for the
  // host's; without the abort offered Ctrl-C is ignored.
  testing::internal::CaptureStderr();
  ProgressWindow::Open(false);
  simhost::os::RaiseInterrupt();
  EXPECT_EQ(ProgressWindow::IsAborted(), 0);
  ProgressWindow::Close();
  testing::internal::GetCapturedStderr();
  ProgressWindow::ReleaseAbort();
  EXPECT_TRUE(simhost::os::InterruptHandlingIsDefault());
}

TEST_F(ProgressWindowTest, TheAbortedStateIsShownOnceCtrlCIsPressed) {
  testing::internal::CaptureStderr();
  ProgressWindow::Open(true);
  ProgressWindow::SetProgressPercent(40);
  simhost::os::RaiseInterrupt();
  EXPECT_EQ(ProgressWindow::IsAborted(), 1);
  EXPECT_EQ(ProgressWindow::IsAborted(), 1);
  std::string drawn = testing::internal::GetCapturedStderr();
  ProgressWindow::Close();
  EXPECT_EQ(drawn,
            "Progress [........................................] 0%  Ctrl-C: Abort\n"
            "Progress [################........................] 40%  Ctrl-C: Abort\n"
            "Progress [################........................] 40%  (Abort)\n")
      << "drawn once more, when the abort is first seen";
}

TEST_F(ProgressWindowTest, TitleAndMessageInTheHostLanguage) {
  simhost::HostConfig japanese;
  japanese.language = 1;
  plugin_.Restart(japanese);
  testing::internal::CaptureStderr();
  ProgressWindow::Open(true);
  ProgressWindow::SetProgressMessage("\x83\x89\x83\x78\x83\x8B");  // ラベル in Shift-JIS
  ProgressWindow::Close();
  std::string drawn = testing::internal::GetCapturedStderr();
  EXPECT_NE(drawn.find("進捗状況 [........................................] 0%  Ctrl-C: 中断\n"), std::string::npos)
      << drawn;
  EXPECT_NE(drawn.find("0%  ラベル  Ctrl-C: 中断\n"), std::string::npos) << drawn;
}

}  // namespace
