// The host operations the plug-in needs that the host's published interface does not
// name; host/README.md lists the names we gave them. The plug-in reaches them only
// through here, so a host interface that names them otherwise changes this file alone.
#ifndef KESTRUNE_HOSTEXTENSIONS_H
#define KESTRUNE_HOSTEXTENSIONS_H

#include "AIDocument.h"
#include "AIRuntime.h"
#include "AITypes.h"
#include "IAIUnicodeString.h"

// The host's user-interface language (1 is Japanese); 0 when the host does not say.
ai::int32 HostUILanguage(const AIRuntimeSuite& runtime);
// True when the current document is a cloud document; false when none is open.
bool CurrentDocumentIsCloud(const AIDocumentSuite& document);
// The current cloud document's name; the host's status when it cannot give one.
AIErr GetCurrentCloudDocumentName(const AIDocumentSuite& document, ai::UnicodeString& name);

#endif
