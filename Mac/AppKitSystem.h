// Foundation and AppKit as the panel sees them: the real headers where a system
// provides them (GNUstep here, the SDK on a Mac), our own declarations in the cross
// build, which has no Apple SDK.
#ifndef KESTRUNE_MAC_APPKITSYSTEM_H
#define KESTRUNE_MAC_APPKITSYSTEM_H

#if __has_include(<AppKit/AppKit.h>)
#import <AppKit/AppKit.h>
#else
#import "system/CocoaDeclarations.h"
#endif

#endif
