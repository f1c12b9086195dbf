// Art: the art tree of the current document and per-object attribute bits.
#ifndef KESTRUNE_HOST_AIART_H
#define KESTRUNE_HOST_AIART_H

#include "AITypes.h"

#define kAIArtSuite "AI Art Suite"
#define kAIArtSuiteVersion AIAPI_VERSION(21)

enum AIArtType {
  kAnyArt = -1,
  kUnknownArt = 0,
  kGroupArt = 1,
  kPathArt = 2,
  kCompoundPathArt = 3,
  kPlacedArt = 7,
  kRasterArt = 9,
  kPluginArt = 10,
  kMeshArt = 11,
  kTextFrameArt = 12,
  kSymbolArt = 13,
  kForeignArt = 14,
  kLegacyTextArt = 15,
  kChartArt = 16
};

enum AIArtUserAttr {
  kArtSelected = 0x00000001,
  kArtLocked = 0x00000002,
  kArtHidden = 0x00000004,
  kArtFullySelected = 0x00000008
};

typedef struct AIArtSuite {
  AIAPI AIErr (*GetFirstArtOfLayer)(AILayerHandle layer, AIArtHandle* art);
  AIAPI AIErr (*GetArtType)(AIArtHandle art, short* type);
  AIAPI AIErr (*GetArtFirstChild)(AIArtHandle art, AIArtHandle* child);  // null when there is none
  AIAPI AIErr (*GetArtSibling)(AIArtHandle art, AIArtHandle* sibling);   // null after the last one
  AIAPI AIErr (*GetArtUserAttr)(AIArtHandle art, ai::int32 whichAttr, ai::int32* attr);
  AIAPI AIErr (*SetArtUserAttr)(AIArtHandle art, ai::int32 whichAttr, ai::int32 attr);
} AIArtSuite;

#endif
