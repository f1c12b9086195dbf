#include "Texts.h"

#include <cstdio>

#include "shellMain/PluginGlobals.h"

namespace {

// In table order of TextId: the Japanese texts as the build writes them from Texts.def,
// in Shift-JIS, and the English ones as Texts.def has them.
const char* const kJapanese[] = {
#include "common/TextsShiftJIS.inc"
};
const char* const kEnglish[] = {
#define KSR_TEXT(id, kind, japanese, english) english,
#include "common/Texts.def"
#undef KSR_TEXT
};
static_assert(sizeof(kJapanese) / sizeof(kJapanese[0]) == static_cast<size_t>(TextId::kTextCount),
              "one Japanese text per TextId");

enum class Kind { Plain, Count, Format };
const Kind kKinds[] = {
#define KSR_TEXT(id, kind, japanese, english) Kind::kind,
#include "common/Texts.def"
#undef KSR_TEXT
};

}  // namespace

const char* TextFor(TextId id, ai::int32 language) {
  size_t index = static_cast<size_t>(id);
  if (index >= static_cast<size_t>(TextId::kTextCount)) return "";
  return language == kJapaneseLanguage ? kJapanese[index] : kEnglish[index];
}

const char* Text(TextId id) { return TextFor(id, g != nullptr ? g->appLanguage : 0); }

bool TextTakesCount(TextId id) {
  size_t index = static_cast<size_t>(id);
  return index < static_cast<size_t>(TextId::kTextCount) && kKinds[index] == Kind::Count;
}

bool FormatCountText(char* field, size_t capacity, TextId id, ai::int32 count) {
  if (field == nullptr || capacity == 0) return false;
  field[0] = 0;
  if (!TextTakesCount(id)) return false;
  int written = std::snprintf(field, capacity, Text(id), static_cast<int>(count));
  if (written < 0 || static_cast<size_t>(written) >= capacity) {
    field[0] = 0;
    return false;
  }
  return true;
}
