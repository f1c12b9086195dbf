// Runtime: the host's version and user-interface language.
#ifndef KESTRUNE_HOST_AIRUNTIME_H
#define KESTRUNE_HOST_AIRUNTIME_H

#include "AITypes.h"

#define kAIRuntimeSuite "AI Runtime Suite"
#define kAIRuntimeSuiteVersion AIAPI_VERSION(14)

// Language codes of GetAppUILanguage; every value but 1 reads as English here.
constexpr ai::int32 kAIUILanguageEnglish = 0;
constexpr ai::int32 kAIUILanguageJapanese = 1;

struct AIRuntimeSuite {
  AIAPI ai::int32 (*GetAppMajorVersion)(void);
  AIAPI ai::int32 (*GetAppMinorVersion)(void);
  AIAPI ai::int32 (*GetAppRevisionVersion)(void);
  AIAPI AIErr (*GetAppUILanguage)(ai::int32* language);
};

#endif
