#include "platform/ProgressWindowTexts.h"

#include "common/Texts.h"
#include "shellMain/PluginGlobals.h"

namespace platform {

bool HostUsesJapanese() { return g != nullptr && g->appLanguage == kJapaneseLanguage; }

const char* ProgressWindowTitle() { return Text(TextId::kProgressTitle); }

const char* ProgressWindowAbortLabel() { return Text(TextId::kProgressAbort); }

}  // namespace platform
