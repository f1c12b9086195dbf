#include "relayoutText.h"

#include "AIActionManager.h"
#include "AIDocument.h"
#include "common/Heap.h"
#include "pluginHandler/ParamBlock.h"
#include "pluginHandler/Suites.h"
#include "shellMain/ExceptionStatus.h"
#include "textWalkers.h"

namespace {

constexpr ActionParamKeyID kHorizontalKey = static_cast<ActionParamKeyID>(AIFourCharCode("hozn"));
constexpr ActionParamKeyID kVerticalKey = static_cast<ActionParamKeyID>(AIFourCharCode("vtcl"));
constexpr ActionParamUnitID kPixelUnit = static_cast<ActionParamUnitID>(AIFourCharCode("#Pxl"));
constexpr const char* kMoveEvent = "adobe_move";

struct LayerFlags {
  ai::int16 editable;
  ai::int16 visible;
};

AIErr Move(AIReal horizontal) {
  ParamBlock block;
  if (AIErr error = block.Make()) return error;
  sActionManager->AIActionSetUnitReal(block.get(), kHorizontalKey, kPixelUnit, horizontal);
  sActionManager->AIActionSetUnitReal(block.get(), kVerticalKey, kPixelUnit, 0.0);
  sActionManager->AIActionSetBoolean(block.get(), kVerticalKey, false);
  return sActionManager->PlayActionEvent(kMoveEvent, kDialogOff, block.get());
}

// The first failure of the pass is the one reported; later ones only add to it.
void Note(AIErr* first, AIErr error) {
  if (*first == kNoErr) *first = error;
}

// Calls visit(index, layer) for each layer below count, stopping at the first that
// cannot be fetched (noted as a failure).
template <typename Visit>
void ForEachLayer(ai::int32 count, AIErr* failure, Visit visit) {
  for (ai::int32 i = 0; i < count; ++i) {
    AILayerHandle layer = nullptr;
    AIErr error = sLayer->GetNthLayer(i, &layer);
    if (error != kNoErr || layer == nullptr) {
      Note(failure, error != kNoErr ? error : kBadParameterErr);
      return;
    }
    visit(i, layer);
  }
}

AIArtHandle RootOf(AILayerHandle layer, AIErr* failure) {
  AIArtHandle root = nullptr;
  AIErr error = sArt->GetFirstArtOfLayer(layer, &root);
  if (error != kNoErr) Note(failure, error);
  return error == kNoErr ? root : nullptr;
}

// Runs a walker, turning what it raises into a noted failure.
template <typename Walk>
void Guarded(AIErr* failure, Walk walk) {
  try {
    walk();
  } catch (...) {
    Note(failure, StatusOfCurrentException());
  }
}

}  // namespace

AIErr RelayoutTextProcess() {
  const AIDocumentSuite& document = Require(sDocument);
  Require(sLayer);
  Require(sArt);
  Require(sActionManager);
  Require(sAITextFrame);

  CP_OBJECT_STATUS* records = nullptr;
  ai::int32 recordCount = 0;
  ai::int32 position = 0;
  document.SyncDocument();

  AIErr failure = kNoErr;
  ai::int32 layerCount = 0;
  if (AIErr error = sLayer->CountLayers(&layerCount)) Note(&failure, error);
  if (layerCount < 0) layerCount = 0;
  // Without room to remember the layers' flags they are left alone and the pass
  // fails: text on a hidden or locked layer could not be laid out.
  LayerFlags* flags =
      layerCount > 0 ? static_cast<LayerFlags*>(HeapResize(nullptr, sizeof(LayerFlags) * layerCount)) : nullptr;
  if (layerCount > 0 && flags == nullptr) Note(&failure, kOutOfMemoryErr);

  // Layers already prepared; only they are set back.
  ai::int32 prepared = 0;
  if (failure == kNoErr) {
    ForEachLayer(layerCount, &failure, [&](ai::int32 i, AILayerHandle layer) {
      if (failure != kNoErr) return;
      AIBoolean visible = true, editable = true;
      if (AIErr error = sLayer->GetLayerVisible(layer, &visible)) Note(&failure, error);
      if (AIErr error = sLayer->GetLayerEditable(layer, &editable)) Note(&failure, error);
      if (failure != kNoErr) return;
      flags[i] = LayerFlags{static_cast<ai::int16>(editable != 0), static_cast<ai::int16>(visible != 0)};
      prepared = i + 1;
      if (AIErr error = sLayer->SetLayerVisible(layer, true)) Note(&failure, error);
      if (AIErr error = sLayer->SetLayerEditable(layer, true)) Note(&failure, error);
      AIArtHandle root = RootOf(layer, &failure);
      if (failure != kNoErr) return;
      Guarded(&failure, [&] { SelectTextProcess(root, &records, &recordCount, &position); });
    });
  }

  document.RedrawDocument();
  // Moving a half-prepared selection would lay out only part of the text.
  if (failure == kNoErr) Note(&failure, Move(1.0));
  if (failure == kNoErr) Note(&failure, Move(-1.0));
  document.RedrawDocument();

  if (records != nullptr) {
    position = 0;
    ForEachLayer(layerCount, &failure, [&](ai::int32, AILayerHandle layer) {
      AIArtHandle root = RootOf(layer, &failure);
      Guarded(&failure, [&] { CorrectObjectProcess(root, records, recordCount, &position); });
    });
    for (ai::int32 i = recordCount - 1; i >= 0; --i)
      if (AIErr error = sArt->SetArtUserAttr(records[i].art, kLockAndHideMask, records[i].attr)) Note(&failure, error);
    HeapFree(records);
  }

  if (flags != nullptr) {
    ForEachLayer(prepared, &failure, [&](ai::int32 i, AILayerHandle layer) {
      if (AIErr error = sLayer->SetLayerEditable(layer, flags[i].editable)) Note(&failure, error);
      if (AIErr error = sLayer->SetLayerVisible(layer, flags[i].visible)) Note(&failure, error);
    });
    HeapFree(flags);
  }
  document.RedrawDocument();
  return failure;
}
