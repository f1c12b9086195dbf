// Action Manager: action events, their parameter blocks, playing and recording.
#ifndef KESTRUNE_HOST_AIACTIONMANAGER_H
#define KESTRUNE_HOST_AIACTIONMANAGER_H

#include "AITypes.h"
#include "IAIUnicodeString.h"
#include "SPMessages.h"

#define kAIActionManagerSuite "AI Action Manager Suite"
#define kAIActionManagerSuiteVersion AIAPI_VERSION(5)

typedef ai::uint32 ActionParamTypeID;
typedef ai::uint32 ActionParamUnitID;
typedef ai::uint32 ActionParamKeyID;
typedef struct ActionParamType* AIActionParamTypeRef;
typedef ASErr (*AIActionCallbackProc)(AIActionParamValueRef parameter, AIActionUserData userData, AIBoolean showDialog);

typedef enum _ActionDialogStatus {
  kDialogNone = 0,
  kDialogOn = 1,
  kDialogPartialOn = 2,
  kDialogOff = 3
} ActionDialogStatus;

constexpr ActionParamTypeID actionTypeInteger = static_cast<ai::uint32>(AIFourCharCode("long"));
constexpr ActionParamTypeID actionTypeReal = static_cast<ai::uint32>(AIFourCharCode("real"));
constexpr ActionParamTypeID actionTypeBoolean = static_cast<ai::uint32>(AIFourCharCode("bool"));
constexpr ActionParamTypeID actionTypeString = static_cast<ai::uint32>(AIFourCharCode("strn"));
constexpr ActionParamTypeID actionTypeUnitReal = static_cast<ai::uint32>(AIFourCharCode("utrl"));

constexpr ActionParamUnitID unitNone = static_cast<ai::uint32>(AIFourCharCode("#Nne"));
constexpr ActionParamUnitID unitPoints = static_cast<ai::uint32>(AIFourCharCode("#Pxl"));

typedef ai::uint32 ActionValueVisibility;
typedef void (*AIActionIdleProc)(void);

struct AIActionManagerSuite {
  // 0 once the event is registered; the host then sends "Action Manager"/"Do Action" when it plays it.
  ASErr ASAPI (*RegisterActionEvent)(const char* eventName, const char* localizedName, ai::int32 version,
                                     ai::int32 flag, AIActionCallbackProc callback, SPPluginRef plugin,
                                     AIActionUserData userData, AIActionParamTypeRef parameters);
  AIBoolean ASAPI (*IsActionEventRegistered)(const char* eventName);
  ASErr ASAPI (*GetActionEventLocalizedName)(const char* eventName, char* localizedName);
  ASErr ASAPI (*GetActionEventVersion)(const char* eventName, ai::int32* version);
  ASErr ASAPI (*GetActionEventFlag)(const char* eventName, ai::int32* flag);
  ASErr ASAPI (*GetActionEventCallbackProc)(const char* eventName, AIActionCallbackProc* callback);
  ASErr ASAPI (*GetActionEventPluginRef)(const char* eventName, SPPluginRef* pluginRef);
  ASErr ASAPI (*GetActionEventUserData)(const char* eventName, AIActionUserData* userData);
  ASErr ASAPI (*SetActionEventUserData)(const char* eventName, AIActionUserData userData);
  ASErr ASAPI (*GetActionEventParamType)(const char* eventName, AIActionParamTypeRef* param);
  ASErr ASAPI (*Idle)(void);
  ASErr ASAPI (*SetActionIdleProc)(AIActionIdleProc idleProc);
  ASErr ASAPI (*GetActionIdleProc)(AIActionIdleProc* idleProc);
  // 0 and a new parameter type, which the caller gives back with AIDeleteActionParamType.
  ASErr ASAPI (*AINewActionParamType)(AIActionParamTypeRef* param);
  // Gives back a parameter type; the host keeps what was registered with it.
  ASErr ASAPI (*AIDeleteActionParamType)(AIActionParamTypeRef param);
  ASErr ASAPI (*AIActionGetTypeKey)(AIActionParamTypeRef param, ai::uint32 index, ActionParamKeyID* key);
  ASErr ASAPI (*AIActionHasTypeKey)(AIActionParamTypeRef param, ActionParamKeyID key, AIBoolean* hasKey);
  ASErr ASAPI (*AIActionGetTypeCount)(AIActionParamTypeRef param, ai::uint32* count);
  ASErr ASAPI (*AIActionSetTypeKey)(AIActionParamTypeRef param, ActionParamKeyID key, const char* name,
                                    ActionParamTypeID type, AIBoolean show);
  ASErr ASAPI (*AIActionGetName)(AIActionParamTypeRef param, ActionParamKeyID key, char* value);
  ASErr ASAPI (*AIActionGetType)(AIActionParamTypeRef param, ActionParamKeyID key, ActionParamTypeID* value);
  AIBoolean ASAPI (*AIActionTypeIsShow)(AIActionParamTypeRef param, ActionParamKeyID key);
  ASErr ASAPI (*AcquirePalette)(void);
  ASErr ASAPI (*ReleasePalette)(void);
  // 0 once the event is recorded into the action being recorded.
  ASErr ASAPI (*RecordActionEvent)(const char* eventName, ActionDialogStatus dialogStatus,
                                   AIActionParamValueRef parameters);
  // Runs the event synchronously: 0, kCanceledErr ('STOP') when the user cancels, another status on failure.
  ASErr ASAPI (*PlayActionEvent)(const char* eventName, ActionDialogStatus dialogStatus,
                                 AIActionParamValueRef parameters);
  // Whether the user is recording an action: the answer itself.
  AIBoolean ASAPI (*InRecordMode)(void);
  AIBoolean ASAPI (*InInsertMenuItemState)(void);
  ASErr ASAPI (*ActivateInsertMennuItemDialog)(void);
  ASErr ASAPI (*SetCurrentCommandLocalizedName)(const char* localizedName);
  ASErr ASAPI (*DoFunctionKey)(ai::int32 fkey, ai::uint32 modifier);
  // 0 and a new, empty parameter block, which the caller gives back with AIDeleteActionParamValue.
  ASErr ASAPI (*AINewActionParamValue)(AIActionParamValueRef* param);
  // Gives back a parameter block.
  ASErr ASAPI (*AIDeleteActionParamValue)(AIActionParamValueRef param);
  ASErr ASAPI (*AIActionGetValueKey)(AIActionParamValueRef param, ai::uint32 index, ActionParamKeyID* key);
  ASErr ASAPI (*AIActionHasValueKey)(AIActionParamValueRef param, ActionParamKeyID key, AIBoolean* hasKey);
  ASErr ASAPI (*AIActionGetValueCount)(AIActionParamValueRef param, ai::uint32* count);
  ASErr ASAPI (*AIActionGetValueType)(AIActionParamValueRef param, ActionParamKeyID key, ActionParamTypeID* type);
  ASErr ASAPI (*AIActionGetInteger)(AIActionParamValueRef param, ActionParamKeyID key, ai::int32* value);
  // 0 once key holds the integer; a key set again holds the last value.
  ASErr ASAPI (*AIActionSetInteger)(AIActionParamValueRef param, ActionParamKeyID key, ai::int32 value);
  ASErr ASAPI (*AIActionGetReal)(AIActionParamValueRef param, ActionParamKeyID key, AIReal* value);
  // 0 once key holds the real.
  ASErr ASAPI (*AIActionSetReal)(AIActionParamValueRef param, ActionParamKeyID key, AIReal value);
  ASErr ASAPI (*AIActionGetUnitReal)(AIActionParamValueRef param, ActionParamKeyID key, ActionParamUnitID* unit,
                                     AIReal* value);
  // 0 once key holds the real in unit.
  ASErr ASAPI (*AIActionSetUnitReal)(AIActionParamValueRef param, ActionParamKeyID key, ActionParamUnitID unit,
                                     AIReal value);
  ASErr ASAPI (*AIActionGetString)(AIActionParamValueRef param, ActionParamKeyID key, char* value);
  // 0 once key holds a copy of the string.
  ASErr ASAPI (*AIActionSetString)(AIActionParamValueRef param, ActionParamKeyID key, const char* value);
  ASErr ASAPI (*AIActionGetBoolean)(AIActionParamValueRef param, ActionParamKeyID key, AIBoolean* value);
  // 0 once key holds the truth value.
  ASErr ASAPI (*AIActionSetBoolean)(AIActionParamValueRef param, ActionParamKeyID key, ASBoolean value);
  ASErr ASAPI (*AIActionGetEnumerated)(AIActionParamValueRef param, ActionParamKeyID key, char* name, ai::int32* value);
  ASErr ASAPI (*AIActionSetEnumerated)(AIActionParamValueRef param, ActionParamKeyID key, const char* name,
                                       ai::int32 value);
  ASErr ASAPI (*AIActionSetRawDataBytes)(AIActionParamValueRef param, ActionParamKeyID key, ai::uint32 size,
                                         const char* value);
  ASErr ASAPI (*AIActionGetRawDataSize)(AIActionParamValueRef param, ActionParamKeyID key, ai::uint32* size);
  ASErr ASAPI (*AIActionGetRawData)(AIActionParamValueRef param, ActionParamKeyID key, char* value);
  ActionValueVisibility ASAPI (*AIActionValueGetVisibility)(AIActionParamValueRef param, ActionParamKeyID key);
  ASErr ASAPI (*AIActionValueSetVisibility)(AIActionParamValueRef param, ActionParamKeyID key,
                                            ActionValueVisibility visibility);
  ASErr ASAPI (*UndoLastTransaction)(void);
  ASErr ASAPI (*RedoLastTransaction)(void);
  ASErr ASAPI (*IgnoreRecording)(AIBoolean ignore);
  // As RegisterActionEvent, with the name shown to the user as a Unicode string.
  ASErr ASAPI (*RegisterActionEventUS)(const char* eventName, const ai::UnicodeString& localizedName, ai::int32 version,
                                       ai::int32 flag, AIActionCallbackProc callback, SPPluginRef plugin,
                                       AIActionUserData userData, AIActionParamTypeRef parameters);
  ASErr ASAPI (*GetActionEventLocalizedNameUS)(const char* eventName, ai::UnicodeString& localizedName);
  ASErr ASAPI (*AIActionSetTypeKeyUS)(AIActionParamTypeRef param, ActionParamKeyID key, const ai::UnicodeString& name,
                                      ActionParamTypeID type, AIBoolean show);
  ASErr ASAPI (*AIActionGetNameUS)(AIActionParamTypeRef param, ActionParamKeyID key, ai::UnicodeString& value);
  ASErr ASAPI (*SetCurrentCommandLocalizedNameUS)(const ai::UnicodeString& localizedName);
  ASErr ASAPI (*AIActionGetStringUS)(AIActionParamValueRef param, ActionParamKeyID key, ai::UnicodeString& value);
  // 0 once key holds a copy of the Unicode string.
  ASErr ASAPI (*AIActionSetStringUS)(AIActionParamValueRef param, ActionParamKeyID key, const ai::UnicodeString& value);
};

#endif
