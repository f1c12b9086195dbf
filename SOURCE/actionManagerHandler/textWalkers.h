// Walks over a document's art tree: fonts that are missing, legacy text, and the
// selection of text frames for a new layout.
#ifndef KESTRUNE_TEXTWALKERS_H
#define KESTRUNE_TEXTWALKERS_H

#include "AIArt.h"
#include "AIFont.h"
#include "AILayer.h"
#include "pluginHandler/AISuiteVariables.h"

// An object whose lock or hide bits were cleared for the new layout.
struct CP_OBJECT_STATUS {
  AIArtHandle art;  // refreshed after the layout by its place in the walk
  ai::int32 attr;   // its lock and hide bits before they were cleared; never 0
  ai::int32 index;  // its place in the walk, counted from 0 over all layers
};

constexpr ai::int32 kMaxMissingFonts = 20;
constexpr ai::int32 kLockAndHideMask = kArtLocked | kArtHidden;
constexpr ai::int32 kSelectionMask = kArtSelected;

// The walkers raise ai::Error with the host's status when a query or change of the
// art fails, or kOutOfMemoryErr when a list cannot grow; what they did before stays.
void FontCheckProcess(AIArtHandle art, AIFontKey** missingFonts, ai::int32* missingFontCount,
                      ai::int32* textFrameCount);
void LegacyTextCheckProcess(AIArtHandle art, ai::int32* legacyTextCount);
void SelectTextProcess(AIArtHandle art, CP_OBJECT_STATUS** records, ai::int32* recordCount, ai::int32* position);
void CorrectObjectProcess(AIArtHandle art, CP_OBJECT_STATUS* records, ai::int32 recordCount, ai::int32* position);

// Calls visit(rootGroup) for each layer of the current document, first to last.
// A layer the host cannot give raises ai::Error with its status: a walk over part of
// the document would judge it on what it did not see.
template <typename Visit>
void WalkDocumentLayers(Visit visit) {
  if (sLayer == nullptr || sArt == nullptr) throw ai::Error(kCantHappenErr);
  ai::int32 count = 0;
  if (AIErr error = sLayer->CountLayers(&count)) throw ai::Error(error);
  for (ai::int32 i = 0; i < count; ++i) {
    AILayerHandle layer = nullptr;
    if (AIErr error = sLayer->GetNthLayer(i, &layer)) throw ai::Error(error);
    if (layer == nullptr) throw ai::Error(kBadParameterErr);
    AIArtHandle root = nullptr;
    if (AIErr error = sArt->GetFirstArtOfLayer(layer, &root)) throw ai::Error(error);
    visit(root);
  }
}

#endif
