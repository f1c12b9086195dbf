#include "ProgressPanelTexts.h"

#include "platform/ProgressWindowTexts.h"

extern "C" int Kestrune_HostIsJapanese(void) { return platform::HostUsesJapanese() ? 1 : 0; }

extern "C" const char* Kestrune_ProgressTitle(void) { return platform::ProgressWindowTitle(); }

extern "C" const char* Kestrune_AbortCaption(void) { return platform::ProgressWindowAbortLabel(); }
