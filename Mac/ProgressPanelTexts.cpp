#include "ProgressPanelTexts.h"

#include "common/Texts.h"
#include "shellMain/PluginGlobals.h"

extern "C" int Kestrune_HostIsJapanese(void) { return g != nullptr && g->appLanguage == kJapaneseLanguage ? 1 : 0; }

extern "C" const char* Kestrune_JapaneseProgressTitle(void) {
  return TextFor(TextId::kProgressTitle, kJapaneseLanguage);
}

extern "C" const char* Kestrune_JapaneseAbortCaption(void) {
  return TextFor(TextId::kProgressAbort, kJapaneseLanguage);
}
