// The host's modal dialogs. Each one is recorded; confirmations and questions are
// answered from a queue of scripted answers, else by an interactive asker, else by
// the default answer (no). The folder chooser takes folders from its own queue.
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
  std::string answer;  // "yes", "no", "ok", a folder path, or "canceled"
};

const char* DialogKindName(DialogKind kind);  // "message", "confirm", ...

class UserInterface {
 public:
  void QueueAnswer(bool yes) { answers_.push_back(yes); }
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

  // For the User suite.
  bool AskYesNo(DialogKind kind, const std::string& text);
  void Show(DialogKind kind, const std::string& text);
  std::optional<std::string> ChooseFolder(const std::string& title);

 private:
  void Record(Dialog dialog);
  std::deque<bool> answers_;
  std::deque<std::optional<std::string>> folders_;
  bool defaultAnswer_ = false;
  std::vector<Dialog> dialogs_;
};

void PublishUserSuites(SuiteRegistry& registry);

}  // namespace simhost

#endif
