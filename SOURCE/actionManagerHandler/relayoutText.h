// Has the host lay out the current document's text anew.
#ifndef KESTRUNE_RELAYOUTTEXT_H
#define KESTRUNE_RELAYOUTTEXT_H

#include "AITypes.h"

// Makes every layer visible and editable and every object accessible, selects the
// text frames, moves them one pixel right and back through the host's own move
// event, and then puts layers and objects back as they were. The first host failure
// on the way (a layer, an object, the selection, a move) is returned: the text has
// then not been laid out anew. Layers and objects are put back in every case.
AIErr RelayoutTextProcess();

#endif
