// The one way tests reach the plug-in's private record: read-only, as the host keeps it
// in its globals slot. No test writes into it; a test brings the plug-in into a state
// through the host (menus, timer ticks, documents, answers) and reads what it made of it.
#ifndef KESTRUNE_TESTS_PLUGINRECORD_H
#define KESTRUNE_TESTS_PLUGINRECORD_H

#include "core/Host.h"
#include "shellMain/PluginGlobals.h"

namespace testing_support {

// Null before start-up and after shut-down.
inline const PluginGlobals* PluginRecord(const simhost::Host& host) {
  return static_cast<const PluginGlobals*>(host.globalsSlot());
}

}  // namespace testing_support

#endif
