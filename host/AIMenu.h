// Menu: groups and items; choosing an item sends "AI Menu"/"AI Go", showing it "AI Update".
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

typedef const struct ZREFStruct* ZRef;
typedef struct AIPlatformMenuItem AIPlatformMenuItem;

typedef struct {
  // 0 and the new item's handle; the host reads data->itemText in place and keeps its own copy.
  AIAPI AIErr (*AddMenuItem)(SPPluginRef self, const char* inKeyboardShortcutDictionaryKey,
                             AIPlatformAddMenuItemDataUS* data, AIMenuItemOption options, AIMenuItemHandle* menuItem);
  AIAPI AIErr (*AddMenuItemZString)(SPPluginRef self, const char* inKeyboardShortcutDictionaryKey,
                                    const char* groupName, ZRef itemText, AIMenuItemOption options,
                                    AIMenuItemHandle* menuItem);
  AIAPI AIErr (*GetMenuItemKeyboardShortcutDictionaryKey)(AIMenuItemHandle menuItem, const char** key);
  AIAPI AIErr (*GetMenuItemOptions)(AIMenuItemHandle menuItem, AIMenuItemOption* options);
  AIAPI AIErr (*SetMenuItemOptions)(AIMenuItemHandle menuItem, AIMenuItemOption options);
  AIAPI AIErr (*GetMenuItemPlugin)(AIMenuItemHandle menuItem, SPPluginRef* plugin);
  AIAPI AIErr (*CountMenuItems)(ai::int32* count);
  AIAPI AIErr (*GetNthMenuItem)(ai::int32 n, AIMenuItemHandle* menuItem);
  AIAPI AIErr (*GetPlatformMenuItem)(AIMenuItemHandle menuItem, AIPlatformMenuItem* platformMenuItem);
  AIAPI AIErr (*UpdateMenuItemAutomatically)(AIMenuItemHandle menuItem, ai::int32 action, ai::int32 numerator,
                                             ai::int32 denominator, ai::int32 positive, ai::int32 negative,
                                             ai::int32 ifMenuItemNumerator, ai::int32 ifMenuItemDenominator);
  AIAPI AIErr (*GetUpdateFlags)(ai::int32* inArtwork, ai::int32* isSelected, ai::int32* isTrue);
  // 0 once the item can be chosen.
  AIAPI AIErr (*EnableItem)(AIMenuItemHandle menuItem);
  // 0 once the item is greyed out.
  AIAPI AIErr (*DisableItem)(AIMenuItemHandle menuItem);
  AIAPI AIErr (*GetItemText)(AIMenuItemHandle menuItem, ai::UnicodeString& itemString);
  AIAPI AIErr (*SetItemText)(AIMenuItemHandle menuItem, const ai::UnicodeString& itemString);
  AIAPI AIErr (*SetItemTextZString)(AIMenuItemHandle menuItem, ZRef itemString);
  AIAPI AIErr (*CheckItem)(AIMenuItemHandle menuItem, AIBoolean bCheckIt);
  AIAPI AIErr (*GetItemMenuGroup)(AIMenuItemHandle menuItem, AIMenuGroup* group);
  AIAPI AIErr (*AddMenuGroup)(const char* name, AIMenuGroupOption options, const char* nearGroup, AIMenuGroup* group);
  // 0 and a new group shown as the submenu of menuItem.
  AIAPI AIErr (*AddMenuGroupAsSubMenu)(const char* name, AIMenuGroupOption options, AIMenuItemHandle menuItem,
                                       AIMenuGroup* group);
} AIMenuSuite;

#endif
