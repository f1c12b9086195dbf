#include "suites/Actions.h"

#include <chrono>

#include "core/Host.h"
#include "core/Lending.h"
#include "core/SuiteRegistry.h"
#include "suites/Strings.h"

const ActionParamValue::Entry* ActionParamValue::Find(ActionParamKeyID key) const {
  for (auto it = entries.rbegin(); it != entries.rend(); ++it)
    if (it->key == key) return &*it;
  return nullptr;
}

namespace simhost {

ActionEvent* Actions::Register(const ActionEvent& event) {
  events_.push_back(std::make_unique<ActionEvent>(event));
  return events_.back().get();
}

ActionEvent* Actions::Find(const std::string& name) const {
  for (const auto& event : events_)
    if (event->name == name) return event.get();
  return nullptr;
}

ASErr Actions::Play(const std::string& name, ActionDialogStatus dialogStatus, const ActionParamValue* params) {
  size_t index = played.size();
  played.push_back(
      PlayedEvent{name, dialogStatus, params ? params->entries : std::vector<ActionParamValue::Entry>(), kNoErr});
  if (playObserver) playObserver(played[index]);
  ASErr result = kBadParameterErr;
  if (ActionEvent* event = Find(name)) {
    DoActionMessage message{};
    message.userData = event->userData;
    message.showDialog = dialogStatus == kDialogOn;
    message.param = const_cast<ActionParamValue*>(params);
    result = Host::Current().Send(kActionCaller, kDoActionSelector, &message.d);
  } else {
    auto it = hostEvents_.find(name);
    if (it != hostEvents_.end()) {
      const auto start = std::chrono::steady_clock::now();
      result = it->second(params, dialogStatus);
      hostEventSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
  }
  played[index].result = result;
  // The event has done its work, but the play has not returned: the application's
  // event loop may turn meanwhile.
  Host::Current().RunModalLoop();
  return result;
}

namespace {

Actions& TheActions() { return Host::Current().actions(); }

ASErr NewParamType(AIActionParamTypeRef* param) {
  if (param == nullptr) return kBadParameterErr;
  *param = new ActionParamType();
  ++TheActions().liveParamTypes;
  return kNoErr;
}

ASErr DeleteParamType(AIActionParamTypeRef param) {
  if (param == nullptr) return kBadParameterErr;
  delete param;
  --TheActions().liveParamTypes;
  return kNoErr;
}

ASErr RegisterEvent(const char* eventName, const std::string& title, ai::int32 version, ai::int32 flag,
                    SPPluginRef plugin, AIActionUserData userData) {
  if (eventName == nullptr || plugin == nullptr) return kBadParameterErr;
  if (TheActions().Find(eventName) != nullptr) return kBadParameterErr;  // names are unique
  TheActions().Register(ActionEvent{eventName, title, version, flag, plugin, userData});
  Host::Current().faults().Declare(std::string("play:") + eventName);
  return kNoErr;
}

ASErr RegisterActionEvent(const char* eventName, const char* localizedName, ai::int32 version, ai::int32 flag,
                          AIActionCallbackProc, SPPluginRef plugin, AIActionUserData userData, AIActionParamTypeRef) {
  return RegisterEvent(eventName, localizedName ? localizedName : "", version, flag, plugin, userData);
}

ASErr RegisterActionEventUS(const char* eventName, const ai::UnicodeString& localizedName, ai::int32 version,
                            ai::int32 flag, AIActionCallbackProc, SPPluginRef plugin, AIActionUserData userData,
                            AIActionParamTypeRef) {
  return RegisterEvent(eventName, Utf8Of(localizedName), version, flag, plugin, userData);
}

ASErr NewParamValue(AIActionParamValueRef* param) {
  if (param == nullptr) return kBadParameterErr;
  *param = new ActionParamValue();
  ++TheActions().liveParamValues;
  return kNoErr;
}

ASErr DeleteParamValue(AIActionParamValueRef param) {
  if (param == nullptr) return kBadParameterErr;
  delete param;
  --TheActions().liveParamValues;
  return kNoErr;
}

ASErr Put(AIActionParamValueRef param, ActionParamValue::Entry entry) {
  if (param == nullptr) return kBadParameterErr;
  param->entries.push_back(std::move(entry));
  return kNoErr;
}

ASErr SetStringUS(AIActionParamValueRef param, ActionParamKeyID key, const ai::UnicodeString& value) {
  ActionParamValue::Entry e;
  e.key = key;
  e.type = kUnicodeStringParamType;
  e.text = Utf8Of(value);
  return Put(param, e);
}

ASErr SetBoolean(AIActionParamValueRef param, ActionParamKeyID key, ASBoolean value) {
  ActionParamValue::Entry e;
  e.key = key;
  e.type = actionTypeBoolean;
  e.boolean = value != 0;
  return Put(param, e);
}

ASErr SetInteger(AIActionParamValueRef param, ActionParamKeyID key, ai::int32 value) {
  ActionParamValue::Entry e;
  e.key = key;
  e.type = actionTypeInteger;
  e.integer = value;
  return Put(param, e);
}

ASErr SetReal(AIActionParamValueRef param, ActionParamKeyID key, AIReal value) {
  ActionParamValue::Entry e;
  e.key = key;
  e.type = actionTypeReal;
  e.real = value;
  return Put(param, e);
}

ASErr SetUnitReal(AIActionParamValueRef param, ActionParamKeyID key, ActionParamUnitID unit, AIReal value) {
  ActionParamValue::Entry e;
  e.key = key;
  e.type = actionTypeUnitReal;
  e.real = value;
  e.unit = unit;
  return Put(param, e);
}

ASErr SetString(AIActionParamValueRef param, ActionParamKeyID key, const char* value) {
  if (value == nullptr) return kBadParameterErr;
  ActionParamValue::Entry e;
  e.key = key;
  e.type = actionTypeString;
  e.text = value;
  return Put(param, e);
}

ASErr PlayActionEvent(const char* eventName, ActionDialogStatus dialogStatus, AIActionParamValueRef parameters) {
  if (eventName == nullptr) return kBadParameterErr;
  if (AIErr err = Host::Current().faults().Check(std::string("play:") + eventName)) return err;
  // The application knows four dialog statuses; anything else is refused unplayed.
  if (dialogStatus < kDialogNone || dialogStatus > kDialogOff) return kBadParameterErr;
  return TheActions().Play(eventName, dialogStatus, parameters);
}

AIBoolean InRecordMode() { return TheActions().recording; }

ASErr RecordActionEvent(const char* eventName, ActionDialogStatus dialogStatus, AIActionParamValueRef parameters) {
  if (eventName == nullptr || !TheActions().recording) return kBadParameterErr;
  TheActions().recorded.push_back(PlayedEvent{
      eventName, dialogStatus, parameters ? parameters->entries : std::vector<ActionParamValue::Entry>(), kNoErr});
  return kNoErr;
}

}  // namespace

void PublishActionSuites(SuiteRegistry& registry) {
  using S = AIActionManagerSuite;
  registry.Publish(Lend<S>(
      kAIActionManagerSuite, kAIActionManagerSuiteVersion, Fails<&S::RegisterActionEvent, RegisterActionEvent>(),
      Fails<&S::AINewActionParamType, NewParamType>(), Fails<&S::AIDeleteActionParamType, DeleteParamType>(),
      Fails<&S::RecordActionEvent, RecordActionEvent>(),
      Routed<&S::PlayActionEvent, PlayActionEvent>("play:EVENT, one for each event"),
      Answers<&S::InRecordMode, InRecordMode>(), Fails<&S::AINewActionParamValue, NewParamValue>(),
      Fails<&S::AIDeleteActionParamValue, DeleteParamValue>(), Fails<&S::AIActionSetInteger, SetInteger>(),
      Fails<&S::AIActionSetReal, SetReal>(), Fails<&S::AIActionSetUnitReal, SetUnitReal>(),
      Fails<&S::AIActionSetString, SetString>(), Fails<&S::AIActionSetBoolean, SetBoolean>(),
      Fails<&S::RegisterActionEventUS, RegisterActionEventUS>(), Fails<&S::AIActionSetStringUS, SetStringUS>()));
}

}  // namespace simhost
