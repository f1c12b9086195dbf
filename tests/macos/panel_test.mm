// Runs the progress panel as the plug-in does (through ProgressWindow) under GNUstep,
// with a host-style event loop between the steps, and checks what a user would see:
// titles in the host's language, an empty message line, the bar, and a real click on
// Abort delivered by the X server.
//
// usage: panel_test LANGUAGE FORM   (LANGUAGE 0 English, 1 Japanese; FORM names the
// nib form under test: nib, xib, or none and broken (no nib, or one that cannot be
// read), for which the window is built in code)
#import <AppKit/AppKit.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "platform/ProgressWindow.h"

#import "Kestrune_ProgressPanel.h"

extern Kestrune_ProgressPanel* g_progress_panel;
extern "C" void PanelTest_SetHostTexts(int japanese, const char* titleUtf8, const char* abortUtf8);

namespace {

int gPassed = 0;
int gFailed = 0;

void Check(bool condition, const char* what) {
  if (condition) {
    ++gPassed;
    printf("ok - %s\n", what);
  } else {
    ++gFailed;
    printf("not ok - %s\n", what);
  }
  fflush(stdout);
}

// What the host's run loop does between two calls into the plug-in.
void RunHostLoop(double seconds) {
  NSDate* limit = [NSDate dateWithTimeIntervalSinceNow:seconds];
  for (;;) {
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    NSEvent* event = [NSApp nextEventMatchingMask:NSAnyEventMask
                                        untilDate:limit
                                           inMode:NSDefaultRunLoopMode
                                          dequeue:YES];
    if (event != nil) [NSApp sendEvent:event];
    [pool release];
    if (event == nil) break;
  }
}

id Outlet(const char* name) { return [g_progress_panel valueForKey:[NSString stringWithUTF8String:name]]; }

bool SameText(NSString* shown, const char* utf8) {
  return shown != nil && [shown isEqualToString:[NSString stringWithUTF8String:utf8]];
}

bool SameSelector(SEL a, SEL b) { return a != 0 && b != 0 && strcmp(sel_getName(a), sel_getName(b)) == 0; }

// Clicks the middle of a view through the X server, as a user's mouse would.
bool ClickThroughXServer(NSView* view) {
  NSWindow* window = [view window];
  NSRect inWindow = [view convertRect:[view bounds] toView:nil];
  NSPoint middle = NSMakePoint(NSMidX(inWindow), NSMidY(inWindow));
  NSPoint onScreen = [window convertBaseToScreen:middle];
  NSRect screen = [[window screen] frame];
  int x = (int)onScreen.x;
  int y = (int)(NSMaxY(screen) - onScreen.y);
  char command[128];
  // In the background: the press starts the button's own tracking loop, which must
  // be running to receive the release.
  snprintf(command, sizeof(command), "xdotool mousemove --sync %d %d mousedown 1 sleep 0.1 mouseup 1 &", x, y);
  return system(command) == 0;
}

// What a shell command prints first, without its line end.
std::string FirstLineOf(const char* command) {
  std::string line;
  if (FILE* out = popen(command, "r")) {
    char text[256];
    if (fgets(text, sizeof(text), out) != NULL) line = text;
    pclose(out);
  }
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  return line;
}

// The title of the top window at the middle of a view, as the X server stacks them.
// The pointer goes back to a corner: a later --sync move to where it stands would wait
// for ever.
std::string TopWindowTitleAt(NSView* view) {
  NSWindow* window = [view window];
  NSRect inWindow = [view convertRect:[view bounds] toView:nil];
  NSPoint onScreen = [window convertBaseToScreen:NSMakePoint(NSMidX(inWindow), NSMidY(inWindow))];
  const int x = (int)onScreen.x, y = (int)(NSMaxY([[window screen] frame]) - onScreen.y);
  char command[200];
  snprintf(command, sizeof(command),
           "xdotool mousemove %d %d sleep 0.2 getmouselocation --shell | sed -n 's/^WINDOW=//p' | "
           "xargs xdotool getwindowname; xdotool mousemove 0 0",
           x, y);
  return FirstLineOf(command);
}

// The title of the window that has the X server's keyboard focus.
std::string FocusedWindowTitle() { return FirstLineOf("xdotool getwindowfocus getwindowname"); }

void UncaughtException(NSException* exception) {
  printf("not ok - uncaught exception %s: %s\n", [[exception name] UTF8String], [[exception reason] UTF8String]);
  fflush(stdout);
  _exit(3);
}

}  // namespace

int main(int argc, char** argv) {
  NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
  if (argc < 3) {
    fprintf(stderr, "usage: panel_test LANGUAGE FORM\n");
    return 2;
  }
  const int language = atoi(argv[1]);
  const char* form = argv[2];
  const bool japanese = language == 1;
  [NSApplication sharedApplication];
  // After the application: it installs GNUstep's exception panel, which waits forever.
  NSSetUncaughtExceptionHandler(UncaughtException);
  // What the panel must show: for a Japanese host the plug-in's words (進捗状況, 中断),
  // made from their Shift-JIS form; the panel's own English ones otherwise.
  const char* title = japanese ? "\xE9\x80\xB2\xE6\x8D\x97\xE7\x8A\xB6\xE6\xB3\x81" : "Progress";
  const char* abortCaption = japanese ? "\xE4\xB8\xAD\xE6\x96\xAD" : "Abort";
  PanelTest_SetHostTexts(japanese, title, abortCaption);

  ProgressWindow::Open(true);
  RunHostLoop(0.5);
  Check(ProgressWindow::IsOpen() && g_progress_panel != nil, "Open makes the panel");
  NSWindow* window = [g_progress_panel window];
  NSTextField* message = Outlet("progress_message");
  NSProgressIndicator* bar = Outlet("progress_indicator");
  NSButton* abortButton = Outlet("abort_button");
  Check(window != nil && [window isVisible], "the window is on screen");
  const NSRect frame = [window frame];
  const bool builtInCode = strcmp(form, "none") == 0 || strcmp(form, "broken") == 0;
  if (builtInCode) {
    Check(frame.size.width == 330 && frame.size.height == 114, "the window built in code has the nib's size");
  } else {
    // Where the nib puts it: only a window loaded from the nib stands there.
    Check(frame.origin.x == 120 && frame.origin.y == 500 && frame.size.width == 330 && frame.size.height == 114,
          "the window is the nib's");
  }
  Check(message != nil && bar != nil && abortButton != nil, "the three outlets are connected");
  Check([abortButton target] == g_progress_panel && SameSelector([abortButton action], @selector(dialogAbort:)),
        "Abort is connected to dialogAbort:");
  Check(SameText([window title], title), japanese ? "the title reads 進捗状況" : "the title reads Progress");
  Check(SameText([abortButton title], abortCaption), japanese ? "the button reads 中断" : "the button reads Abort");
  Check(SameText([message stringValue], ""), "the message line is empty");
  Check([bar doubleValue] == 0.0 && [bar minValue] == 0.0 && [bar maxValue] == 100.0, "the bar runs 0 to 100, at 0");
  Check([abortButton isEnabled] && ProgressWindow::IsAborted() == 0, "Abort is enabled and nothing is aborted");
  if (strcmp(form, "xib") != 0) {
    // GNUstep 0.29 reads a .xib's displayed-when-stopped flag backwards; the other
    // forms must show the bar.
    Check(![bar isHidden], "the bar is shown");
  }

  // A document the host opens during the run comes to the front, over the panel; the
  // document notification that follows brings the panel back in front (and the Abort
  // click below must reach it through the document's place).
  NSWindow* document = [[NSWindow alloc] initWithContentRect:NSMakeRect(0, 0, 100, 100)
                                                   styleMask:NSWindowStyleMaskTitled
                                                     backing:NSBackingStoreBuffered
                                                       defer:NO];
  [document setReleasedWhenClosed:NO];
  [document setTitle:@"Document"];
  [document setFrame:frame display:YES];
  [document makeKeyAndOrderFront:nil];
  RunHostLoop(0.2);
  Check(TopWindowTitleAt(abortButton) == "Document" && FocusedWindowTitle() == "Document",
        "a document window opened during the run covers the panel and takes the keyboard");
  ProgressWindow::BringToFront();
  RunHostLoop(0.2);
  Check(TopWindowTitleAt(abortButton) == [[window title] UTF8String],
        "a document notification brings the panel back in front of it");
  Check(FocusedWindowTitle() == [[window title] UTF8String], "and gives it the keyboard");

  const int steps[] = {50, 100, 0};
  for (int percent : steps) {
    ProgressWindow::SetProgressPercent(percent);
    RunHostLoop(0.1);
    char what[64];
    snprintf(what, sizeof(what), "the bar shows %d percent", percent);
    Check([bar doubleValue] == (double)percent, what);
  }

  ProgressWindow::SetProgressMessage("\x8F\x88\x97\x9D\x92\x86 a.ai");  // 処理中 a.ai
  RunHostLoop(0.05);
  Check(SameText([message stringValue], "\xE5\x87\xA6\xE7\x90\x86\xE4\xB8\xAD a.ai"),
        "a Shift-JIS message is shown as its characters");
  ProgressWindow::SetProgressMessage("");
  Check(SameText([message stringValue], ""), "an empty message empties the line");

  Check(ClickThroughXServer(abortButton), "xdotool clicked Abort");
  for (int wait = 0; wait < 40 && ProgressWindow::IsAborted() == 0; ++wait) RunHostLoop(0.05);
  Check(ProgressWindow::IsAborted() == 1,
        "brought back in front of the document window, the panel takes a click on Abort: the flag is set");
  Check(![abortButton isEnabled], "the button is disabled after the click");
  ClickThroughXServer(abortButton);
  RunHostLoop(0.3);
  ProgressWindow::SetProgressPercent(70);
  RunHostLoop(0.1);
  Check(ProgressWindow::IsAborted() == 1 && ![abortButton isEnabled], "the flag stays set and the button disabled");

  // The click above reached Abort through the document window's place: the panel was
  // in front. Without a panel nothing is brought forward.
  [document orderOut:nil];
  [document release];

  [window retain];
  ProgressWindow::Close();
  RunHostLoop(0.2);
  Check(!ProgressWindow::IsOpen() && g_progress_panel == nil, "Close releases the panel");
  Check(![window isVisible], "Close takes the window off screen");
  Check(ProgressWindow::IsAborted() == 0, "no abort is reported once the panel is closed");
  ProgressWindow::BringToFront();
  RunHostLoop(0.1);
  Check(![window isVisible], "with no panel open nothing is brought forward");
  [window release];

  printf("%s (%s, %s): %d passed, %d failed\n", "panel", japanese ? "Japanese" : "English", form, gPassed, gFailed);
  [pool release];
  return gFailed == 0 ? 0 : 1;
}
