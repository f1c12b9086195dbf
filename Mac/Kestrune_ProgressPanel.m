#import "Kestrune_ProgressPanel.h"

#include "ProgressPanelTexts.h"

// Made from the stored Shift-JIS bytes, as the plug-in's other Japanese texts are.
static NSString* NewStringFromShiftJIS(const char* text) {
  NSString* string = [[NSString alloc] initWithCString:(text != NULL ? text : "") encoding:NSShiftJISStringEncoding];
  return string != nil ? string : [[NSString string] retain];
}

@implementation Kestrune_ProgressPanel

- (id)initWithWindowNibName:(NSString*)windowNibName {
  return [super initWithWindowNibName:windowNibName];
}

- (void)awakeFromNib {
  NSString* title;
  NSString* caption;
  if (Kestrune_HostIsJapanese()) {
    title = NewStringFromShiftJIS(Kestrune_ProgressTitle());
    caption = NewStringFromShiftJIS(Kestrune_AbortCaption());
  } else {
    title = [[NSString stringWithUTF8String:"Progress"] retain];
    caption = [[NSString stringWithUTF8String:"Abort"] retain];
  }
  [[self window] setTitle:title];
  [abort_button setTitle:caption];
  [title release];
  [caption release];

  [progress_message setStringValue:[NSString string]];
  [progress_indicator setDoubleValue:0.0];
  [abort_button setEnabled:YES];
  _aborted = 0;
  _percent = 0;
}

- (IBAction)dialogAbort:(id)sender {
  (void)sender;
  _aborted = 1;
  [abort_button setEnabled:NO];
}

- (void)Kestrune_SetProgressPercent:(double)percent {
  int32_t whole = (int32_t)percent;
  if (whole == _percent) return;
  _percent = whole;
  [progress_indicator setDoubleValue:(double)whole];
  [[NSRunLoop currentRunLoop] runUntilDate:[NSDate dateWithTimeIntervalSinceNow:0.001]];
}

- (void)Kestrune_SetProgressMessage:(const char*)text {
  NSString* message = NewStringFromShiftJIS(text);
  [progress_message setStringValue:message];
  [message release];
}

- (int16_t)IsAborted {
  return _aborted;
}

@end
