// Exceptions never reach the host: where one is caught it becomes a status.
#ifndef KESTRUNE_EXCEPTIONSTATUS_H
#define KESTRUNE_EXCEPTIONSTATUS_H

#include "AITypes.h"

// The text-engine wrappers carry a small engine code, not a host status; they all
// become this one status, which the error alert shows as "ATE!".
constexpr SPErr kTextEngineErr = AIFourCharCode("ATE!");

// The status for the exception being handled (call from inside a catch block):
// ai::Error gives the host status it carries, ATE::Exception kTextEngineErr, an
// allocation failure kOutOfMemoryErr, anything else kCantHappenErr.
SPErr StatusOfCurrentException();

#endif
