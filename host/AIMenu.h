// Menu: groups and items; choosing an item sends "AI Menu"/"AI Go".
#ifndef KESTRUNE_HOST_AIMENU_H
#define KESTRUNE_HOST_AIMENU_H

#include "AITypes.h"
#include "IAIUnicodeString.h"
#include "SPMessages.h"

#define kAIMenuSuite "AI Menu Suite"
#define kAIMenuSuiteVersion AIAPI_VERSION(11)

#define kPlaceMenuGroup "Place Document"

typedef struct _t_MenuGroupOpaque* AIMenuGroup;
typedef ai::int32 AIMenuItemOption;
typedef ai::int32 AIMenuGroupOption;

constexpr AIMenuItemOption kMenuItemNoOptions = 0;
constexpr AIMenuItemOption kMenuItemWantsUpdateOption = 1 << 0;
constexpr AIMenuItemOption kMenuItemAlwaysEnabled = 1 << 1;
constexpr AIMenuItemOption kMenuItemIsSeparator = 1 << 2;
constexpr AIMenuItemOption kMenuItemIsGroupHeader = 1 << 3;
constexpr AIMenuItemOption kMenuItemIgnoreSort = 1 << 4;
constexpr AIMenuGroupOption kMenuGroupNoOptions = 0;
constexpr AIMenuGroupOption kMenuGroupSortedAlphabeticallyOption = 1 << 0;
constexpr AIMenuGroupOption kMenuGroupSeparatorOption = 1 << 1;
constexpr AIMenuGroupOption kMenuGroupSeparatorBelowOption = 1 << 2;
constexpr AIMenuGroupOption kMenuGroupHasHeader = 1 << 3;
constexpr AIMenuGroupOption kMenuGroupAddAboveNearGroup = 1 << 4;

typedef struct {
  const char* groupName;
  ai::UnicodeString itemText;
} AIPlatformAddMenuItemDataUS;

typedef struct {
  AIAPI AIErr (*AddMenuItem)(SPPluginRef self, const char* inKeyboardShortDictionaryKey,
                             AIPlatformAddMenuItemDataUS* data, AIMenuItemOption options,
                             AIMenuItemHandle* menuItem);
  AIAPI AIErr (*AddMenuGroupAsSubMenu)(const char* name, AIMenuGroupOption options,
                                       AIMenuItemHandle menuItem, AIMenuGroup* group);
  AIAPI AIErr (*EnableItem)(AIMenuItemHandle menuItem);
  AIAPI AIErr (*DisableItem)(AIMenuItemHandle menuItem);
  AIAPI AIErr (*IsItemEnabled)(AIMenuItemHandle menuItem, ASBoolean* isEnabled);
} AIMenuSuite;

#endif
