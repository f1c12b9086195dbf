// The progress window's own words in the host's language, for a window that carries
// no resources of its own (the terminal). The plug-in provides them; a window that
// has them in its resources need not ask.
#ifndef KESTRUNE_PLATFORM_PROGRESSWINDOWTEXTS_H
#define KESTRUNE_PLATFORM_PROGRESSWINDOWTEXTS_H

namespace platform {

// The window's title, Shift-JIS, zero-terminated; valid for the plug-in's life.
const char* ProgressWindowTitle();
// The label of the way to abort, Shift-JIS, zero-terminated; valid for the plug-in's life.
const char* ProgressWindowAbortLabel();

}  // namespace platform

#endif
