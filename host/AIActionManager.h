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
typedef ASErr (*AIActionCallbackProc)(AIActionParamValueRef parameter, AIActionUserData userData,
                                      AIBoolean showDialog);

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
constexpr ActionParamTypeID actionTypeUStr = static_cast<ai::uint32>(AIFourCharCode("ustr"));

constexpr ActionParamUnitID unitNone = static_cast<ai::uint32>(AIFourCharCode("#Nne"));
constexpr ActionParamUnitID unitPoints = static_cast<ai::uint32>(AIFourCharCode("#Pxl"));

struct AIActionManagerSuite {
  ASErr ASAPI (*AINewActionParamType)(AIActionParamTypeRef* param);
  ASErr ASAPI (*AIDeleteActionParamType)(AIActionParamTypeRef param);
  ASErr ASAPI (*RegisterActionEvent)(const char* eventName, const char* localizedName, ai::int32 version,
                                     ai::int32 flag, AIActionCallbackProc callback, SPPluginRef plugin,
                                     AIActionUserData userData, AIActionParamTypeRef parameters);
  ASErr ASAPI (*RegisterActionEventUS)(const char* eventName, const ai::UnicodeString& localizedName,
                                       ai::int32 version, ai::int32 flag, AIActionCallbackProc callback,
                                       SPPluginRef plugin, AIActionUserData userData,
                                       AIActionParamTypeRef parameters);
  ASErr ASAPI (*AINewActionParamValue)(AIActionParamValueRef* param);
  ASErr ASAPI (*AIDeleteActionParamValue)(AIActionParamValueRef param);
  ASErr ASAPI (*AIActionSetStringUS)(AIActionParamValueRef param, ActionParamKeyID key,
                                     const ai::UnicodeString& value);
  ASErr ASAPI (*AIActionSetBoolean)(AIActionParamValueRef param, ActionParamKeyID key, ASBoolean value);
  ASErr ASAPI (*AIActionSetInteger)(AIActionParamValueRef param, ActionParamKeyID key, ai::int32 value);
  ASErr ASAPI (*AIActionSetReal)(AIActionParamValueRef param, ActionParamKeyID key, AIReal value);
  ASErr ASAPI (*AIActionSetUnitReal)(AIActionParamValueRef param, ActionParamKeyID key, ActionParamUnitID unit,
                                     AIReal value);
  ASErr ASAPI (*AIActionSetString)(AIActionParamValueRef param, ActionParamKeyID key, const char* value);
  ASErr ASAPI (*PlayActionEvent)(const char* eventName, ActionDialogStatus dialogStatus,
                                 AIActionParamValueRef parameters);
  AIBoolean ASAPI (*InRecordMode)(void);
  ASErr ASAPI (*RecordActionEvent)(const char* eventName, ActionDialogStatus dialogStatus,
                                   AIActionParamValueRef parameters);
};

#endif
