#include "os/InstalledFonts.h"

#include <fontconfig/fontconfig.h>

namespace simhost {
namespace os {
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

bool FontIsInstalled(const std::string& name) {
  if (name.empty() || !gFontconfig.Start()) return false;
  return ListsAny(FC_POSTSCRIPT_NAME, name) || ListsAny(FC_FULLNAME, name) || ListsAny(FC_FAMILY, name);
}

}  // namespace os
}  // namespace simhost
