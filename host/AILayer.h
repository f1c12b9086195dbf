// Layer: the current document's layers and their visible and editable flags.
#ifndef KESTRUNE_HOST_AILAYER_H
#define KESTRUNE_HOST_AILAYER_H

#include "AITypes.h"
#include "IAIUnicodeString.h"

#define kAILayerSuite "AI Layer Suite"
#define kAILayerSuiteVersion AIAPI_VERSION(13)

typedef struct {
  // 0 and the number of layers of the current document in *count.
  AIAPI AIErr (*CountLayers)(ai::int32* count);
  // 0 and the nth layer in *layer, 0 being the topmost.
  AIAPI AIErr (*GetNthLayer)(ai::int32 n, AILayerHandle* layer);
  AIAPI AIErr (*GetCurrentLayer)(AILayerHandle* layer);
  AIAPI AIErr (*SetCurrentLayer)(AILayerHandle layer);
  AIAPI AIErr (*GetFirstLayer)(AILayerHandle* first);
  AIAPI AIErr (*GetNextLayer)(AILayerHandle prev, AILayerHandle* next);
  AIAPI AIErr (*InsertLayer)(AILayerHandle layer, ai::int16 paintOrder, AILayerHandle* newLayer);
  AIAPI AIErr (*DeleteLayer)(AILayerHandle layer);
  AIAPI AIErr (*GetLayerTitle)(AILayerHandle layer, ai::UnicodeString& title);
  AIAPI AIErr (*SetLayerTitle)(AILayerHandle layer, const ai::UnicodeString& newTitle);
  AIAPI AIErr (*GetLayerColor)(AILayerHandle layer, AIRGBColor* color);
  AIAPI AIErr (*SetLayerColor)(AILayerHandle layer, AIRGBColor color);
  // 0 and whether the layer is shown in *visible.
  AIAPI AIErr (*GetLayerVisible)(AILayerHandle layer, AIBoolean* visible);
  // 0 once the layer is shown or hidden.
  AIAPI AIErr (*SetLayerVisible)(AILayerHandle layer, AIBoolean visible);
  AIAPI AIErr (*GetLayerPreview)(AILayerHandle layer, AIBoolean* preview);
  AIAPI AIErr (*SetLayerPreview)(AILayerHandle layer, AIBoolean preview);
  // 0 and whether the layer can be edited in *editable.
  AIAPI AIErr (*GetLayerEditable)(AILayerHandle layer, AIBoolean* editable);
  // 0 once the layer is unlocked or locked.
  AIAPI AIErr (*SetLayerEditable)(AILayerHandle layer, AIBoolean editable);
} AILayerSuite;

#endif
