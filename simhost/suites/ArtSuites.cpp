// The Layer and Art suites: the current document's layers and art trees.
#include "AIArt.h"
#include "AILayer.h"
#include "documents/Documents.h"
#include "core/Host.h"
#include "core/Lending.h"
#include "core/SuiteRegistry.h"

namespace simhost {
namespace {

constexpr ai::int32 kSettableAttrs = kArtSelected | kArtLocked | kArtHidden;

Documents& Docs() { return Host::Current().documents(); }

AIErr CountLayers(ai::int32* count) {
  if (count == nullptr) return kBadParameterErr;
  Document* document = Docs().current();
  *count = document == nullptr ? 0 : static_cast<ai::int32>(document->layers.size());
  return document == nullptr ? kNoDocumentErr : kNoErr;
}

AIErr GetNthLayer(ai::int32 n, AILayerHandle* layer) {
  if (layer == nullptr) return kBadParameterErr;
  *layer = nullptr;
  Document* document = Docs().current();
  if (document == nullptr) return kNoDocumentErr;
  if (n < 0 || static_cast<size_t>(n) >= document->layers.size()) return kBadParameterErr;
  *layer = HandleOf(document->layers[static_cast<size_t>(n)].get());
  return kNoErr;
}

AIErr GetLayerFlag(AILayerHandle handle, AIBoolean* value, bool Layer::*flag) {
  if (value == nullptr) return kBadParameterErr;
  Layer* layer = Docs().Find(handle);
  if (layer == nullptr) return kBadParameterErr;
  *value = layer->*flag;
  return kNoErr;
}

AIErr SetLayerFlag(AILayerHandle handle, AIBoolean value, bool Layer::*flag) {
  Layer* layer = Docs().Find(handle);
  if (layer == nullptr) return kBadParameterErr;
  if (layer->*flag != (value != 0)) {
    layer->*flag = value != 0;
    layer->document->modified = true;
  }
  return kNoErr;
}

AIErr GetLayerVisible(AILayerHandle layer, AIBoolean* visible) { return GetLayerFlag(layer, visible, &Layer::visible); }

AIErr SetLayerVisible(AILayerHandle layer, AIBoolean visible) { return SetLayerFlag(layer, visible, &Layer::visible); }

AIErr GetLayerEditable(AILayerHandle layer, AIBoolean* editable) {
  return GetLayerFlag(layer, editable, &Layer::editable);
}

AIErr SetLayerEditable(AILayerHandle layer, AIBoolean editable) {
  return SetLayerFlag(layer, editable, &Layer::editable);
}

AIErr GetFirstArtOfLayer(AILayerHandle handle, AIArtHandle* art) {
  if (art == nullptr) return kBadParameterErr;
  *art = nullptr;
  Layer* layer = Docs().Find(handle);
  if (layer == nullptr) return kBadParameterErr;
  *art = HandleOf(layer->root.get());
  return kNoErr;
}

AIErr GetArtType(AIArtHandle handle, short* type) {
  if (type == nullptr) return kBadParameterErr;
  Art* art = Docs().Find(handle);
  *type = art == nullptr ? static_cast<short>(kUnknownArt) : art->type;
  return art == nullptr ? kBadParameterErr : kNoErr;
}

AIErr GetArtFirstChild(AIArtHandle handle, AIArtHandle* child) {
  if (child == nullptr) return kBadParameterErr;
  *child = nullptr;
  Art* art = Docs().Find(handle);
  if (art == nullptr) return kBadParameterErr;
  if (!art->children.empty()) *child = HandleOf(art->children.front().get());
  return kNoErr;
}

AIErr GetArtSibling(AIArtHandle handle, AIArtHandle* sibling) {
  if (sibling == nullptr) return kBadParameterErr;
  *sibling = nullptr;
  Art* art = Docs().Find(handle);
  if (art == nullptr) return kBadParameterErr;
  if (art->parent == nullptr) return kNoErr;
  const auto& family = art->parent->children;
  for (size_t i = 0; i + 1 < family.size(); ++i) {
    if (family[i].get() == art) {
      *sibling = HandleOf(family[i + 1].get());
      break;
    }
  }
  return kNoErr;
}

bool FullySelected(const Art& art) {
  if (!art.selected) return false;
  for (const auto& child : art.children)
    if (!FullySelected(*child)) return false;
  return true;
}

AIErr GetArtUserAttr(AIArtHandle handle, ai::int32 whichAttr, ai::int32* attr) {
  if (attr == nullptr) return kBadParameterErr;
  *attr = 0;
  Art* art = Docs().Find(handle);
  if (art == nullptr) return kBadParameterErr;
  ai::int32 bits = (art->selected ? kArtSelected : 0) | (art->locked ? kArtLocked : 0) |
                   (art->hidden ? kArtHidden : 0) | (FullySelected(*art) ? kArtFullySelected : 0);
  *attr = bits & whichAttr;
  return kNoErr;
}

// Selecting what the rules keep out is refused whole: no bit of the call changes.
AIErr SetArtUserAttr(AIArtHandle handle, ai::int32 whichAttr, ai::int32 attr) {
  Art* art = Docs().Find(handle);
  if (art == nullptr || (whichAttr & ~kSettableAttrs) != 0) return kBadParameterErr;
  bool locked = (whichAttr & kArtLocked) ? (attr & kArtLocked) != 0 : art->locked;
  bool hidden = (whichAttr & kArtHidden) ? (attr & kArtHidden) != 0 : art->hidden;
  bool selected = (whichAttr & kArtSelected) ? (attr & kArtSelected) != 0 : art->selected;
  if (selected && (whichAttr & kArtSelected) && !IsAccessibleWith(*art, locked, hidden)) {
    Docs().lastProblem = "a locked or hidden object, or one on a locked or hidden layer, cannot be selected";
    return kArtNotSelectableErr;
  }
  if (locked != art->locked || hidden != art->hidden) art->layer->document->modified = true;
  art->locked = locked;
  art->hidden = hidden;
  art->selected = selected;
  return kNoErr;
}

}  // namespace

void PublishArtSuites(SuiteRegistry& registry) {
  using L = AILayerSuite;
  registry.Publish(Lend<L>(
      kAILayerSuite, kAILayerSuiteVersion, Fails<&L::CountLayers, CountLayers>(), Fails<&L::GetNthLayer, GetNthLayer>(),
      Fails<&L::GetLayerVisible, GetLayerVisible>(), Fails<&L::SetLayerVisible, SetLayerVisible>(),
      Fails<&L::GetLayerEditable, GetLayerEditable>(), Fails<&L::SetLayerEditable, SetLayerEditable>()));
  using A = AIArtSuite;
  registry.Publish(Lend<A>(kAIArtSuite, kAIArtSuiteVersion, Fails<&A::GetFirstArtOfLayer, GetFirstArtOfLayer>(),
                           Fails<&A::GetArtType, GetArtType>(), Fails<&A::GetArtUserAttr, GetArtUserAttr>(),
                           Fails<&A::SetArtUserAttr, SetArtUserAttr>(), Fails<&A::GetArtFirstChild, GetArtFirstChild>(),
                           Fails<&A::GetArtSibling, GetArtSibling>()));
}

}  // namespace simhost
