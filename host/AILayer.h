#ifndef KESTRUNE_HOST_AILAYER_H
#define KESTRUNE_HOST_AILAYER_H

#include "AITypes.h"

#define kAILayerSuite "AI Layer Suite"
#define kAILayerSuiteVersion AIAPI_VERSION(13)

typedef struct {
  AIAPI AIErr (*CountLayers)(ai::int32* count);
  AIAPI AIErr (*GetNthLayer)(ai::int32 n, AILayerHandle* layer);  // 0 is the topmost layer
  AIAPI AIErr (*GetLayerVisible)(AILayerHandle layer, AIBoolean* visible);
  AIAPI AIErr (*SetLayerVisible)(AILayerHandle layer, AIBoolean visible);
  AIAPI AIErr (*GetLayerEditable)(AILayerHandle layer, AIBoolean* editable);
  AIAPI AIErr (*SetLayerEditable)(AILayerHandle layer, AIBoolean editable);
} AILayerSuite;

#endif
