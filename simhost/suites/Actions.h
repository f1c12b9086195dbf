// The host's Action Manager: events registered by plug-ins, events of the host's
// own, typed parameter blocks, playing and recording.
#ifndef KESTRUNE_SIMHOST_ACTIONS_H
#define KESTRUNE_SIMHOST_ACTIONS_H

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "AIActionManager.h"

// A parameter block. Keys keep the order they were set in; a key set twice keeps
// both entries and reads as the later one.
struct ActionParamValue {
  struct Entry {
    ActionParamKeyID key = 0;
    ActionParamTypeID type = 0;
    ai::int32 integer = 0;
    AIReal real = 0;
    bool boolean = false;
    std::string text;  // UTF-8, for strings of both kinds
    ActionParamUnitID unit = 0;
  };
  std::vector<Entry> entries;
  const Entry* Find(ActionParamKeyID key) const;
};

struct ActionParamType {};

namespace simhost {

class SuiteRegistry;

// The type this host files a string set with AIActionSetStringUS under; the published
// interface names none, and a plug-in never sees it.
constexpr ActionParamTypeID kUnicodeStringParamType = static_cast<ai::uint32>(AIFourCharCode("ustr"));

struct ActionEvent {
  std::string name;
  std::string title;  // UTF-8
  ai::int32 version = 0;
  ai::int32 flag = 0;
  SPPluginRef plugin = nullptr;
  AIActionUserData userData = nullptr;
};

struct PlayedEvent {
  std::string name;
  ActionDialogStatus dialogStatus = kDialogNone;
  std::vector<ActionParamValue::Entry> params;
  ASErr result = kNoErr;
};

// A host event: what the application does when the event is played.
using HostEvent = std::function<ASErr(const ActionParamValue* params, ActionDialogStatus dialogStatus)>;

class Actions {
 public:
  void DefineHostEvent(const std::string& name, HostEvent handler) { hostEvents_[name] = std::move(handler); }
  // The events a plug-in can play, sorted.
  std::vector<std::string> HostEventNames() const {
    std::vector<std::string> names;
    for (const auto& entry : hostEvents_) names.push_back(entry.first);
    return names;
  }
  ActionEvent* Register(const ActionEvent& event);
  ActionEvent* Find(const std::string& name) const;
  const std::vector<std::unique_ptr<ActionEvent>>& events() const { return events_; }

  // Plays an event: a plug-in's event is sent to it as "Action Manager"/"Do Action",
  // nested inside the caller; a host event runs its handler. Before the play
  // returns, the host's event loop turns (Host::RunModalLoop): timers tick.
  ASErr Play(const std::string& name, ActionDialogStatus dialogStatus, const ActionParamValue* params);

  bool recording = false;
  std::vector<PlayedEvent> recorded;  // steps recorded while recording
  std::vector<PlayedEvent> played;    // every event played, in the order the plays began
  // Sees every event as its play begins, before it runs; for tests.
  std::function<void(const PlayedEvent&)> playObserver;

  // Wall time the host's own events took, for benchmarks.
  double hostEventSeconds = 0;

  // Parameter blocks and types handed out and not yet deleted.
  int liveParamValues = 0;
  int liveParamTypes = 0;

 private:
  std::vector<std::unique_ptr<ActionEvent>> events_;
  std::map<std::string, HostEvent> hostEvents_;
};

void PublishActionSuites(SuiteRegistry& registry);

}  // namespace simhost

#endif
