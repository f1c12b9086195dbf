#include "suites/Notifiers.h"

#include "core/Host.h"
#include "core/SuiteRegistry.h"

namespace simhost {

Notifier* Notifiers::Add(const std::string& name, const std::string& type, SPPluginRef plugin) {
  notifiers_.push_back(std::make_unique<Notifier>(Notifier{name, type, true, plugin}));
  return notifiers_.back().get();
}

Notifier* Notifiers::Find(AINotifierHandle handle) const {
  for (const auto& notifier : notifiers_)
    if (HandleOf(notifier.get()) == handle) return notifier.get();
  return nullptr;
}

void Notifiers::Notify(const std::string& type) {
  sent_.push_back(type);
  for (size_t i = 0; i < notifiers_.size(); ++i) {
    Notifier* notifier = notifiers_[i].get();
    if (!notifier->active || notifier->type != type) continue;
    AINotifierMessage message{};
    message.notifier = HandleOf(notifier);
    message.type = notifier->type.c_str();
    message.notifyData = nullptr;
    Host::Current().Send(kCallerAINotify, kSelectorAINotify, &message.d);
  }
}

namespace {

AIErr AddNotifier(SPPluginRef self, const char* name, const char* type, AINotifierHandle* notifier) {
  if (AIErr err = Fault("AINotifierSuite.AddNotifier")) return err;
  if (name == nullptr || type == nullptr) return kBadParameterErr;
  Notifier* added = Host::Current().notifiers().Add(name, type, self);
  if (notifier != nullptr) *notifier = HandleOf(added);
  return kNoErr;
}

AIErr SetNotifierActive(AINotifierHandle handle, AIBoolean active) {
  Held("AINotifierSuite.SetNotifierActive");
  Notifier* notifier = Host::Current().notifiers().Find(handle);
  if (notifier == nullptr) return kBadParameterErr;
  notifier->active = active != 0;
  return kNoErr;
}

const AINotifierSuite kNotifierSuite = {AddNotifier, SetNotifierActive};

}  // namespace

void PublishNotifierSuites(SuiteRegistry& registry) {
  registry.Publish(kAINotifierSuite, kAINotifierSuiteVersion, &kNotifierSuite);
}

}  // namespace simhost
