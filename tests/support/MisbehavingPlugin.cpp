// A plug-in that does, on request, what the host must refuse as a plug-in's fault.
// $KESTRUNE_MISBEHAVE picks the fault, done at start-up:
//   throw     an exception leaves PluginMain
//   released  the Timer suite is called after it was released
//   unheld    the Timer suite is called with a table kept from an earlier call
//   keep      the Menu suite is still held when the call returns
//   unfaulted one function of each suite that cannot fail, or has no fault point,
//             is called after its suite was released
//   unimplemented  a function of two suites the host lends without implementing them
//             is called while held, then after release
//   trap      a member the host leaves unimplemented in a suite it implements is
//             called while held (the call's status is start-up's)
//   options   menu items and groups are added with options the host knows, then
//             with one it does not (the call's status is start-up's)
//   alerts    a timer is added, and every tick of it shows an alert without any
//             guard against a tick arriving while the alert is up
//   update    a menu item is added enabled and disabled at its first "AI Update";
//             an "AI Go" for it anyway is answered 'GO!!'
// Anything else, or nothing, behaves: each call acquires and releases in pairs.
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "AIActionManager.h"
#include "AIContext.h"
#include "AIFilePath.h"
#include "AIMenu.h"
#include "AIRealMath.h"
#include "AIRuntime.h"
#include "AITimer.h"
#include "AIUnicodeString.h"
#include "AIUser.h"
#include "SPBasic.h"
#include "SPBlocks.h"
#include "SPMessages.h"

namespace {

const AITimerSuite* gKeptTimer = nullptr;

bool Mode(const char* name) {
  const char* mode = std::getenv("KESTRUNE_MISBEHAVE");
  return mode != nullptr && std::strcmp(mode, name) == 0;
}

// Acquires a suite, gives it back, and calls through the table all the same.
template <typename Suite, typename Call>
void CallAfterRelease(SPBasicSuite* basic, const char* name, ai::int32 version, Call call) {
  const void* table = nullptr;
  if (basic->AcquireSuite(name, version, &table) != kSPNoError) return;
  basic->ReleaseSuite(name, version);
  call(*static_cast<const Suite*>(table));
}

// Host objects that are never filled: their one pointer is null, which every host
// function turns away after its checks.
template <typename Object>
Object& Blank() {
  alignas(Object) static unsigned char storage[sizeof(Object)] = {};
  return *reinterpret_cast<Object*>(storage);
}

void CallUnfaultedFunctions(SPBasicSuite* basic) {
  CallAfterRelease<AIRuntimeSuite>(basic, kAIRuntimeSuite, kAIRuntimeSuiteVersion,
                                   [](const AIRuntimeSuite& s) { s.GetAppMajorVersion(); });
  CallAfterRelease<AIAppContextSuite>(basic, kAIAppContextSuite, kAIAppContextSuiteVersion,
                                      [](const AIAppContextSuite& s) { s.GetPlatformAppWindow(nullptr); });
  CallAfterRelease<AIRealMathSuite>(basic, kAIRealMathSuite, kAIRealMathSuiteVersion,
                                    [](const AIRealMathSuite& s) { s.AIRealRectSet(nullptr, 0, 0, 0, 0); });
  CallAfterRelease<SPBlocksSuite>(basic, kSPBlocksSuite, kSPBlocksSuiteVersion,
                                  [](const SPBlocksSuite& s) { s.FreeBlock(nullptr); });
  CallAfterRelease<AIActionManagerSuite>(basic, kAIActionManagerSuite, kAIActionManagerSuiteVersion,
                                         [](const AIActionManagerSuite& s) {
                                           s.AIActionSetInteger(nullptr, 0, 1);
                                           s.InRecordMode();
                                         });
  CallAfterRelease<AIUnicodeStringSuite>(basic, kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion,
                                         [](const AIUnicodeStringSuite& s) { s.Length(Blank<ai::UnicodeString>()); });
  CallAfterRelease<AIFilePathSuite>(basic, kAIFilePathSuite, kAIFilePathSuiteVersion,
                                    [](const AIFilePathSuite& s) { s.IsEmpty(Blank<ai::FilePath>()); });
}

// The first function of a suite the host lends unimplemented, while held and after release.
void CallUnimplementedFunctions(SPBasicSuite* basic) {
  using Call = AIErr (*)();
  for (const char* name : {"AI Fixed Math Suite", "AI Plugin Suite"}) {
    const ai::int32 version = name[3] == 'F' ? AIAPI_VERSION(4) : AIAPI_VERSION(5);
    const void* table = nullptr;
    if (basic->AcquireSuite(name, version, &table) != kSPNoError) throw std::runtime_error(name);
    const Call first = *static_cast<const Call*>(table);
    if (first() != kNotImplementedErr) throw std::runtime_error("implemented");
    basic->ReleaseSuite(name, version);
    first();
  }
}

// Calls through a suite held for the length of the call.
template <typename Suite, typename Call>
SPErr WithSuite(SPBasicSuite* basic, const char* name, ai::int32 version, Call call) {
  const void* table = nullptr;
  if (SPErr error = basic->AcquireSuite(name, version, &table)) return error;
  const SPErr status = call(*static_cast<const Suite*>(table));
  basic->ReleaseSuite(name, version);
  return status;
}

constexpr SPErr kUnexpected = 0x42414421;  // 'BAD!'

SPErr AddMenusWithOptions(SPMessageData* header) {
  return WithSuite<AIMenuSuite>(header->basic, kAIMenuSuite, kAIMenuSuiteVersion, [&](const AIMenuSuite& menu) {
    AIPlatformAddMenuItemDataUS& data = Blank<AIPlatformAddMenuItemDataUS>();
    data.groupName = kPlaceMenuGroup;
    AIMenuItemHandle item = nullptr;
    const AIMenuItemOption allItemOptions = kMenuItemWantsUpdateOption | kMenuItemAlwaysEnabled | kMenuItemIsSeparator |
                                            kMenuItemIsGroupHeader | kMenuItemIgnoreSort;
    if (menu.AddMenuItem(header->self, "KNOWN_OPTIONS", &data, allItemOptions, &item) != kSPNoError) return kUnexpected;
    AIMenuGroup group = nullptr;
    const AIMenuGroupOption allGroupOptions = kMenuGroupSortedAlphabeticallyOption | kMenuGroupSeparatorOption |
                                              kMenuGroupSeparatorBelowOption | kMenuGroupHasHeader |
                                              kMenuGroupAddAboveNearGroup;
    if (menu.AddMenuGroupAsSubMenu("KNOWN_GROUP", allGroupOptions, item, &group) != kSPNoError) return kUnexpected;
    if (menu.AddMenuGroupAsSubMenu("UNKNOWN_GROUP", 1 << 5, item, &group) != kBadParameterErr) return kUnexpected;
    return menu.AddMenuItem(header->self, "UNKNOWN_OPTIONS", &data, 1 << 5, &item);
  });
}

SPErr AddTimer(SPMessageData* header) {
  return WithSuite<AITimerSuite>(header->basic, kAITimerSuite, kAITimerSuiteVersion, [&](const AITimerSuite& timers) {
    AITimerHandle timer = nullptr;
    return timers.AddTimer(header->self, "ALERTING", 60, &timer);
  });
}

SPErr AlertOnTick(SPMessageData* header) {
  return WithSuite<AIUserSuite>(header->basic, kAIUserSuite, kAIUserSuiteVersion, [](const AIUserSuite& user) {
    user.MessageAlert(Blank<ai::UnicodeString>());
    return kSPNoError;
  });
}

SPErr AddUpdatedItem(SPMessageData* header) {
  return WithSuite<AIMenuSuite>(header->basic, kAIMenuSuite, kAIMenuSuiteVersion, [&](const AIMenuSuite& menu) {
    AIPlatformAddMenuItemDataUS& data = Blank<AIPlatformAddMenuItemDataUS>();
    data.groupName = kPlaceMenuGroup;
    AIMenuItemHandle item = nullptr;
    return menu.AddMenuItem(header->self, "UPDATED", &data, kMenuItemNoOptions, &item);
  });
}

SPErr DisableOnUpdate(AIMenuMessage* message) {
  return WithSuite<AIMenuSuite>(message->d.basic, kAIMenuSuite, kAIMenuSuiteVersion,
                                [&](const AIMenuSuite& menu) { return menu.DisableItem(message->menuItem); });
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
  if (Mode("unfaulted")) {
    CallUnfaultedFunctions(basic);
    return kSPNoError;
  }
  if (Mode("unimplemented")) {
    CallUnimplementedFunctions(basic);
    return kSPNoError;
  }
  if (Mode("trap")) {
    return WithSuite<AIUserSuite>(basic, kAIUserSuite, kAIUserSuiteVersion,
                                  [](const AIUserSuite& user) { return user.AppIdle(); });
  }
  if (Mode("options")) return AddMenusWithOptions(header);
  if (Mode("alerts")) return AddTimer(header);
  if (Mode("update")) return AddUpdatedItem(header);
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
  if (std::strcmp(caller, kCallerAITimer) == 0 && Mode("alerts")) return AlertOnTick(header);
  if (std::strcmp(caller, kCallerAIMenu) == 0 && Mode("update")) {
    if (std::strcmp(selector, kSelectorAIUpdateMenuItem) == 0)
      return DisableOnUpdate(static_cast<AIMenuMessage*>(message));
    if (std::strcmp(selector, kSelectorAIGoMenuItem) == 0) return 0x474F2121;  // 'GO!!'
  }
  return kSPNoError;
}
