// The fonts the host knows, each with a flag saying whether it is installed on this
// computer. A font stays known for the host's life, so its key never dangles.
#ifndef KESTRUNE_SIMHOST_FONTS_H
#define KESTRUNE_SIMHOST_FONTS_H

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace simhost {

struct Font {
  std::string name;  // as documents name it (a PostScript name, e.g. "DejaVuSans")
  bool installed = true;
  int textEngineRefs = 0;  // references handed out as ATE font refs and not yet released
};

class Fonts {
 public:
  // Decides for a font met for the first time; without one every font counts as
  // installed. The program asks fontconfig.
  std::function<bool(const std::string& name)> probe;

  // The font of that name, made known (and probed) on first use. Empty names have no font.
  Font* Get(const std::string& name);
  Font* Find(const std::string& name) const;
  // Overrides the probe, before or after the font is first met.
  void SetInstalled(const std::string& name, bool installed);
  // Whether the pointer is a font of this host (for handles coming back from a plug-in).
  bool Owns(const void* font) const;
  int outstandingRefs() const;
  const std::map<std::string, std::unique_ptr<Font>>& all() const { return fonts_; }

 private:
  std::map<std::string, std::unique_ptr<Font>> fonts_;
};

}  // namespace simhost

#endif
