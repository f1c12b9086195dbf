#include "suites/Menus.h"

#include "suites/Encoding.h"
#include "core/Host.h"
#include "core/Lending.h"
#include "core/SuiteRegistry.h"
#include "suites/Strings.h"

namespace simhost {

// Host groups a plug-in may add to; the application has many more.
static const char* const kHostGroups[] = {kPlaceMenuGroup, "Open Document", "Save Document", "Export Document",
                                          "Document Utilities"};

Menus::Menus() {
  for (const char* name : kHostGroups) AddGroup(name, nullptr);
}

MenuItem* Menus::AddItem(const std::string& name, const std::string& group, const std::u32string& title,
                         SPPluginRef plugin, AIMenuItemOption options) {
  auto item = std::make_unique<MenuItem>();
  item->name = name;
  item->group = group;
  item->title = title;
  item->plugin = plugin;
  item->options = options;
  items_.push_back(std::move(item));
  return items_.back().get();
}

MenuGroup* Menus::AddGroup(const std::string& name, MenuItem* parent) {
  groups_.push_back(std::make_unique<MenuGroup>(MenuGroup{name, parent}));
  return groups_.back().get();
}

bool Menus::HasGroup(const std::string& name) const {
  for (const auto& group : groups_)
    if (group->name == name) return true;
  return false;
}

MenuItem* Menus::FindItem(AIMenuItemHandle handle) const {
  for (const auto& item : items_)
    if (HandleOf(item.get()) == handle) return item.get();
  return nullptr;
}

std::vector<MenuItem*> Menus::ItemsIn(const std::string& group) const {
  std::vector<MenuItem*> out;
  for (const auto& item : items_)
    if (item->group == group) out.push_back(item.get());
  return out;
}

MenuItem* Menus::FindByTitle(const std::string& utf8Title) const {
  for (const auto& item : items_)
    if (Utf8FromCodePoints(item->title) == utf8Title) return item.get();
  return nullptr;
}

void Menus::Show() {
  for (size_t i = 0; i < items_.size(); ++i) {
    MenuItem* item = items_[i].get();
    if (item->plugin == nullptr) continue;
    AIMenuMessage message{};
    message.menuItem = HandleOf(item);
    ++item->updates;
    item->lastUpdateStatus = Host::Current().Send(kCallerAIMenu, kSelectorAIUpdateMenuItem, &message.d);
  }
}

SPErr Menus::Pick(MenuItem* item) {
  if (item == nullptr || !item->enabled) return kBadParameterErr;
  AIMenuMessage message{};
  message.menuItem = HandleOf(item);
  return Host::Current().Send(kCallerAIMenu, kSelectorAIGoMenuItem, &message.d);
}

SPErr Menus::Choose(MenuItem* item) {
  Show();
  return Pick(item);
}

void Menus::DescribeGroup(const std::string& group, int depth, std::string* out) const {
  for (const MenuItem* item : ItemsIn(group)) {
    out->append(static_cast<size_t>(depth) * 2, ' ');
    out->append(Utf8FromCodePoints(item->title));
    out->append(item->enabled ? "  [enabled]" : "  [disabled]");
    out->append("  (" + item->name + ")\n");
    for (const auto& sub : groups_)
      if (sub->parent == item) DescribeGroup(sub->name, depth + 1, out);
  }
}

std::string Menus::Describe() const {
  std::string out;
  for (const auto& group : groups_) {
    if (group->parent != nullptr || ItemsIn(group->name).empty()) continue;
    out += group->name + "\n";
    DescribeGroup(group->name, 1, &out);
  }
  return out;
}

namespace {

AIErr AddMenuItem(SPPluginRef self, const char* itemName, AIPlatformAddMenuItemDataUS* data, AIMenuItemOption options,
                  AIMenuItemHandle* menuItem) {
  if (itemName == nullptr || data == nullptr || data->groupName == nullptr || menuItem == nullptr)
    return kBadParameterErr;
  if ((options & ~kKnownMenuItemOptions) != 0) return kBadParameterErr;
  Menus& menus = Host::Current().menus();
  if (!menus.HasGroup(data->groupName)) return kBadParameterErr;
  *menuItem = HandleOf(menus.AddItem(itemName, data->groupName, TextOf(data->itemText), self, options));
  return kNoErr;
}

AIErr AddMenuGroupAsSubMenu(const char* name, AIMenuGroupOption options, AIMenuItemHandle menuItem,
                            AIMenuGroup* group) {
  Menus& menus = Host::Current().menus();
  MenuItem* parent = menus.FindItem(menuItem);
  if (name == nullptr || parent == nullptr || menus.HasGroup(name)) return kBadParameterErr;
  if ((options & ~kKnownMenuGroupOptions) != 0) return kBadParameterErr;
  MenuGroup* added = menus.AddGroup(name, parent);
  if (group != nullptr) *group = reinterpret_cast<AIMenuGroup>(added);
  return kNoErr;
}

AIErr SetEnabled(AIMenuItemHandle menuItem, bool enabled) {
  MenuItem* item = Host::Current().menus().FindItem(menuItem);
  if (item == nullptr) return kBadParameterErr;
  item->enabled = enabled;
  return kNoErr;
}

AIErr EnableItem(AIMenuItemHandle menuItem) { return SetEnabled(menuItem, true); }

AIErr DisableItem(AIMenuItemHandle menuItem) { return SetEnabled(menuItem, false); }

}  // namespace

void PublishMenuSuites(SuiteRegistry& registry) {
  registry.Publish(Lend<AIMenuSuite>(kAIMenuSuite, kAIMenuSuiteVersion, Fails<&AIMenuSuite::AddMenuItem, AddMenuItem>(),
                                     Fails<&AIMenuSuite::EnableItem, EnableItem>(),
                                     Fails<&AIMenuSuite::DisableItem, DisableItem>(),
                                     Fails<&AIMenuSuite::AddMenuGroupAsSubMenu, AddMenuGroupAsSubMenu>()));
}

}  // namespace simhost
