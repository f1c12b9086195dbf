// The few Foundation and AppKit declarations the progress panel needs, for a build
// without an Apple SDK. Only what the panel calls is declared; the signatures and
// constant values follow the published Foundation and AppKit interfaces for 64-bit
// macOS. BOOL, id and SEL come from the system's own objc/objc.h, since BOOL differs
// between arm64 and x86_64.
#ifndef KESTRUNE_MAC_COCOADECLARATIONS_H
#define KESTRUNE_MAC_COCOADECLARATIONS_H

#include <objc/objc.h>
#include <stddef.h>

typedef long NSInteger;
typedef unsigned long NSUInteger;
typedef double CGFloat;
typedef double NSTimeInterval;
typedef NSUInteger NSStringEncoding;

typedef struct CGPoint {
  CGFloat x;
  CGFloat y;
} CGPoint;
typedef struct CGSize {
  CGFloat width;
  CGFloat height;
} CGSize;
typedef struct CGRect {
  CGPoint origin;
  CGSize size;
} CGRect;
typedef CGRect NSRect;

static inline NSRect NSMakeRect(CGFloat x, CGFloat y, CGFloat w, CGFloat h) {
  NSRect r = {{x, y}, {w, h}};
  return r;
}

enum { NSUTF8StringEncoding = 4, NSShiftJISStringEncoding = 8 };

typedef NSUInteger NSWindowStyleMask;
enum { NSWindowStyleMaskTitled = 1 << 0 };
typedef NSUInteger NSBackingStoreType;
enum { NSBackingStoreBuffered = 2 };
typedef NSUInteger NSBezelStyle;
enum { NSRoundedBezelStyle = 1 };

#ifndef IBOutlet
#define IBOutlet
#endif
#ifndef IBAction
#define IBAction void
#endif

__attribute__((objc_root_class))
@interface NSObject {
  Class isa;
}
+ (id)alloc;
- (id)init;
- (id)retain;
- (oneway void)release;
- (id)autorelease;
- (void)dealloc;
@end

@interface NSString : NSObject
+ (id)string;
+ (id)stringWithUTF8String:(const char*)text;
- (id)initWithCString:(const char*)text encoding:(NSStringEncoding)encoding;
@end

@interface NSAutoreleasePool : NSObject
- (void)drain;
@end

@interface NSDate : NSObject
+ (id)dateWithTimeIntervalSinceNow:(NSTimeInterval)seconds;
@end

@interface NSRunLoop : NSObject
+ (NSRunLoop*)currentRunLoop;
- (void)runUntilDate:(NSDate*)limit;
@end

@interface NSResponder : NSObject
@end

@interface NSView : NSResponder
- (id)initWithFrame:(NSRect)frame;
- (void)addSubview:(NSView*)view;
- (void)setHidden:(BOOL)hidden;
@end

@interface NSControl : NSView
- (void)setEnabled:(BOOL)enabled;
- (BOOL)isEnabled;
- (void)setTarget:(id)target;
- (void)setAction:(SEL)action;
- (void)setStringValue:(NSString*)value;
@end

@interface NSTextField : NSControl
- (void)setEditable:(BOOL)editable;
- (void)setSelectable:(BOOL)selectable;
- (void)setBezeled:(BOOL)bezeled;
- (void)setDrawsBackground:(BOOL)draws;
@end

@interface NSButton : NSControl
- (void)setTitle:(NSString*)title;
- (void)setBezelStyle:(NSBezelStyle)style;
@end

@interface NSProgressIndicator : NSView
- (void)setIndeterminate:(BOOL)indeterminate;
- (void)setMinValue:(double)value;
- (void)setMaxValue:(double)value;
- (void)setDoubleValue:(double)value;
@end

@interface NSWindow : NSResponder
- (id)initWithContentRect:(NSRect)content
                styleMask:(NSWindowStyleMask)style
                  backing:(NSBackingStoreType)backing
                    defer:(BOOL)defer;
- (NSView*)contentView;
- (void)setTitle:(NSString*)title;
- (void)setReleasedWhenClosed:(BOOL)released;
- (void)center;
- (void)makeKeyAndOrderFront:(id)sender;
- (void)orderOut:(id)sender;
@end

@interface NSWindowController : NSResponder
- (id)initWithWindowNibName:(NSString*)windowNibName;
- (NSWindow*)window;
- (void)setWindow:(NSWindow*)window;
@end

#endif
