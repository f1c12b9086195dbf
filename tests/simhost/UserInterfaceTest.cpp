// The host's dialogs: scripted answers in order, then the default; Cancel where
// the dialog has one; the folder chooser's one spelling of a folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "DocumentFixture.h"
#include "suites/UserInterface.h"
#include "PlatformExpectations.h"

namespace documents_test {
namespace {

using simhost::Answer;
using simhost::DialogKind;
using testing_support::Joined;
using testing_support::Native;

TEST(Answers, ReadTheirNamesAndNothingElse) {
  EXPECT_EQ(simhost::AnswerNamed("yes"), Answer::kYes);
  EXPECT_EQ(simhost::AnswerNamed("n"), Answer::kNo);
  EXPECT_EQ(simhost::AnswerNamed("cancel"), Answer::kCancel);
  for (const char* bad : {"", "Yes", "ok", "maybe", "yes "}) EXPECT_FALSE(simhost::AnswerNamed(bad)) << bad;
}

class UserInterfaceTest : public DocumentTest {};

TEST_F(UserInterfaceTest, ScriptedAnswersComeInOrderThenTheDefault) {
  simhost::UserInterface& ui = host().ui();
  ui.SetDefaultAnswer(true);
  for (Answer answer : {Answer::kYes, Answer::kNo, Answer::kCancel, Answer::kCancel}) ui.QueueAnswer(answer);
  EXPECT_TRUE(ui.AskYesNo(DialogKind::Confirm, "go?"));
  EXPECT_EQ(ui.Ask(DialogKind::Question, "really?"), Answer::kNo);
  EXPECT_EQ(ui.Ask(DialogKind::Question, "sure?"), Answer::kCancel);
  EXPECT_FALSE(ui.AskYesNo(DialogKind::Confirm, "again?")) << "Cancel dismisses a confirmation";
  EXPECT_EQ(ui.Ask(DialogKind::Question, "default?"), Answer::kYes) << "the list used up";
  std::vector<std::string> answers;
  for (const auto& dialog : host().ui().dialogs()) answers.push_back(dialog.answer);
  EXPECT_EQ(answers, (std::vector<std::string>{"yes", "no", "cancel", "cancel", "yes"}));
}

TEST_F(UserInterfaceTest, CancelKeepsAModifiedDocumentOpen) {
  const std::string path = WriteModel("kept.ai", json::object());
  simhost::Document* document = nullptr;
  ASSERT_EQ(docs().Open(path, &document), kNoErr);
  document->modified = true;
  host().ui().QueueAnswer(Answer::kCancel);
  EXPECT_EQ(docs().Close(document), kCanceledErr);
  EXPECT_EQ(docs().current(), document);
  EXPECT_TRUE(document->modified);
}

TEST_F(UserInterfaceTest, TheFolderChooserGivesOneSpellingOfAFolder) {
  const std::string folder = Folder();
  const std::string working = std::filesystem::current_path().string();
  std::filesystem::current_path(folder);
  std::filesystem::create_directory(folder + "/x");
  struct Case {
    std::string typed;
    std::string given;
  } cases[] = {
      {"./x", Joined(folder, "x")},
      {"x/", Joined(folder, "x")},
      {folder + "//x/./", Joined(folder, "x")},
      {folder + "/x/../x", Joined(folder, "x")},
      {".", folder},
      {"/", Native("/")},
  };
  for (const Case& c : cases) {
    host().ui().QueueFolder(c.typed);
    EXPECT_EQ(host().ui().ChooseFolder("Choose"), c.given) << c.typed;
    EXPECT_EQ(host().ui().dialogs().back().answer, c.given);
  }
  std::filesystem::current_path(working);
  host().ui().QueueFolder(std::nullopt);
  EXPECT_FALSE(host().ui().ChooseFolder("Choose").has_value());
}

}  // namespace
}  // namespace documents_test
