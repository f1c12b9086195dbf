#include "textWalkers.h"

#include "AITextFrame.h"
#include "IText.h"
#include "common/Heap.h"
#include "pluginHandler/Suites.h"

namespace {

constexpr ATE::ATETextDOM::Unicode kIdeographicSpace = 0x3000;

// A failed query answers "nothing": no type, no child, no sibling, no bits.
short TypeOf(AIArtHandle art) {
  short type = kUnknownArt;
  if (art == nullptr || sArt->GetArtType(art, &type) != kNoErr) return kUnknownArt;
  return type;
}

AIArtHandle FirstChild(AIArtHandle art) {
  AIArtHandle child = nullptr;
  return sArt->GetArtFirstChild(art, &child) == kNoErr ? child : nullptr;
}

AIArtHandle NextSibling(AIArtHandle art) {
  AIArtHandle sibling = nullptr;
  return sArt->GetArtSibling(art, &sibling) == kNoErr ? sibling : nullptr;
}

ai::int32 UserAttr(AIArtHandle art, ai::int32 mask) {
  ai::int32 bits = 0;
  return sArt->GetArtUserAttr(art, mask, &bits) == kNoErr ? (bits & mask) : 0;
}

// Kinds 0, 1 and 2 are the frames whose text is examined and laid out; the kind is
// compared unsigned, so a negative one is another kind.
bool IsProcessedFrame(AIArtHandle art) {
  AITextFrameType kind = kUnknownTextType;
  if (Require(sAITextFrame).GetType(art, &kind) != kNoErr) return false;
  return static_cast<ai::uint32>(kind) <= 2;
}

template <typename Visit>
void ForEachChild(AIArtHandle group, Visit visit) {
  for (AIArtHandle child = FirstChild(group); child != nullptr; child = NextSibling(child)) visit(child);
}

// The font key of the character the range is narrowed to, or null when the host
// cannot say.
AIFontKey FontKeyOf(ATE::ITextRange& character) {
  ATE::ICharFeatures local = character.GetUniqueLocalCharFeatures();
  ATE::ICharFeatures full = character.GetUniqueCharFeatures();
  bool assigned = false;
  ATE::IFont font = local.IsNull() ? ATE::IFont() : local.GetFont(&assigned);
  if (font.IsNull() && !full.IsNull()) font = full.GetFont(&assigned);
  AIFontKey key = nullptr;
  if (Require(sAIFont).FontKeyFromFont(font.GetRef(), &key) != kNoErr) return nullptr;
  return key;
}

bool IsMissing(AIFontKey key) {
  AIFontStyle style{};
  if (sAIFont->GetFontInfo(key, &style) != kNoErr) return false;
  return style.fauxedInstalled != 0;
}

void AddMissingFont(AIFontKey key, AIFontKey** list, ai::int32* count) {
  for (ai::int32 i = 0; i < *count; ++i)
    if ((*list)[i] == key) return;
  if (*count >= kMaxMissingFonts) return;
  AIFontKey* grown = GrowByOne(*list, *count);
  if (grown == nullptr) return;  // out of memory: the list keeps what it has
  *list = grown;
  grown[*count] = key;
  ++*count;
}

void CheckFrameFonts(AIArtHandle frame, AIFontKey** list, ai::int32* count) {
  TextRangeRef ref = nullptr;
  AIErr error = Require(sAITextFrame).GetATETextRange(frame, &ref);
  if (error != kNoErr) throw ai::Error(error);
  ATE::ITextRange range(ref);
  const ATE::ATETextDOM::Int32 start = range.GetStart();
  const ATE::ATETextDOM::Int32 end = start + range.GetSize();
  for (ATE::ATETextDOM::Int32 p = start; p < end; ++p) {
    range.SetRange(p, p + 1);
    ATE::ATETextDOM::Unicode unit = 0;
    range.GetContents(&unit, 1);
    if (unit <= 32 || unit == kIdeographicSpace) continue;
    AIFontKey key = FontKeyOf(range);
    if (key != nullptr && IsMissing(key)) AddMissingFont(key, list, count);
  }
}

}  // namespace

void FontCheckProcess(AIArtHandle art, AIFontKey** missingFonts, ai::int32* missingFontCount,
                      ai::int32* textFrameCount) {
  switch (TypeOf(art)) {
    case kTextFrameArt:
      if (!IsProcessedFrame(art)) return;
      CheckFrameFonts(art, missingFonts, missingFontCount);
      ++*textFrameCount;
      return;
    case kGroupArt:
      ForEachChild(art, [&](AIArtHandle child) {
        FontCheckProcess(child, missingFonts, missingFontCount, textFrameCount);
      });
      return;
    default:
      return;
  }
}

void LegacyTextCheckProcess(AIArtHandle art, ai::int32* legacyTextCount) {
  switch (TypeOf(art)) {
    case kLegacyTextArt:
      ++*legacyTextCount;
      return;
    case kGroupArt:
      ForEachChild(art, [&](AIArtHandle child) { LegacyTextCheckProcess(child, legacyTextCount); });
      return;
    default:
      return;
  }
}

void SelectTextProcess(AIArtHandle art, CP_OBJECT_STATUS** records, ai::int32* recordCount, ai::int32* position) {
  if (art == nullptr) return;
  const ai::int32 bits = UserAttr(art, kLockAndHideMask);
  if (bits != 0) {
    // Without a record the bits could not be given back: then they stay as they are.
    CP_OBJECT_STATUS* grown = GrowByOne(*records, *recordCount);
    if (grown != nullptr) {
      *records = grown;
      grown[*recordCount] = CP_OBJECT_STATUS{art, bits, *position};
      ++*recordCount;
      sArt->SetArtUserAttr(art, kLockAndHideMask, 0);
    }
  }
  ++*position;
  switch (TypeOf(art)) {
    case kTextFrameArt:
      if (IsProcessedFrame(art)) {
        sArt->SetArtUserAttr(art, kSelectionMask, kArtSelected);
        return;
      }
      break;
    case kGroupArt:
      ForEachChild(art, [&](AIArtHandle child) { SelectTextProcess(child, records, recordCount, position); });
      break;
    default:
      break;
  }
  sArt->SetArtUserAttr(art, kSelectionMask, 0);
}

void CorrectObjectProcess(AIArtHandle art, CP_OBJECT_STATUS* records, ai::int32 recordCount, ai::int32* position) {
  if (art == nullptr) return;
  for (ai::int32 i = 0; i < recordCount; ++i)
    if (records[i].index == *position) records[i].art = art;
  ++*position;
  if (TypeOf(art) == kGroupArt)
    ForEachChild(art, [&](AIArtHandle child) { CorrectObjectProcess(child, records, recordCount, position); });
}
