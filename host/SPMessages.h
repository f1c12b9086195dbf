// Message records and the caller/selector strings of the plug-in entry point.
#ifndef KESTRUNE_HOST_SPMESSAGES_H
#define KESTRUNE_HOST_SPMESSAGES_H

#include "AITypes.h"
#include "SPBasic.h"

constexpr ai::int32 kSPValidSPMessageData = AIFourCharCode("SPCk");

// The common header every message record begins with.
struct SPMessageData {
  ai::int32 SPCheck = kSPValidSPMessageData;
  struct SPPlugin* self = nullptr;  // the plug-in reference
  void* globals = nullptr;          // kept by the host for the plug-in between calls
  struct SPBasicSuite* basic = nullptr;
};

typedef struct SPInterfaceMessage {
  SPMessageData d;
} SPInterfaceMessage;

typedef enum { kStartup = 0, kRuntime = 1, kShutdown = 2, kTerminal = 3 } SPAccessPoint;

typedef struct SPAccessMessage {
  SPMessageData d;
  SPAccessPoint when;
} SPAccessMessage;

typedef struct _t_AIMenuItemOpaque* AIMenuItemHandle;
typedef struct _t_AITimerOpaque* AITimerHandle;
typedef struct _t_AINotifierOpaque* AINotifierHandle;
typedef struct ActionParamValue* AIActionParamValueRef;
typedef void* AIActionUserData;

typedef struct {
  SPMessageData d;
  AIMenuItemHandle menuItem;
} AIMenuMessage;

typedef struct {
  SPMessageData d;
  AITimerHandle timer;
} AITimerMessage;

struct AINotifierMessage {
  SPMessageData d;
  AINotifierHandle notifier;
  const char* type;
  void* notifyData;
};

typedef struct {
  SPMessageData d;
  AIActionUserData userData;
  AIBoolean showDialog;
  AIActionParamValueRef param;
} DoActionMessage;

#define kSPAccessCaller "SP Access"
#define kSPAccessReloadSelector "Reload"
#define kSPAccessUnloadSelector "Unload"
#define kSPInterfaceCaller "SP Interface"
#define kSPInterfaceStartupSelector "Startup"
#define kSPInterfaceShutdownSelector "Shutdown"
#define kSPInterfaceAboutSelector "About"
#define kCallerAIMenu "AI Menu"
#define kSelectorAIGoMenuItem "AI Go"
#define kSelectorAIUpdateMenuItem "AI Update"
#define kCallerAITimer "AI Timer"
#define kSelectorAIGoTimer "AI Go"
#define kCallerAINotify "AI Notifier"
#define kSelectorAINotify "AI Notify"
#define kActionCaller "Action Manager"
#define kDoActionSelector "Do Action"

// The entry point a plug-in exports under the name "PluginMain".
typedef SPAPI SPErr (*SPPluginEntryFunc)(const char* caller, const char* selector, void* message);
#define kPluginEntryName "PluginMain"

#endif
