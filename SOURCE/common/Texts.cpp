#include "Texts.h"

#include "shellMain/PluginGlobals.h"

namespace {

struct TextPair {
  const char* japanese;  // Shift-JIS
  const char* english;
};

// In table order of TextId.
const TextPair kTexts[] = {
    // 文字位置情報を保存
    {"\x95\xB6\x8E\x9A\x88\xCA\x92\x75\x8F\xEE\x95\xF1\x82\xF0\x95\xDB\x91\xB6",
     "Save with updated text layout information"},
    // 別名で保存...
    {"\x95\xCA\x96\xBC\x82\xC5\x95\xDB\x91\xB6...", "Save as..."},
    // 一括更新...
    {"\x88\xEA\x8A\x87\x8D\x58\x90\x56...", "Bulk update..."},
    // 一括更新 (サブフォルダを含む)...
    {"\x88\xEA\x8A\x87\x8D\x58\x90\x56 (\x83\x54\x83\x75\x83\x74\x83\x48\x83\x8B\x83\x5F\x82\xF0\x8A\xDC\x82\xDE)...",
     "Bulk update (Recursive subfolders)..."},
    // 文字位置情報を更新して別名で保存
    {"\x95\xB6\x8E\x9A\x88\xCA\x92\x75\x8F\xEE\x95\xF1\x82\xF0\x8D\x58\x90\x56\x82\xB5\x82\xC4\x95\xCA\x96\xBC\x82\xC5"
     "\x95\xDB\x91\xB6",
     "Save with updated text layout information"},
};

static_assert(sizeof(kTexts) / sizeof(kTexts[0]) == static_cast<size_t>(TextId::kTextCount),
              "one text pair per TextId");

}  // namespace

const char* TextFor(TextId id, ai::int32 language) {
  const TextPair& pair = kTexts[static_cast<size_t>(id)];
  return language == 1 ? pair.japanese : pair.english;
}

const char* Text(TextId id) { return TextFor(id, g != nullptr ? g->appLanguage : 0); }
