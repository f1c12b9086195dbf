// Has the host lay out the current document's text anew.
#ifndef KESTRUNE_RELAYOUTTEXT_H
#define KESTRUNE_RELAYOUTTEXT_H

// Makes every layer visible and editable and every object accessible, selects the
// text frames, moves them one pixel right and back through the host's own move
// event, and then puts layers and objects back as they were.
void RelayoutTextProcess();

#endif
