#import "Kestrune_ProgressPanel.h"

// The nib's layout in points: a 330 x 114 window, the message line above a 300 x 20
// bar, the button at the bottom right.
@implementation Kestrune_ProgressPanel (Kestrune_CodeBuiltWindow)

- (void)Kestrune_BuildWindowInCode {
  NSWindow* window = [[NSWindow alloc] initWithContentRect:NSMakeRect(0, 0, 330, 114)
                                                 styleMask:NSWindowStyleMaskTitled
                                                   backing:NSBackingStoreBuffered
                                                     defer:NO];
  [window setReleasedWhenClosed:NO];
  NSView* content = [window contentView];

  NSTextField* message = [[NSTextField alloc] initWithFrame:NSMakeRect(15, 82, 300, 17)];
  [message setEditable:NO];
  [message setSelectable:NO];
  [message setBezeled:NO];
  [message setDrawsBackground:NO];
  [content addSubview:message];

  NSProgressIndicator* bar = [[NSProgressIndicator alloc] initWithFrame:NSMakeRect(15, 52, 300, 20)];
  [bar setIndeterminate:NO];
  [bar setMinValue:0.0];
  [bar setMaxValue:100.0];
  [content addSubview:bar];

  NSButton* button = [[NSButton alloc] initWithFrame:NSMakeRect(225, 12, 90, 28)];
  [button setBezelStyle:NSRoundedBezelStyle];
  [button setTarget:self];
  [button setAction:@selector(dialogAbort:)];
  [content addSubview:button];

  // The views are held by the window from here on; the outlets, like a nib's, do not
  // retain.
  progress_message = message;
  progress_indicator = bar;
  abort_button = button;
  [message release];
  [bar release];
  [button release];

  [window center];
  [self setWindow:window];
  [window release];
  [self awakeFromNib];
}

@end
