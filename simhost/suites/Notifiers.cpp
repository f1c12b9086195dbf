#include "suites/Notifiers.h"

#include "core/Host.h"
#include "core/Lending.h"
#include "core/SuiteRegistry.h"

namespace simhost {

Notifier* Notifiers::Add(const std::string& name, const std::string& type, SPPluginRef plugin) {
  notifiers_.push_back(std::make_unique<Notifier>(Notifier{name, type, plugin}));
  return notifiers_.back().get();
}

void Notifiers::Notify(const std::string& type) {
  sent_.push_back(type);
  for (size_t i = 0; i < notifiers_.size(); ++i) {
    Notifier* notifier = notifiers_[i].get();
    if (notifier->type != type) continue;
    AINotifierMessage message{};
    message.notifier = HandleOf(notifier);
    message.type = notifier->type.c_str();
    message.notifyData = nullptr;
    Host::Current().Send(kCallerAINotify, kSelectorAINotify, &message.d);
  }
}

namespace {

AIErr AddNotifier(SPPluginRef self, const char* name, const char* type, AINotifierHandle* notifier) {
  if (name == nullptr || type == nullptr) return kBadParameterErr;
  Notifier* added = Host::Current().notifiers().Add(name, type, self);
  if (notifier != nullptr) *notifier = HandleOf(added);
  return kNoErr;
}

}  // namespace

void PublishNotifierSuites(SuiteRegistry& registry) {
  registry.Publish(Lend<AINotifierSuite>(kAINotifierSuite, kAINotifierSuiteVersion,
                                         Fails<&AINotifierSuite::AddNotifier, AddNotifier>()));
}

}  // namespace simhost
