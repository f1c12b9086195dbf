// The host's modal dialogs. Each one is recorded; confirmations and questions are
// answered from a queue of scripted answers, else by an interactive asker, else by
// the default answer (no). The folder chooser takes folders from its own queue and
// hands them back absolute and normalised, as the application's chooser does.
// While a dialog is up the host's event loop turns (Host::RunModalLoop): timers tick.
#ifndef KESTRUNE_SIMHOST_USERINTERFACE_H
#define KESTRUNE_SIMHOST_USERINTERFACE_H

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace simhost {

class SuiteRegistry;

enum class DialogKind { Message, Confirm, Question, Error, Folder };

struct Dialog {
  DialogKind kind;
  std::string text;    // UTF-8, "\r" kept as it came
  std::string answer;  // "yes", "no", "cancel", "ok", a folder path, or "canceled"
};

// How a confirmation or question is answered. A confirmation has no "No": both No
// and Cancel dismiss it.
enum class Answer { kYes, kNo, kCancel };
const char* AnswerName(Answer answer);  // "yes", "no", "cancel"
// "yes", "no" or "cancel" (also "y", "n", "c"); nothing for any other text.
std::optional<Answer> AnswerNamed(const std::string& text);

const char* DialogKindName(DialogKind kind);  // "message", "confirm", ...

class UserInterface {
 public:
  void QueueAnswer(bool yes) { answers_.push_back(yes ? Answer::kYes : Answer::kNo); }
  void QueueAnswer(Answer answer) { answers_.push_back(answer); }
  void SetDefaultAnswer(bool yes) { defaultAnswer_ = yes; }
  // nullopt answers the chooser with Cancel.
  void QueueFolder(std::optional<std::string> folder) { folders_.push_back(std::move(folder)); }

  // Asks the user on a terminal; used when no scripted answer is queued.
  std::function<bool(const Dialog&)> asker;
  // Sees every dialog while it is shown, after its answer is known.
  std::function<void(const Dialog&)> observer;

  const std::vector<Dialog>& dialogs() const { return dialogs_; }
  std::vector<Dialog> DialogsOf(DialogKind kind) const;
  void ClearDialogs() { dialogs_.clear(); }

  // For the User suite and the host's own questions.
  Answer Ask(DialogKind kind, const std::string& text);
  bool AskYesNo(DialogKind kind, const std::string& text) { return Ask(kind, text) == Answer::kYes; }
  void Show(DialogKind kind, const std::string& text);
  std::optional<std::string> ChooseFolder(const std::string& title);

 private:
  void Record(Dialog dialog);
  std::deque<Answer> answers_;
  std::deque<std::optional<std::string>> folders_;
  bool defaultAnswer_ = false;
  std::vector<Dialog> dialogs_;
};

void PublishUserSuites(SuiteRegistry& registry);

}  // namespace simhost

#endif
