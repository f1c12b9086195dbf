// User: modal alerts, questions and the folder chooser.
#ifndef KESTRUNE_HOST_AIUSER_H
#define KESTRUNE_HOST_AIUSER_H

#include "AITypes.h"
#include "IAIFilePath.hpp"
#include "IAIUnicodeString.h"

#define kAIUserSuite "AI User Suite"
#define kAIUserSuiteVersion AIAPI_VERSION(21)

enum AIAnswer { kAIAnswer_No = 0, kAIAnswer_Yes = 1, kAIAnswer_Cancel = 2, kAIAnswer_Invalid = 0xFFFFFFFF };

struct AIUserSuite {
  AIAPI void (*MessageAlert)(const ai::UnicodeString& msg);
  AIAPI AIAnswer (*YesNoAlert)(const ai::UnicodeString& msg);
  AIAPI AIBoolean (*OKCancelAlert)(const ai::UnicodeString& msg, AIBoolean defaultOk, const char* dontShowKey);
  AIAPI void (*ErrorAlert)(const ai::UnicodeString& msg);
  AIAPI AIErr (*GetDirectoryDialog)(const ai::UnicodeString& title, ai::FilePath& ioFilePath);
};

#endif
