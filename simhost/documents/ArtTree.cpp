#include "documents/ArtTree.h"

namespace simhost {

std::u16string Art::Text() const {
  std::u16string text;
  for (const TextRun& run : runs) text += run.text;
  return text;
}

size_t Art::TextLength() const {
  size_t length = 0;
  for (const TextRun& run : runs) length += run.text.size();
  return length;
}

Font* Art::LocalFontAt(size_t offset) const {
  for (const TextRun& run : runs) {
    if (offset < run.text.size()) return run.font;
    offset -= run.text.size();
  }
  return nullptr;
}

Font* Art::EffectiveFontAt(size_t offset) const {
  Font* local = LocalFontAt(offset);
  return local != nullptr ? local : defaultFont;
}

Layer* Document::AddLayer(const std::string& name) {
  auto layer = std::make_unique<Layer>();
  layer->name = name;
  layer->document = this;
  layer->root = std::make_unique<Art>();
  layer->root->type = kGroupArt;
  layer->root->layer = layer.get();
  layers.push_back(std::move(layer));
  return layers.back().get();
}

View* Document::AddView() {
  auto view = std::make_unique<View>();
  view->document = this;
  view->center = AIRealPoint{(cropBox[0] + cropBox[2]) / 2, (cropBox[1] + cropBox[3]) / 2};
  views.push_back(std::move(view));
  return views.back().get();
}

namespace {

void SetLayer(Art& art, Layer* layer) {
  art.layer = layer;
  for (auto& child : art.children) SetLayer(*child, layer);
}

}  // namespace

// A subtree built before it had a place takes its layer here.
Art* AddChild(Art* group, std::unique_ptr<Art> child) {
  child->parent = group;
  SetLayer(*child, group->layer);
  group->children.push_back(std::move(child));
  return group->children.back().get();
}

namespace {

void Visit(Art& art, const std::function<void(Art&)>& visit) {
  visit(art);
  for (auto& child : art.children) Visit(*child, visit);
}

bool AncestorsAndLayerAccessible(const Art& art) {
  for (const Art* up = art.parent; up != nullptr; up = up->parent)
    if (up->locked || up->hidden) return false;
  return art.layer == nullptr || (art.layer->visible && art.layer->editable);
}

void Shift(Art& art, AIReal dx, AIReal dy, const std::string& composerVersion, int* moved) {
  art.position.h += dx;
  art.position.v += dy;
  if (art.type == kTextFrameArt) art.layoutVersion = composerVersion;
  ++*moved;
  for (auto& child : art.children)
    if (!child->locked && !child->hidden) Shift(*child, dx, dy, composerVersion, moved);
}

void MoveIn(Art& art, AIReal dx, AIReal dy, const std::string& composerVersion, int* moved) {
  if (art.selected && IsAccessible(art)) {
    Shift(art, dx, dy, composerVersion, moved);
    return;  // the contents went along with the group
  }
  for (auto& child : art.children) MoveIn(*child, dx, dy, composerVersion, moved);
}

}  // namespace

void ForEachArt(const Document& document, const std::function<void(Art&)>& visit) {
  for (const auto& layer : document.layers)
    if (layer->root) Visit(*layer->root, visit);
}

bool IsAccessibleWith(const Art& art, bool locked, bool hidden) {
  return !locked && !hidden && AncestorsAndLayerAccessible(art);
}

bool IsAccessible(const Art& art) { return IsAccessibleWith(art, art.locked, art.hidden); }

int MoveSelection(Document& document, AIReal dx, AIReal dy, const std::string& composerVersion) {
  int moved = 0;
  for (auto& layer : document.layers)
    if (layer->root) MoveIn(*layer->root, dx, dy, composerVersion, &moved);
  return moved;
}

}  // namespace simhost
