// A document as the host holds it: layers with their art trees, views, its file or
// cloud identity, and the host's rules for selecting and moving art.
#ifndef KESTRUNE_SIMHOST_ARTTREE_H
#define KESTRUNE_SIMHOST_ARTTREE_H

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AIArt.h"
#include "AITypes.h"

namespace simhost {

struct Font;
struct Layer;
struct Document;

// A stretch of a text frame's text set in one font; a null font means the
// characters have no font of their own and take the frame's default font.
struct TextRun {
  std::u16string text;
  Font* font = nullptr;
};

struct Art {
  short type = kPathArt;  // kGroupArt, kPathArt, kTextFrameArt or kLegacyTextArt
  bool locked = false;
  bool hidden = false;
  bool selected = false;
  AIRealPoint position{0, 0};
  Art* parent = nullptr;  // null for a layer's root group
  Layer* layer = nullptr;
  std::vector<std::unique_ptr<Art>> children;  // groups only

  // Text frames.
  ai::int32 kind = 0;  // 0 point, 1 in-path, 2 on-path text; other values occur
  std::vector<TextRun> runs;
  Font* defaultFont = nullptr;
  std::string layoutVersion;  // "X.Y.Z": the host version that last composed the text

  // Legacy text keeps its text but no fonts the current text engine can read.
  std::u16string legacyText;

  std::u16string Text() const;
  size_t TextLength() const;
  // The font set on the character at a UTF-16 offset itself (null when none).
  Font* LocalFontAt(size_t offset) const;
  // The font the character shows in: its own, else the frame's default.
  Font* EffectiveFontAt(size_t offset) const;
};

struct Layer {
  std::string name;
  bool visible = true;
  bool editable = true;
  std::unique_ptr<Art> root;  // a group holding the layer's art
  Document* document = nullptr;
};

struct View {
  AIRealPoint center{306, 396};
  AIReal zoom = 1.0;
  Document* document = nullptr;
};

typedef std::array<AIReal, 4> Box;  // as a PDF page writes it: left, bottom, right, top

struct Document {
  std::string title;      // "Untitled-1" for a new document; else the file or cloud name
  std::string path;       // full path of its file; empty when it has none
  std::string cloudName;  // non-empty for a cloud document
  bool modified = false;
  std::string creatorVersion;  // "X.Y.Z"
  Box cropBox{{0, 0, 612, 792}};
  Box bleedBox{{0, 0, 612, 792}};
  std::vector<std::unique_ptr<Layer>> layers;
  std::vector<std::unique_ptr<View>> views;
  size_t currentView = 0;

  Layer* AddLayer(const std::string& name);
  View* AddView();
  bool IsCloud() const { return !cloudName.empty(); }
};

// Adds art under a group (or as a layer's first level when parent is the root).
Art* AddChild(Art* group, std::unique_ptr<Art> child);

// Pre-order over every object of the document, root groups included.
void ForEachArt(const Document& document, const std::function<void(Art&)>& visit);

// The host's rules: an object can be selected or moved only when it, every group
// it stands in and its layer are neither locked nor hidden (layer: visible and editable).
bool IsAccessible(const Art& art);
// Whether the object could be selected if its own lock and hide bits were these.
bool IsAccessibleWith(const Art& art, bool locked, bool hidden);

// Moves every selected, accessible object by (dx, dy); a moved group carries its
// accessible contents along. Moved text frames are composed anew and take
// composerVersion as their layout version. Returns the number of objects moved.
int MoveSelection(Document& document, AIReal dx, AIReal dy, const std::string& composerVersion);

}  // namespace simhost

#endif
