// User: modal alerts, questions and the folder chooser. Members before the alerts
// are declared so that every member sits at the host's slot.
#ifndef KESTRUNE_HOST_AIUSER_H
#define KESTRUNE_HOST_AIUSER_H

#include "AITypes.h"
#include "IAIFilePath.hpp"
#include "IAIUnicodeString.h"

#define kAIUserSuite "AI User Suite"
#define kAIUserSuiteVersion AIAPI_VERSION(21)

enum AIAnswer { kAIAnswer_No = 0, kAIAnswer_Yes = 1, kAIAnswer_Cancel = 2, kAIAnswer_Invalid = 0xFFFFFFFF };

namespace ai {
typedef long LocaleID;
}
typedef ai::uint32 AIUserDateTime;
typedef AIBoolean (*UpdateProgressProc)(ai::int32 current, ai::int32 max);
typedef struct MacMenu_t* AIPlatformMenuHandle;
typedef struct _t_Opaque_AIResourceManagerHandle* AIResourceManagerHandle;
typedef struct AIAutoNameGenerator AIAutoNameGenerator;
typedef struct AIFileDialogFilters AIFileDialogFilters;
typedef struct AIExpressionOptions AIExpressionOptions;
typedef AIBoolean (*IsValidInputProc)(ai::int32 validationStage, const ai::UnicodeString& input,
                                      ai::UnicodeString& errorStr, void* userdata);

struct AIUserSuite {
  AIAPI AIBoolean (*Cancel)(void);
  AIAPI void (*UpdateProgress)(ai::int32 current, ai::int32 max);
  AIAPI void (*SetUpdateProgressCallback)(UpdateProgressProc proc);
  AIAPI void (*SetProgressText)(const ai::UnicodeString& text);
  AIAPI void (*CloseProgress)(void);
  AIAPI void (*AIRealToString)(AIReal value, ai::int16 precision, ai::UnicodeString& string);
  AIAPI void (*StringToAIReal)(const ai::UnicodeString& string, AIReal* value);
  AIAPI void (*IUAIRealToString)(AIReal value, ai::int16 precision, ai::UnicodeString& string);
  AIAPI void (*IUAIRealToStringWithLocale)(AIReal value, ai::int16 precision, ai::UnicodeString& string,
                                           const ai::LocaleID locale);
  AIAPI void (*IUAIRealToStringWithLocaleWithoutScale)(AIReal value, ai::int16 precision, ai::UnicodeString& string,
                                                       const ai::LocaleID locale);
  AIAPI void (*IUStringToAIReal)(const ai::UnicodeString& string, AIReal* value);
  AIAPI AIErr (*IUAIRealToStringUnits)(AIReal value, ai::int32 precision, ai::UnicodeString& string);
  AIAPI AIErr (*IUAIRealToStringUnitsWithoutScale)(AIReal value, ai::int32 precision, ai::UnicodeString& string);
  AIAPI void (*IUStringUnitsToAIReal)(const ai::UnicodeString& string, AIReal* value);
  AIAPI void (*IUStringUnitsToAIRealWithoutScale)(const ai::UnicodeString& string, AIReal* value);
  AIAPI AIErr (*GetUnitsString)(ai::int16 format, ai::UnicodeString& string);
  AIAPI AIErr (*GetGlobalObjectDisplayName)(ai::UnicodeString& name);
  AIAPI AIErr (*EditInOriginalApp)(AIArtHandle art);
  AIAPI AIErr (*AppIdle)(void);
  AIAPI AIErr (*BuildDirectoryMenu)(AIPlatformMenuHandle menu, const ai::FilePath& fileSpec);
  AIAPI AIErr (*GetIndexedDirectorySpec)(ai::FilePath& fileSpec, ai::int32 index);
  AIAPI AIErr (*RevealTheFile)(const ai::FilePath& fileSpec);
  AIAPI void (*DisableProgressCancel)(void);
  AIAPI AIBoolean (*OKToAllocateMemory)(void);
  AIAPI AIErr (*GetDateAndTime)(AIUserDateTime* outValue);
  AIAPI AIErr (*GetDateString)(const AIUserDateTime* value, const ai::int32 formatFlag,
                               ai::UnicodeString& dateStringUS);
  AIAPI AIErr (*GetTimeString)(const AIUserDateTime* value, const ai::int32 formatFlag,
                               ai::UnicodeString& dateStringUS);
  AIAPI AIErr (*GetYear)(const AIUserDateTime* value, int* year);
  AIAPI AIErr (*GetMonth)(const AIUserDateTime* value, int* month);
  AIAPI AIErr (*GetDay)(const AIUserDateTime* value, int* day);
  AIAPI AIErr (*GetHour)(const AIUserDateTime* value, int* hour);
  AIAPI AIErr (*GetMinute)(const AIUserDateTime* value, int* minute);
  AIAPI AIErr (*GetSecond)(const AIUserDateTime* value, int* second);
  AIAPI AIErr (*GetDayOfWeek)(const AIUserDateTime* value, int* dayOfWeek);
  AIAPI AIErr (*LaunchApp)(const ai::FilePath& spFileSpec, ASBoolean openDoc);
  AIAPI AIErr (*NextName)(AIAutoNameGenerator& set, ai::UnicodeString& name);
  AIAPI AIErr (*CopyOfName)(AIAutoNameGenerator& set, const ai::UnicodeString& original, ai::UnicodeString& copy);
  AIAPI AIErr (*SameName)(const ai::UnicodeString& name1, const ai::UnicodeString& name2, AIBoolean& same);
  AIAPI AIErr (*PutFileDialog)(const ai::UnicodeString& title, const AIFileDialogFilters* filters,
                               const ai::UnicodeString& defaultName, ai::FilePath& ioFilePath);
  AIAPI AIErr (*GetFileDialog)(const ai::UnicodeString& title, const AIFileDialogFilters* filters,
                               ai::FilePath& ioFilePath);
  // Modal. 0 and the chosen folder in ioFilePath; kCanceledErr ('STOP') when the user cancels.
  AIAPI AIErr (*GetDirectoryDialog)(const ai::UnicodeString& title, ai::FilePath& ioFilePath);
  // Modal; nonzero when the user answers OK. Nothing can fail: the answer is all there is.
  AIAPI AIBoolean (*OKCancelAlert)(const ai::UnicodeString& msg, AIBoolean defaultOk, const char* dontShowKey);
  AIAPI void (*WarningAlert)(const ai::UnicodeString& msg, const char* dontShowKey);
  AIAPI void (*MessageAlertEx)(const ai::UnicodeString& msg, const char* dontShowKey);
  AIAPI AIAnswer (*QuestionAlert)(const ai::UnicodeString& msg);
  // Modal; the user's answer, yes or no. Returns no status.
  AIAPI AIAnswer (*YesNoAlert)(const ai::UnicodeString& msg);
  // Modal; returns when the user has dismissed it. Returns nothing.
  AIAPI void (*ErrorAlert)(const ai::UnicodeString& msg);
  // Modal; returns when the user has dismissed it. Returns nothing.
  AIAPI void (*MessageAlert)(const ai::UnicodeString& msg);
};

#endif
