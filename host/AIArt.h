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
  AIAPI AIErr (*NewArt)(ai::int16 type, ai::int16 paintOrder, AIArtHandle prep, AIArtHandle* newArt);
  AIAPI AIErr (*DisposeArt)(AIArtHandle art);
  AIAPI AIErr (*ReorderArt)(AIArtHandle art, ai::int16 paintOrder, AIArtHandle prep);
  AIAPI AIErr (*DuplicateArt)(AIArtHandle art, ai::int16 paintOrder, AIArtHandle prep, AIArtHandle* newArt);
  // 0 and the layer's root group in *art.
  AIAPI AIErr (*GetFirstArtOfLayer)(AILayerHandle layer, AIArtHandle* art);
  AIAPI AIErr (*GetLayerOfArt)(AIArtHandle art, AILayerHandle* layer);
  // 0 and the object's kind (an AIArtType) in *type.
  AIAPI AIErr (*GetArtType)(AIArtHandle art, short* type);
  // 0 and the bits of whichAttr the object has in *attr.
  AIAPI AIErr (*GetArtUserAttr)(AIArtHandle art, ai::int32 whichAttr, ai::int32* attr);
  // 0 once the bits of whichAttr are those of attr; a status when the host refuses them.
  AIAPI AIErr (*SetArtUserAttr)(AIArtHandle art, ai::int32 whichAttr, ai::int32 attr);
  AIAPI AIErr (*GetArtParent)(AIArtHandle art, AIArtHandle* parent);
  // 0 and the first child in *child, null when there is none.
  AIAPI AIErr (*GetArtFirstChild)(AIArtHandle art, AIArtHandle* child);
  // 0 and the next object in *sibling, null after the last one.
  AIAPI AIErr (*GetArtSibling)(AIArtHandle art, AIArtHandle* sibling);
} AIArtSuite;

#endif
