// The text engine's objects as a plug-in holds them through ATE references: text
// ranges, character feature sets and text frames, each counted, and font references
// counted on the font. A reference is only ever looked up, never trusted.
#ifndef KESTRUNE_SIMHOST_TEXTENGINE_H
#define KESTRUNE_SIMHOST_TEXTENGINE_H

#include <memory>
#include <unordered_map>

#include "ATETypes.h"
#include "documents/ArtTree.h"

namespace simhost {

struct Font;
class Fonts;

struct TextRangeObject {
  Art* frame = nullptr;  // null once its document is closed
  ATETextDOM::Int32 start = 0;
  ATETextDOM::Int32 end = 0;
  int refs = 1;
};

struct CharFeaturesObject {
  Font* font = nullptr;  // null: the characters do not share one font
  int refs = 1;
};

struct TextFrameObject {
  Art* frame = nullptr;
  int refs = 1;
};

class TextEngine {
 public:
  // Each starts with one reference, which the receiver owns.
  TextRangeObject* NewRange(Art* frame);
  CharFeaturesObject* NewFeatures(Font* font);
  TextFrameObject* NewFrame(Art* frame);

  TextRangeObject* FindRange(const void* ref) const { return Find(ranges_, ref); }
  CharFeaturesObject* FindFeatures(const void* ref) const { return Find(features_, ref); }
  TextFrameObject* FindFrame(const void* ref) const { return Find(frames_, ref); }

  // Drops one reference; the object goes with its last. False for an unknown reference.
  bool ReleaseRange(const void* ref) { return Drop(ranges_, ref); }
  bool ReleaseFeatures(const void* ref) { return Drop(features_, ref); }
  bool ReleaseFrame(const void* ref) { return Drop(frames_, ref); }

  // Cuts the objects of a closing document loose from its art.
  void Detach(const Document& document);

  // Live text-engine references a plug-in holds, font references included.
  int liveReferences(const Fonts& fonts) const;
  int liveRanges() const { return Count(ranges_); }
  int liveFeatures() const { return Count(features_); }
  int liveFrames() const { return Count(frames_); }

 private:
  template <typename T>
  using Table = std::unordered_map<const void*, std::unique_ptr<T>>;
  template <typename T>
  static T* Find(const Table<T>& table, const void* ref) {
    auto it = table.find(ref);
    return it == table.end() ? nullptr : it->second.get();
  }
  template <typename T>
  static bool Drop(Table<T>& table, const void* ref) {
    auto it = table.find(ref);
    if (it == table.end()) return false;
    if (--it->second->refs <= 0) table.erase(it);
    return true;
  }
  template <typename T>
  static int Count(const Table<T>& table) {
    int total = 0;
    for (const auto& entry : table) total += entry.second->refs;
    return total;
  }
  Table<TextRangeObject> ranges_;
  Table<CharFeaturesObject> features_;
  Table<TextFrameObject> frames_;
};

}  // namespace simhost

#endif
