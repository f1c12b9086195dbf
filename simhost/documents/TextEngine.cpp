#include "documents/TextEngine.h"

#include "documents/Fonts.h"

namespace simhost {

TextRangeObject* TextEngine::NewRange(Art* frame) {
  auto range = std::make_unique<TextRangeObject>();
  range->frame = frame;
  range->end = static_cast<ATETextDOM::Int32>(frame->TextLength());
  TextRangeObject* made = range.get();
  ranges_.emplace(made, std::move(range));
  return made;
}

CharFeaturesObject* TextEngine::NewFeatures(Font* font) {
  auto features = std::make_unique<CharFeaturesObject>();
  features->font = font;
  CharFeaturesObject* made = features.get();
  features_.emplace(made, std::move(features));
  return made;
}

TextFrameObject* TextEngine::NewFrame(Art* frame) {
  auto object = std::make_unique<TextFrameObject>();
  object->frame = frame;
  TextFrameObject* made = object.get();
  frames_.emplace(made, std::move(object));
  return made;
}

void TextEngine::Detach(const Document& document) {
  auto belongs = [&](const Art* art) {
    return art != nullptr && art->layer != nullptr && art->layer->document == &document;
  };
  for (auto& entry : ranges_)
    if (belongs(entry.second->frame)) entry.second->frame = nullptr;
  for (auto& entry : frames_)
    if (belongs(entry.second->frame)) entry.second->frame = nullptr;
}

int TextEngine::liveReferences(const Fonts& fonts) const {
  return liveRanges() + liveFeatures() + liveFrames() + fonts.outstandingRefs();
}

}  // namespace simhost
