// The fonts installed on this computer.
#ifndef KESTRUNE_SIMHOST_OS_INSTALLEDFONTS_H
#define KESTRUNE_SIMHOST_OS_INSTALLEDFONTS_H

#include <string>

namespace simhost {
namespace os {

// True when a font of this PostScript, full or family name is installed; false for "".
bool FontIsInstalled(const std::string& name);

}  // namespace os
}  // namespace simhost

#endif
