#include "relayoutText.h"

#include "AIActionManager.h"
#include "AIDocument.h"
#include "common/Heap.h"
#include "pluginHandler/Suites.h"
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

void Move(AIReal horizontal) {
  AIActionParamValueRef block = nullptr;
  if (sActionManager->AINewActionParamValue(&block) != kNoErr || block == nullptr) return;
  sActionManager->AIActionSetUnitReal(block, kHorizontalKey, kPixelUnit, horizontal);
  sActionManager->AIActionSetUnitReal(block, kVerticalKey, kPixelUnit, 0.0);
  sActionManager->AIActionSetBoolean(block, kVerticalKey, false);
  sActionManager->PlayActionEvent(kMoveEvent, kDialogOff, block);
  sActionManager->AIDeleteActionParamValue(block);
}

// Calls visit(index, layer) for each layer below count, stopping at the first that
// cannot be fetched.
template <typename Visit>
void ForEachLayer(ai::int32 count, Visit visit) {
  for (ai::int32 i = 0; i < count; ++i) {
    AILayerHandle layer = nullptr;
    if (sLayer->GetNthLayer(i, &layer) != kNoErr || layer == nullptr) return;
    visit(i, layer);
  }
}

AIArtHandle RootOf(AILayerHandle layer) {
  AIArtHandle root = nullptr;
  return sArt->GetFirstArtOfLayer(layer, &root) == kNoErr ? root : nullptr;
}

}  // namespace

void RelayoutTextProcess() {
  const AIDocumentSuite& document = Require(sDocument);
  Require(sLayer);
  Require(sArt);
  Require(sActionManager);
  Require(sAITextFrame);

  CP_OBJECT_STATUS* records = nullptr;
  ai::int32 recordCount = 0;
  ai::int32 position = 0;
  document.SyncDocument();

  ai::int32 layerCount = 0;
  if (sLayer->CountLayers(&layerCount) != kNoErr || layerCount < 0) layerCount = 0;
  // Without room to remember the layers' flags they are left alone: text on a
  // hidden or locked layer then keeps its old layout, but no layer is changed for good.
  LayerFlags* flags =
      layerCount > 0 ? static_cast<LayerFlags*>(HeapResize(nullptr, sizeof(LayerFlags) * layerCount)) : nullptr;

  ForEachLayer(layerCount, [&](ai::int32 i, AILayerHandle layer) {
    if (flags != nullptr) {
      AIBoolean visible = true, editable = true;
      sLayer->GetLayerVisible(layer, &visible);
      sLayer->GetLayerEditable(layer, &editable);
      flags[i] = LayerFlags{static_cast<ai::int16>(editable != 0), static_cast<ai::int16>(visible != 0)};
      sLayer->SetLayerVisible(layer, true);
      sLayer->SetLayerEditable(layer, true);
    }
    SelectTextProcess(RootOf(layer), &records, &recordCount, &position);
  });

  document.RedrawDocument();
  Move(1.0);
  Move(-1.0);
  document.RedrawDocument();

  if (records != nullptr) {
    position = 0;
    ForEachLayer(layerCount, [&](ai::int32, AILayerHandle layer) {
      CorrectObjectProcess(RootOf(layer), records, recordCount, &position);
    });
    for (ai::int32 i = recordCount - 1; i >= 0; --i)
      sArt->SetArtUserAttr(records[i].art, kLockAndHideMask, records[i].attr);
    HeapFree(records);
  }

  if (flags != nullptr) {
    ForEachLayer(layerCount, [&](ai::int32 i, AILayerHandle layer) {
      sLayer->SetLayerEditable(layer, flags[i].editable);
      sLayer->SetLayerVisible(layer, flags[i].visible);
    });
    HeapFree(flags);
  }
  document.RedrawDocument();
}
