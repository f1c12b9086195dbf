#include "documents/Fonts.h"

namespace simhost {

Font* Fonts::Get(const std::string& name) {
  if (name.empty()) return nullptr;
  if (Font* known = Find(name)) return known;
  auto font = std::make_unique<Font>();
  font->name = name;
  font->installed = probe ? probe(name) : true;
  Font* made = font.get();
  fonts_.emplace(name, std::move(font));
  return made;
}

Font* Fonts::Find(const std::string& name) const {
  auto it = fonts_.find(name);
  return it == fonts_.end() ? nullptr : it->second.get();
}

void Fonts::SetInstalled(const std::string& name, bool installed) {
  if (name.empty()) return;
  if (Font* known = Find(name)) {
    known->installed = installed;
    return;
  }
  auto font = std::make_unique<Font>();
  font->name = name;
  font->installed = installed;
  fonts_.emplace(name, std::move(font));
}

bool Fonts::Owns(const void* font) const {
  if (font == nullptr) return false;
  for (const auto& entry : fonts_)
    if (entry.second.get() == font) return true;
  return false;
}

int Fonts::outstandingRefs() const {
  int total = 0;
  for (const auto& entry : fonts_) total += entry.second->textEngineRefs;
  return total;
}

}  // namespace simhost
