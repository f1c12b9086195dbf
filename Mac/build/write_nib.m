// Compiles the panel's .xib into a keyed-archive .nib with GNUstep, since no Mac is
// at hand: loads the xib with a stand-in owner of the panel's class name, then
// archives the window and the connections the xib made as an NSIBObjectData under
// the keys a nib file carries ("IB.objectdata", "IB.systemFontUpdateVersion").
//
// usage: write_nib XIB NIB
#import <AppKit/AppKit.h>
#import <GNUstepGUI/GSNibLoading.h>

#include <stdio.h>

// The nib's owner as the xib names it; only its outlets matter here.
@interface Kestrune_ProgressPanel : NSWindowController {
  IBOutlet id progress_message;
  IBOutlet id progress_indicator;
  IBOutlet id abort_button;
}
@end
@implementation Kestrune_ProgressPanel
@end

static void Fail(NSString* why) {
  fprintf(stderr, "write_nib: %s\n", [why UTF8String]);
  exit(1);
}

static void UncaughtException(NSException* exception) {
  Fail([NSString stringWithFormat:@"%@: %@", [exception name], [exception reason]]);
}

// The owner's outlets, in the order the xib lists them.
static NSArray* OwnerOutlets(NSString* xibPath) {
  NSError* error = nil;
  NSXMLDocument* xib = [[[NSXMLDocument alloc] initWithData:[NSData dataWithContentsOfFile:xibPath]
                                                    options:0
                                                      error:&error] autorelease];
  if (xib == nil) Fail([NSString stringWithFormat:@"cannot read %@", xibPath]);
  NSArray* nodes = [xib nodesForXPath:@"//customObject[@id='-2']/connections/outlet/@property" error:&error];
  NSMutableArray* names = [NSMutableArray array];
  for (NSXMLNode* node in nodes) [names addObject:[node stringValue]];
  return names;
}

// Every control under a view whose target is the owner: its action becomes a
// control connector, and the target is left to the connector, so that the stand-in
// owner is not archived.
static void CollectActions(NSView* view, id owner, id ownerProxy, NSMutableArray* connections) {
  if ([view isKindOfClass:[NSControl class]] && [(NSControl*)view target] == owner) {
    NSNibControlConnector* connector = [[[NSNibControlConnector alloc] init] autorelease];
    [connector setSource:view];
    [connector setDestination:ownerProxy];
    [connector setLabel:NSStringFromSelector([(NSControl*)view action])];
    [connections addObject:connector];
    [(NSControl*)view setTarget:nil];
  }
  for (NSView* subview in [view subviews]) CollectActions(subview, owner, ownerProxy, connections);
}

// GNUstep 0.29 reads a xib's displayedWhenStopped backwards and hides the bar; the
// xib is the truth, so every bar it shows when stopped is shown in the nib.
static void MendStoppedBars(NSView* view, NSString* xibPath) {
  NSError* error = nil;
  NSXMLDocument* xib = [[[NSXMLDocument alloc] initWithData:[NSData dataWithContentsOfFile:xibPath]
                                                    options:0
                                                      error:&error] autorelease];
  NSArray* hidden = [xib nodesForXPath:@"//progressIndicator[not(@displayedWhenStopped='YES') or @hidden='YES']"
                                 error:&error];
  if ([hidden count] != 0) return;
  if ([view isKindOfClass:[NSProgressIndicator class]]) {
    [(NSProgressIndicator*)view setDisplayedWhenStopped:YES];
    [view setHidden:NO];
  }
  for (NSView* subview in [view subviews]) MendStoppedBars(subview, xibPath);
}

// Each view's parent in the nib's object table is its superview.
static void AddViews(NSView* view, id parent, NSMapTable* objects) {
  NSMapInsert(objects, view, parent);
  for (NSView* subview in [view subviews]) AddViews(subview, view, objects);
}

int main(int argc, char** argv) {
  NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
  if (argc != 3) Fail(@"usage: write_nib XIB NIB");
  NSString* xibPath = [NSString stringWithUTF8String:argv[1]];
  NSString* nibPath = [NSString stringWithUTF8String:argv[2]];
  [NSApplication sharedApplication];
  // After the application: it installs GNUstep's exception panel, which waits forever.
  NSSetUncaughtExceptionHandler(UncaughtException);

  Kestrune_ProgressPanel* owner = [[Kestrune_ProgressPanel alloc] initWithWindow:nil];
  NSNib* xib = [[NSNib alloc] initWithContentsOfURL:[NSURL fileURLWithPath:xibPath]];
  NSArray* topLevel = nil;
  if (xib == nil || ![xib instantiateWithOwner:owner topLevelObjects:&topLevel])
    Fail([NSString stringWithFormat:@"cannot load %@", xibPath]);
  NSWindow* window = [owner window];
  if (window == nil) Fail(@"the xib gives its owner no window");

  NSIBObjectData* data = [[NSIBObjectData alloc] init];
  NSCustomObject* ownerProxy = [[NSCustomObject alloc] init];
  [ownerProxy setClassName:@"Kestrune_ProgressPanel"];
  NSCustomObject* firstResponder = [[NSCustomObject alloc] init];
  [firstResponder setClassName:@"FirstResponder"];
  NSCustomObject* application = [[NSCustomObject alloc] init];
  [application setClassName:@"NSApplication"];
  NSWindowTemplate* windowTemplate = [[NSWindowTemplate alloc] initWithWindow:window
                                                                    className:@"NSWindow"
                                                                   isDeferred:YES
                                                                    isOneShot:YES
                                                                    isVisible:NO
                                                               wantsToBeColor:YES
                                                             autoPositionMask:0];
  [data setRoot:ownerProxy];

  NSMapTable* objects = [data objects];
  NSMapInsert(objects, firstResponder, ownerProxy);
  NSMapInsert(objects, application, ownerProxy);
  NSMapInsert(objects, windowTemplate, ownerProxy);
  AddViews([window contentView], windowTemplate, objects);
  NSMapTable* names = [data names];
  NSMapInsert(names, ownerProxy, @"File's Owner");
  NSMapInsert(names, firstResponder, @"First Responder");
  NSMapInsert(names, application, @"Application");
  NSMapInsert(names, windowTemplate, @"Window");

  NSMutableArray* connections = [data connections];
  for (NSString* outlet in OwnerOutlets(xibPath)) {
    id target = [owner valueForKey:outlet];
    if (target == nil) Fail([NSString stringWithFormat:@"the outlet %@ is not connected", outlet]);
    NSNibOutletConnector* connector = [[[NSNibOutletConnector alloc] init] autorelease];
    [connector setSource:ownerProxy];
    [connector setDestination:(target == window ? (id)windowTemplate : target)];
    [connector setLabel:outlet];
    [connections addObject:connector];
  }
  CollectActions([window contentView], owner, ownerProxy, connections);
  MendStoppedBars([window contentView], xibPath);

  int oid = 1;
  NSMapTable* oids = [data oids];
  for (id object in NSAllMapTableKeys(objects)) NSMapInsert(oids, object, [NSNumber numberWithInt:oid++]);
  for (id connector in connections) NSMapInsert(oids, connector, [NSNumber numberWithInt:oid++]);
  [data setNextOid:oid];

  NSMutableData* bytes = [NSMutableData data];
  NSKeyedArchiver* archiver = [[NSKeyedArchiver alloc] initForWritingWithMutableData:bytes];
  [archiver setOutputFormat:NSPropertyListBinaryFormat_v1_0];
  [archiver encodeObject:data forKey:@"IB.objectdata"];
  [archiver encodeInt:1 forKey:@"IB.systemFontUpdateVersion"];
  [archiver finishEncoding];
  if (![bytes writeToFile:nibPath atomically:YES]) Fail([NSString stringWithFormat:@"cannot write %@", nibPath]);
  printf("write_nib: %s (%lu bytes, %lu connections)\n", [nibPath UTF8String], (unsigned long)[bytes length],
         (unsigned long)[connections count]);
  [pool release];
  return 0;
}
