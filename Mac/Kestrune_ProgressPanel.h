// The progress panel of a bulk update: a window with a message line, a bar from 0 to
// 100 and an Abort button, loaded from the nib "Kestrune_ProgressPanel". Manual
// retain/release; the same source builds for Cocoa and for GNUstep.
#ifndef KESTRUNE_MAC_KESTRUNE_PROGRESSPANEL_H
#define KESTRUNE_MAC_KESTRUNE_PROGRESSPANEL_H

#include <stdint.h>

#import "AppKitSystem.h"

@interface Kestrune_ProgressPanel : NSWindowController {
  IBOutlet NSTextField* progress_message;
  IBOutlet NSProgressIndicator* progress_indicator;
  IBOutlet NSButton* abort_button;
  int16_t _aborted;
  int32_t _percent;
}
// Passes the nib name on; the window loads when it is first asked for.
- (id)initWithWindowNibName:(NSString*)windowNibName;
// Titles in the host's language, an empty message, the bar at 0, Abort enabled.
- (void)awakeFromNib;
// The Abort button: remembers the request and disables the button for good.
- (IBAction)dialogAbort:(id)sender;
// Shows a new whole percentage and lets the run loop draw it and deliver clicks.
- (void)Kestrune_SetProgressPercent:(double)percent;
// Shows a Shift-JIS text in the message line.
- (void)Kestrune_SetProgressMessage:(const char*)text;
// 1 once Abort was clicked.
- (int16_t)IsAborted;
@end

// The same window built in code, for when the nib yields none: a bulk update never
// runs without its panel.
@interface Kestrune_ProgressPanel (Kestrune_CodeBuiltWindow)
- (void)Kestrune_BuildWindowInCode;
@end

#endif
