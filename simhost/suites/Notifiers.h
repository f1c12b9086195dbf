// The host's notifiers: a notification reaches every notifier registered for its type.
#ifndef KESTRUNE_SIMHOST_NOTIFIERS_H
#define KESTRUNE_SIMHOST_NOTIFIERS_H

#include <memory>
#include <string>
#include <vector>

#include "AINotifier.h"

namespace simhost {

class SuiteRegistry;

struct Notifier {
  std::string name;
  std::string type;
  SPPluginRef plugin = nullptr;
};

class Notifiers {
 public:
  Notifier* Add(const std::string& name, const std::string& type, SPPluginRef plugin);
  const std::vector<std::unique_ptr<Notifier>>& notifiers() const { return notifiers_; }
  // Sends "AI Notifier"/"AI Notify" to each notifier of the type.
  void Notify(const std::string& type);
  // Every notification sent, in order (for tests).
  const std::vector<std::string>& sent() const { return sent_; }

 private:
  std::vector<std::unique_ptr<Notifier>> notifiers_;
  std::vector<std::string> sent_;
};

inline AINotifierHandle HandleOf(Notifier* notifier) { return reinterpret_cast<AINotifierHandle>(notifier); }

void PublishNotifierSuites(SuiteRegistry& registry);

}  // namespace simhost

#endif
