#include "program/DocumentOptions.h"

#include <fontconfig/fontconfig.h>

#include <cstdio>

#include "documents/Documents.h"
#include "documents/Fonts.h"

namespace cli {
namespace {

// fontconfig holds its configuration and caches until told to let them go.
struct FontconfigSession {
  bool started = false;
  bool Start() { return started || (started = FcInit()); }
  ~FontconfigSession() {
    if (started) FcFini();
  }
};

FontconfigSession gFontconfig;

bool ListsAny(const char* object, const std::string& name) {
  FcPattern* pattern = FcPatternCreate();
  if (pattern == nullptr) return false;
  FcPatternAddString(pattern, object, reinterpret_cast<const FcChar8*>(name.c_str()));
  FcObjectSet* objects = FcObjectSetBuild(FC_FILE, static_cast<char*>(nullptr));
  FcFontSet* found = objects != nullptr ? FcFontList(nullptr, pattern, objects) : nullptr;
  bool any = found != nullptr && found->nfont > 0;
  if (found != nullptr) FcFontSetDestroy(found);
  if (objects != nullptr) FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  return any;
}

}  // namespace

bool FontconfigHasFont(const std::string& name) {
  if (name.empty() || !gFontconfig.Start()) return false;
  return ListsAny(FC_POSTSCRIPT_NAME, name) || ListsAny(FC_FULLNAME, name) || ListsAny(FC_FAMILY, name);
}

void ApplyFontOptions(simhost::Fonts& fonts, const Options& options) {
  fonts.probe = FontconfigHasFont;
  for (const std::string& name : options.installedFonts) fonts.SetInstalled(name, true);
  for (const std::string& name : options.missingFonts) fonts.SetInstalled(name, false);
}

std::string VersionText(const simhost::HostConfig& config) {
  return std::to_string(config.majorVersion) + "." + std::to_string(config.minorVersion) + "." +
         std::to_string(config.revision);
}

std::unique_ptr<simhost::Host> StartWithDocument(const Options& options, const std::string& file) {
  std::unique_ptr<simhost::Host> host = MakeHost(options, false);
  if (!StartPlugin(*host, options)) return nullptr;
  if (AIErr err = host->documents().Open(file)) {
    ReportFailure(file, "cannot open: " + host->documents().lastProblem, err);
    host->Shutdown();
    return nullptr;
  }
  return host;
}

void ReportFailure(const std::string& what, const std::string& problem, AIErr status) {
  std::fprintf(stderr, "kestrune-host: %s: %s (%s)\n", what.c_str(), problem.c_str(), FourCharText(status).c_str());
}

}  // namespace cli
