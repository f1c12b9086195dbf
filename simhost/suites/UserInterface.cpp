#include "suites/UserInterface.h"

#include "AIUser.h"
#include "core/Host.h"
#include "core/Lending.h"
#include "core/SuiteRegistry.h"
#include "suites/FilePaths.h"
#include "suites/Strings.h"

namespace simhost {

const char* DialogKindName(DialogKind kind) {
  switch (kind) {
    case DialogKind::Message:
      return "message";
    case DialogKind::Confirm:
      return "confirm";
    case DialogKind::Question:
      return "question";
    case DialogKind::Error:
      return "error";
    case DialogKind::Folder:
      return "folder";
  }
  return "dialog";
}

std::vector<Dialog> UserInterface::DialogsOf(DialogKind kind) const {
  std::vector<Dialog> out;
  for (const Dialog& d : dialogs_)
    if (d.kind == kind) out.push_back(d);
  return out;
}

void UserInterface::Record(Dialog dialog) {
  dialogs_.push_back(dialog);
  if (observer) observer(dialog);
}

const char* AnswerName(Answer answer) {
  switch (answer) {
    case Answer::kYes:
      return "yes";
    case Answer::kNo:
      return "no";
    case Answer::kCancel:
      return "cancel";
  }
  return "no";
}

std::optional<Answer> AnswerNamed(const std::string& text) {
  if (text == "yes" || text == "y") return Answer::kYes;
  if (text == "no" || text == "n") return Answer::kNo;
  if (text == "cancel" || text == "c") return Answer::kCancel;
  return std::nullopt;
}

Answer UserInterface::Ask(DialogKind kind, const std::string& text) {
  Dialog dialog{kind, text, ""};
  Answer answer = defaultAnswer_ ? Answer::kYes : Answer::kNo;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  } else if (asker) {
    answer = asker(dialog) ? Answer::kYes : Answer::kNo;
  }
  dialog.answer = AnswerName(answer);
  Record(dialog);
  if (Host::HasCurrent()) Host::Current().RunModalLoop();
  return answer;
}

void UserInterface::Show(DialogKind kind, const std::string& text) {
  Record(Dialog{kind, text, "ok"});
  if (Host::HasCurrent()) Host::Current().RunModalLoop();
}

std::optional<std::string> UserInterface::ChooseFolder(const std::string& title) {
  std::optional<std::string> folder;
  if (!folders_.empty()) {
    folder = folders_.front();
    folders_.pop_front();
  }
  if (folder) folder = NormalPathOf(*folder);
  Record(Dialog{DialogKind::Folder, title, folder ? *folder : "canceled"});
  if (Host::HasCurrent()) Host::Current().RunModalLoop();
  return folder;
}

namespace {

void MessageAlert(const ai::UnicodeString& msg) { Host::Current().ui().Show(DialogKind::Message, Utf8Of(msg)); }

AIAnswer YesNoAlert(const ai::UnicodeString& msg) {
  switch (Host::Current().ui().Ask(DialogKind::Question, Utf8Of(msg))) {
    case Answer::kYes:
      return kAIAnswer_Yes;
    case Answer::kNo:
      return kAIAnswer_No;
    case Answer::kCancel:
      return kAIAnswer_Cancel;
  }
  return kAIAnswer_Cancel;
}

AIBoolean OKCancelAlert(const ai::UnicodeString& msg, AIBoolean, const char*) {
  return Host::Current().ui().AskYesNo(DialogKind::Confirm, Utf8Of(msg));
}

void ErrorAlert(const ai::UnicodeString& msg) { Host::Current().ui().Show(DialogKind::Error, Utf8Of(msg)); }

AIErr GetDirectoryDialog(const ai::UnicodeString& title, ai::FilePath& ioFilePath) {
  std::optional<std::string> folder = Host::Current().ui().ChooseFolder(Utf8Of(title));
  if (!folder) return kCanceledErr;
  AssignPath(ioFilePath, *folder);
  return kNoErr;
}

}  // namespace

void PublishUserSuites(SuiteRegistry& registry) {
  using S = AIUserSuite;
  registry.Publish(Lend<S>(kAIUserSuite, kAIUserSuiteVersion, Fails<&S::GetDirectoryDialog, GetDirectoryDialog>(),
                           Answers<&S::OKCancelAlert, OKCancelAlert>(), Answers<&S::YesNoAlert, YesNoAlert>(),
                           Answers<&S::ErrorAlert, ErrorAlert>(), Answers<&S::MessageAlert, MessageAlert>()));
}

}  // namespace simhost
