// "Save as..." in the plug-in's menu: when the document notifications offer it,
// and what choosing it does, with and without the host recording an action.
#include <gtest/gtest.h>

#include <filesystem>

#include "suites/Actions.h"
#include "documents/DocumentFile.h"
#include "documents/DocumentModel.h"
#include "suites/Menus.h"
#include "suites/Notifiers.h"
#include "PluginDocumentTest.h"
#include "PlatformExpectations.h"
#include "os/Files.h"

using nlohmann::json;
using simhost::DialogKind;
using namespace testing_support;

namespace {

class SaveAsMenuTest : public PluginDocumentTest {
 protected:
  simhost::MenuItem* SaveAs() { return Item("KESTRUNE_SAVEAS"); }
  bool Offered() { return SaveAs()->enabled; }
  std::string Text() { return SimpleModel(json::array({Frame("Hello")})).dump(); }
  std::string WriteText(const std::string& name) { return Write(name, SimpleModel(json::array({Frame("Hello")}))); }
  void OpenCloud(const std::string& name) {
    std::filesystem::create_directories(docs().cloudFolder);
    std::string problem;
    auto document =
        simhost::DocumentFromModel(SimpleModel(json::array({Frame("Hi")})), docs().fonts(), "24.0.0", &problem);
    ASSERT_TRUE(document) << problem;
    ASSERT_EQ(simhost::WriteDocumentFile(docs().cloudFolder + "/" + name, *document), kNoErr);
    ASSERT_EQ(docs().OpenCloud(name), kNoErr) << name;
  }
};

TEST_F(SaveAsMenuTest, OfferedOnlyForDocumentsTheCommandCanUpdate) {
  EXPECT_FALSE(Offered()) << "disabled at start";
  struct Case {
    const char* name;
    bool offered;
  };
  const Case files[] = {{"flyer.ai", true},
                        {"poster.AI", true},
                        {"mixed.Ai", true},
                        {"poster.eps", false},
                        {"poster.pdf", false},
                        {"poster.svg", false},
                        {"flyer[CP_updated_Ai28.1.0].ai", false},
                        {"チラシ[CP_更新済みAi28.1.0].ai", false}};
  for (const Case& c : files) {
    Open(WriteText(c.name));
    EXPECT_EQ(Offered(), c.offered) << c.name;
    docs().Close(docs().current());
    EXPECT_FALSE(Offered()) << "no document after closing " << c.name;
  }
  docs().New();
  EXPECT_FALSE(Offered()) << "a document never saved";
}

TEST_F(SaveAsMenuTest, CloudDocumentsByTheirNames) {
  struct Case {
    const char* name;
    bool offered;
  };
  const Case clouds[] = {{"brochure.aic", true}, {"brochure.AIC", true}, {"brochure.pdf", false},
                         {"abcd", true},         {"abc", true},          {"brochure[CP_updated_Ai28.1.0].aic", false},
                         {"[CP_updated_", false}};
  for (const Case& c : clouds) {
    OpenCloud(c.name);
    EXPECT_EQ(Offered(), c.offered) << c.name;
    docs().Close(docs().current());
  }
}

TEST_F(SaveAsMenuTest, OtherNotificationsLeaveTheItemAlone) {
  Open(WriteText("flyer.ai"));
  ASSERT_TRUE(Offered());
  SaveAs()->enabled = false;
  host().notifiers().Notify("AI Application Started Notifier");
  host().notifiers().Notify("AI Command Notifier: Before Save As");
  EXPECT_FALSE(Offered());
  host().notifiers().Notify("AI Document Saved Notifier");
  EXPECT_TRUE(Offered());
}

TEST_F(SaveAsMenuTest, ConfirmedItSavesOnceAndWritesNoLog) {
  std::string source = WriteText("flyer.ai");
  Open(source);
  host().ui().QueueAnswer(true);
  ASSERT_EQ(host().menus().Choose(SaveAs()), kNoErr);
  auto confirms = Dialogs(DialogKind::Confirm);
  ASSERT_EQ(confirms.size(), 1u);
  EXPECT_EQ(confirms[0].text, "Saving with updated text layout information");
  auto messages = Dialogs(DialogKind::Message);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Save as operation completed");
  EXPECT_TRUE(std::filesystem::exists(Joined(folder_, "flyer[CP_updated_Ai28.1.0].ai")));
  EXPECT_FALSE(std::filesystem::exists(Joined(folder_, "Kestrune.log")));
  EXPECT_TRUE(host().actions().recorded.empty());
  EXPECT_EQ(globals().actionMode, 0);
  // As with any save-as, the open document is now the copy, which is not offered again.
  EXPECT_EQ(docs().current()->path, Joined(folder_, "flyer[CP_updated_Ai28.1.0].ai"));
  EXPECT_FALSE(Offered());
}

TEST_F(SaveAsMenuTest, FailureAlertsComeFromTheCommandItself) {
  Open(Write("fonts.ai", SimpleModel(json::array({Frame("Hi", "Missing Font")}))));
  host().ui().QueueAnswer(true);
  host().menus().Choose(SaveAs());
  auto messages = Dialogs(DialogKind::Message);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text,
            "The file contains fonts not installed on this computer.\rPlease install the missing fonts and try again.");
  EXPECT_TRUE(Dialogs(DialogKind::Error).empty()) << "the menu command reports no status to the host";
}

TEST_F(SaveAsMenuTest, RecordedWhileTheHostRecordsEvenWhenCanceled) {
  Open(WriteText("flyer.ai"));
  host().actions().recording = true;
  for (bool confirm : {false, true}) {
    host().actions().recorded.clear();
    host().ui().QueueAnswer(confirm);
    const size_t plays = host().actions().played.size();
    host().menus().Choose(SaveAs());
    ASSERT_EQ(host().actions().recorded.size(), 1u) << confirm;
    EXPECT_EQ(host().actions().recorded[0].name, "KESTRUNE_SAVEAS");
    EXPECT_EQ(host().actions().recorded[0].dialogStatus, kDialogOn);
    EXPECT_EQ(host().actions().played.size() > plays, confirm) << "the command runs only when confirmed";
    EXPECT_EQ(globals().actionMode, 0);
  }
  EXPECT_EQ(host().actions().liveParamValues, 0);
}

TEST_F(SaveAsMenuTest, AHostThatCannotPlayTheCommandLeavesNoModeBehind) {
  Open(WriteText("flyer[CP_updated_Ai28.1.0].ai"));
  SaveAs()->enabled = true;
  host().ui().QueueAnswer(true);
  host().faults().Inject("play:KESTRUNE_INSIDECMD", kNotImplementedErr);
  host().menus().Choose(SaveAs());
  EXPECT_EQ(globals().actionMode, 0);
  // So a step the host later plays by itself is checked like any other.
  EXPECT_EQ(host().actions().Play("KESTRUNE_SAVEAS", kDialogOff, nullptr), AIFourCharCode("PrCP"));
}

TEST_F(SaveAsMenuTest, JapaneseHost) {
  simhost::HostConfig config;
  config.language = 1;
  Start(config);
  Open(WriteText("flyer.ai"));
  host().ui().QueueAnswer(true);
  host().menus().Choose(SaveAs());
  EXPECT_EQ(Dialogs(DialogKind::Confirm)[0].text, "文字位置情報を保存します。");
  EXPECT_EQ(Dialogs(DialogKind::Message)[0].text, "別名で保存が終了しました。");
  EXPECT_TRUE(std::filesystem::exists(simhost::os::NativePath(Joined(folder_, "flyer[CP_更新済みAi28.1.0].ai"))));
}

}  // namespace
