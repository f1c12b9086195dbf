// Whether the current document is one the save command can write an updated copy of.
#ifndef KESTRUNE_DOCUMENTELIGIBILITY_H
#define KESTRUNE_DOCUMENTELIGIBILITY_H

#include "AITypes.h"

// Result codes of a document the save command refuses.
constexpr SPErr kUnsavedDocumentErr = AIFourCharCode("UnDC");  // no file, no such file, no cloud name
constexpr SPErr kNotAnAIFileErr = AIFourCharCode("NExt");      // not .ai, or a cloud name not ending in .aic
constexpr SPErr kAlreadyUpdatedErr = AIFourCharCode("PrCP");   // the name carries an updated-copy marker

// 0 for a saved .ai file or a cloud document without a marker in its name, else one
// of the codes above; the checks stop at the first that fails. Expects a current
// document. Host failures are raised as ai::Error.
SPErr CheckDocumentEligibility();

#endif
