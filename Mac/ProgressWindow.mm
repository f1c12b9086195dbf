// The progress window on macOS: the panel Kestrune_ProgressPanel, held in
// g_progress_panel while a bulk update runs. No Objective-C exception leaves here:
// the host never sees one, and a failure only costs the panel.
#include "platform/ProgressWindow.h"

#import "Kestrune_ProgressPanel.h"

Kestrune_ProgressPanel* g_progress_panel = nil;

namespace {

// Each call owns a pool: the host's own pool may not be drained before the bulk
// update ends.
class AutoreleasePool {
 public:
  AutoreleasePool() : pool_([[NSAutoreleasePool alloc] init]) {}
  ~AutoreleasePool() { [pool_ drain]; }
  AutoreleasePool(const AutoreleasePool&) = delete;
  AutoreleasePool& operator=(const AutoreleasePool&) = delete;

 private:
  NSAutoreleasePool* pool_;
};

// The nib's window, or the same window built in code when the nib yields none.
NSWindow* LoadWindow(Kestrune_ProgressPanel* panel) {
  NSWindow* window = nil;
  @try {
    window = [panel window];
  } @catch (id exception) {
    window = nil;
  }
  if (window == nil) {
    [panel Kestrune_BuildWindowInCode];
    window = [panel window];
  }
  return window;
}

}  // namespace

void ProgressWindow::Open(bool abortAllowed) {
  (void)abortAllowed;  // the panel always offers Abort
  Close();
  AutoreleasePool pool;
  @try {
    g_progress_panel =
        [[Kestrune_ProgressPanel alloc] initWithWindowNibName:[NSString stringWithUTF8String:"Kestrune_ProgressPanel"]];
    NSWindow* window = LoadWindow(g_progress_panel);
    [window makeKeyAndOrderFront:nil];
  } @catch (id exception) {
    Close();
  }
}

void ProgressWindow::SetProgressPercent(ai::int32 percent) {
  if (g_progress_panel == nil) return;
  AutoreleasePool pool;
  @try {
    [g_progress_panel Kestrune_SetProgressPercent:static_cast<double>(percent)];
  } @catch (id exception) {
  }
}

void ProgressWindow::SetProgressMessage(const char* text) {
  if (g_progress_panel == nil) return;
  AutoreleasePool pool;
  @try {
    [g_progress_panel Kestrune_SetProgressMessage:(text != nullptr ? text : "")];
  } @catch (id exception) {
  }
}

ai::int16 ProgressWindow::IsAborted() {
  if (g_progress_panel == nil) return 0;
  @try {
    return [g_progress_panel IsAborted] != 0 ? 1 : 0;
  } @catch (id exception) {
    return 0;
  }
}

bool ProgressWindow::IsOpen() { return g_progress_panel != nil; }

// A document the host opens or brings forward during a run takes the front and the
// keyboard; the panel takes them back, so Abort stays within reach.
void ProgressWindow::BringToFront() {
  if (g_progress_panel == nil) return;
  AutoreleasePool pool;
  @try {
    [[g_progress_panel window] makeKeyAndOrderFront:nil];
  } @catch (id exception) {
  }
}

// Also run at shut-down, so that no window of the plug-in outlives its code.
void ProgressWindow::Close() {
  if (g_progress_panel == nil) return;
  Kestrune_ProgressPanel* panel = g_progress_panel;
  g_progress_panel = nil;
  AutoreleasePool pool;
  @try {
    [[panel window] orderOut:nil];
  } @catch (id exception) {
  } @
  try {
    [panel release];
  } @catch (id exception) {
  }
}

// The Abort is the panel's own button; nothing of the host's was caught.
void ProgressWindow::ReleaseAbort() {}
