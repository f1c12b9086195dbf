// What the panel takes from the plug-in: the host's language and the panel's words in
// it, in their stored Shift-JIS form. C linkage, so that the Objective-C panel and the
// C++ plug-in meet without either knowing the other's language.
#ifndef KESTRUNE_MAC_PROGRESSPANELTEXTS_H
#define KESTRUNE_MAC_PROGRESSPANELTEXTS_H

#ifdef __cplusplus
extern "C" {
#endif

// 1 when the host's user interface is Japanese, else 0.
int Kestrune_HostIsJapanese(void);
// The window title in the host's language, Shift-JIS, zero-terminated.
const char* Kestrune_ProgressTitle(void);
// The Abort caption in the host's language, Shift-JIS, zero-terminated.
const char* Kestrune_AbortCaption(void);

#ifdef __cplusplus
}
#endif

#endif
