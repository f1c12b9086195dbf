// A plug-in that does, on request, what the host must refuse as a plug-in's fault.
// $KESTRUNE_MISBEHAVE picks the fault, done at start-up:
//   throw     an exception leaves PluginMain
//   released  the Timer suite is called after it was released
//   unheld    the Timer suite is called with a table kept from an earlier call
//   keep      the Menu suite is still held when the call returns
// Anything else, or nothing, behaves: each call acquires and releases in pairs.
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "AIMenu.h"
#include "AITimer.h"
#include "SPBasic.h"
#include "SPMessages.h"

namespace {

const AITimerSuite* gKeptTimer = nullptr;

bool Mode(const char* name) {
  const char* mode = std::getenv("KESTRUNE_MISBEHAVE");
  return mode != nullptr && std::strcmp(mode, name) == 0;
}

SPErr Misbehave(SPMessageData* header) {
  SPBasicSuite* basic = header->basic;
  if (Mode("throw")) throw std::runtime_error("a handler gave up");
  if (Mode("released")) {
    const void* table = nullptr;
    if (basic->AcquireSuite(kAITimerSuite, kAITimerSuiteVersion, &table) != kSPNoError) return kCantHappenErr;
    basic->ReleaseSuite(kAITimerSuite, kAITimerSuiteVersion);
    AITimerHandle timer = nullptr;
    return static_cast<const AITimerSuite*>(table)->AddTimer(header->self, "late", 60, &timer);
  }
  if (Mode("unheld") && gKeptTimer != nullptr) {
    AITimerHandle timer = nullptr;
    return gKeptTimer->AddTimer(header->self, "stale", 60, &timer);
  }
  if (Mode("keep")) {
    const void* table = nullptr;
    return basic->AcquireSuite(kAIMenuSuite, kAIMenuSuiteVersion, &table);
  }
  const void* table = nullptr;
  if (basic->AcquireSuite(kAITimerSuite, kAITimerSuiteVersion, &table) == kSPNoError) {
    gKeptTimer = static_cast<const AITimerSuite*>(table);
    basic->ReleaseSuite(kAITimerSuite, kAITimerSuiteVersion);
  }
  return kSPNoError;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) SPErr PluginMain(const char* caller, const char* selector,
                                                                   void* message) {
  SPMessageData* header = static_cast<SPMessageData*>(message);
  if (std::strcmp(caller, kSPInterfaceCaller) == 0 && std::strcmp(selector, kSPInterfaceStartupSelector) == 0)
    return Misbehave(header);
  if (std::strcmp(caller, kSPInterfaceCaller) == 0 && std::strcmp(selector, kSPInterfaceAboutSelector) == 0)
    return Misbehave(header);
  return kSPNoError;
}
