// The progress window's own words in the host's language. The plug-in keeps its texts
// and knows the host's language; the window asks here instead of carrying either.
#ifndef KESTRUNE_PLATFORM_PROGRESSWINDOWTEXTS_H
#define KESTRUNE_PLATFORM_PROGRESSWINDOWTEXTS_H

namespace platform {

// True when the host's user interface is Japanese: the texts below are then Japanese.
bool HostUsesJapanese();
// The window's title in the host's language, Shift-JIS (ASCII in English), zero-terminated; valid for the plug-in's
// life.
const char* ProgressWindowTitle();
// The label of the way to abort in the host's language, Shift-JIS (ASCII in English), zero-terminated; valid for the
// plug-in's life.
const char* ProgressWindowAbortLabel();

}  // namespace platform

#endif
