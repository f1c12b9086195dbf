// What the document commands share: the fonts this computer has (the system's, then
// --installed-font and --missing-font), the host version as text, and the way a
// failed document operation is reported.
#ifndef KESTRUNE_SIMHOST_CLI_DOCUMENTOPTIONS_H
#define KESTRUNE_SIMHOST_CLI_DOCUMENTOPTIONS_H

#include <string>

#include "program/Cli.h"

namespace simhost {
class Fonts;
}

namespace cli {

// Fonts are installed as the system finds them (by PostScript, family or full
// name); the options override it, --missing-font winning over --installed-font.
void ApplyFontOptions(simhost::Fonts& fonts, const Options& options);

std::string VersionText(const simhost::HostConfig& config);

// A host with the plug-in started and FILE open as the current document (the
// notifications sent); null, with the reason printed, when either fails.
std::unique_ptr<simhost::Host> StartWithDocument(const Options& options, const std::string& file);

// Prints "kestrune-host: WHAT: PROBLEM (CODE 0x...)" to standard error.
void ReportFailure(const std::string& what, const std::string& problem, AIErr status);

}  // namespace cli

#endif
