// What the panel takes from the plug-in: the host's language and the Japanese
// titles in their stored Shift-JIS form. C linkage, so that the Objective-C panel
// and the C++ plug-in meet without either knowing the other's language.
#ifndef KESTRUNE_MAC_PROGRESSPANELTEXTS_H
#define KESTRUNE_MAC_PROGRESSPANELTEXTS_H

#ifdef __cplusplus
extern "C" {
#endif

// 1 when the host's user interface is Japanese, else 0.
int Kestrune_HostIsJapanese(void);
// The Japanese window title, Shift-JIS, zero-terminated.
const char* Kestrune_JapaneseProgressTitle(void);
// The Japanese Abort caption, Shift-JIS, zero-terminated.
const char* Kestrune_JapaneseAbortCaption(void);

#ifdef __cplusplus
}
#endif

#endif
