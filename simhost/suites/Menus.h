// The host's menus: groups of items, items that may own a submenu group. Before a
// menu is shown the host sends "AI Menu"/"AI Update" for every item a plug-in added,
// whatever its options, and honours what the plug-in enabled or disabled then.
#ifndef KESTRUNE_SIMHOST_MENUS_H
#define KESTRUNE_SIMHOST_MENUS_H

#include <memory>
#include <string>
#include <vector>

#include "AIMenu.h"

namespace simhost {

class SuiteRegistry;

struct MenuItem {
  std::string name;   // the plug-in's item name
  std::string group;  // the group it stands in
  std::u32string title;
  bool enabled = true;
  SPPluginRef plugin = nullptr;
  AIMenuItemOption options = 0;
  int updates = 0;             // "AI Update" messages sent for it
  SPErr lastUpdateStatus = 0;  // the plug-in's answer to the last of them
};

// The options the published interface names; any other bit is refused.
constexpr AIMenuItemOption kKnownMenuItemOptions = kMenuItemWantsUpdateOption | kMenuItemAlwaysEnabled |
                                                   kMenuItemIsSeparator | kMenuItemIsGroupHeader | kMenuItemIgnoreSort;
constexpr AIMenuGroupOption kKnownMenuGroupOptions = kMenuGroupSortedAlphabeticallyOption | kMenuGroupSeparatorOption |
                                                     kMenuGroupSeparatorBelowOption | kMenuGroupHasHeader |
                                                     kMenuGroupAddAboveNearGroup;

struct MenuGroup {
  std::string name;
  MenuItem* parent = nullptr;  // the item this group is the submenu of; null for host groups
};

class Menus {
 public:
  Menus();
  MenuItem* AddItem(const std::string& name, const std::string& group, const std::u32string& title, SPPluginRef plugin,
                    AIMenuItemOption options);
  MenuGroup* AddGroup(const std::string& name, MenuItem* parent);
  bool HasGroup(const std::string& name) const;
  MenuItem* FindItem(AIMenuItemHandle handle) const;
  std::vector<MenuItem*> ItemsIn(const std::string& group) const;
  // Items whose title (UTF-8) reads so; the first match or null.
  MenuItem* FindByTitle(const std::string& utf8Title) const;
  const std::vector<std::unique_ptr<MenuItem>>& items() const { return items_; }
  const std::vector<std::unique_ptr<MenuGroup>>& groups() const { return groups_; }

  // The menus are about to be shown: "AI Menu"/"AI Update" for every plug-in item,
  // in the order they were added.
  void Show();
  // The user picks an item of the menus shown: "AI Menu"/"AI Go" when it is enabled;
  // a disabled item is refused with PARM and the plug-in hears nothing.
  SPErr Pick(MenuItem* item);
  // Chooses an item as the user would: Show, then Pick.
  SPErr Choose(MenuItem* item);
  // The tree of plug-in items under the host groups, one line an item, indented.
  std::string Describe() const;

 private:
  void DescribeGroup(const std::string& group, int depth, std::string* out) const;
  std::vector<std::unique_ptr<MenuItem>> items_;
  std::vector<std::unique_ptr<MenuGroup>> groups_;
};

inline AIMenuItemHandle HandleOf(MenuItem* item) { return reinterpret_cast<AIMenuItemHandle>(item); }

void PublishMenuSuites(SuiteRegistry& registry);

}  // namespace simhost

#endif
