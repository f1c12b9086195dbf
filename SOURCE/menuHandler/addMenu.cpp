#include "pluginHandler/AISuiteVariables.h"
#include "common/Texts.h"
#include "menuHandler.h"
#include "pluginHandler/Suites.h"
#include "shellMain/Handlers.h"
#include "shellMain/PluginGlobals.h"

#if defined(_WIN32)
#include <windows.h>
HINSTANCE gPluginInstance = nullptr;
#endif

namespace {

SPErr addItem(SPPluginRef self, const char* itemName, const char* group, TextId title, AIMenuItemHandle* item) {
  AIPlatformAddMenuItemDataUS data;
  data.groupName = group;
  // Titles travel as Shift-JIS in both languages; the English ones are plain ASCII.
  data.itemText = ai::UnicodeString(Text(title), kAIJapaneseCharacterEncoding);
  return Require(sMenu).AddMenuItem(self, itemName, &data, kMenuItemNoOptions, item);
}

}  // namespace

SPErr addMenu(SPInterfaceMessage* message) {
  SPPluginRef self = message->d.self;
  SPAccessRef access = nullptr;
  SPPlatformAccessInfo info{};
  if (sSPAccess != nullptr && sSPAccess->GetPluginAccess(self, &access) == kSPNoError &&
      sSPAccess->GetAccessInfo(access, &info) == kSPNoError) {
#if defined(_WIN32)
    gPluginInstance = static_cast<HINSTANCE>(info.defaultAccess);
#endif
  }

  AIMenuItemHandle groupItem = nullptr;
  SPErr error = addItem(self, kKestruneMenuGroup, kPlaceMenuGroup, TextId::kMenuGroupTitle, &groupItem);
  if (error != kSPNoError) return error;
  AIMenuGroup group = nullptr;
  sMenu->AddMenuGroupAsSubMenu(kKestruneMenuGroup, kMenuGroupNoOptions, groupItem, &group);

  error = addItem(self, kKestruneSaveAsItem, kKestruneMenuGroup, TextId::kMenuSaveAs, &g->saveAsMenuItem);
  if (error != kSPNoError) return error;
  // Enabled by the document notifications once a suitable document is current.
  sMenu->DisableItem(g->saveAsMenuItem);

  error = addItem(self, kKestruneConvertItem, kKestruneMenuGroup, TextId::kMenuBulkUpdate, &g->bulkUpdateMenuItem);
  if (error != kSPNoError) return error;
  return addItem(self, kKestruneConvertItem, kKestruneMenuGroup, TextId::kMenuBulkUpdateRecursive,
                 &g->bulkUpdateRecursiveMenuItem);
}

SPErr updateMenuItem(AIMenuMessage*) { return kSPNoError; }
