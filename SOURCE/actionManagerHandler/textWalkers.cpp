#include "textWalkers.h"

#include "AITextFrame.h"
#include "IText.h"
#include "common/Heap.h"
#include "pluginHandler/Suites.h"

namespace {

constexpr ATETextDOM::Unicode kIdeographicSpace = 0x3000;

// A query the host cannot answer leaves the walk without a true picture of the
// document: it raises the host's status rather than guessing "nothing", so that a
// document is never judged, or laid out, on half a walk.
void Check(AIErr error) {
  if (error != kNoErr) throw ai::Error(error);
}

short TypeOf(AIArtHandle art) {
  short type = kUnknownArt;
  if (art == nullptr) return kUnknownArt;
  Check(sArt->GetArtType(art, &type));
  return type;
}

AIArtHandle FirstChild(AIArtHandle art) {
  AIArtHandle child = nullptr;
  Check(sArt->GetArtFirstChild(art, &child));
  return child;
}

AIArtHandle NextSibling(AIArtHandle art) {
  AIArtHandle sibling = nullptr;
  Check(sArt->GetArtSibling(art, &sibling));
  return sibling;
}

ai::int32 UserAttr(AIArtHandle art, ai::int32 mask) {
  ai::int32 bits = 0;
  Check(sArt->GetArtUserAttr(art, mask, &bits));
  return bits & mask;
}

// Kinds 0, 1 and 2 are the frames whose text is examined and laid out; the kind is
// compared unsigned, so a negative one is another kind.
bool IsProcessedFrame(AIArtHandle art) {
  AITextFrameType kind = kUnknownTextType;
  Check(Require(sAITextFrame).GetType(art, &kind));
  return static_cast<ai::uint32>(kind) <= 2;
}

template <typename Visit>
void ForEachChild(AIArtHandle group, Visit visit) {
  for (AIArtHandle child = FirstChild(group); child != nullptr; child = NextSibling(child)) visit(child);
}

// The font key of the character the range is narrowed to. A font the host cannot
// name or describe could be a missing one, so its failure ends the check.
AIFontKey FontKeyOf(ATE::ITextRange& character) {
  ATE::ICharFeatures local = character.GetUniqueLocalCharFeatures();
  ATE::ICharFeatures full = character.GetUniqueCharFeatures();
  bool assigned = false;
  ATE::IFont font = local.IsNull() ? ATE::IFont() : local.GetFont(&assigned);
  if (font.IsNull() && !full.IsNull()) font = full.GetFont(&assigned);
  AIFontKey key = nullptr;
  Check(Require(sAIFont).FontKeyFromFont(font.GetRef(), &key));
  return key;
}

bool IsMissing(AIFontKey key) {
  AIFontStyle style{};
  Check(sAIFont->GetFontInfo(key, &style));
  return style.fauxedInstalled != 0;
}

void AddMissingFont(AIFontKey key, AIFontKey** list, ai::int32* count) {
  for (ai::int32 i = 0; i < *count; ++i)
    if ((*list)[i] == key) return;
  if (*count >= kMaxMissingFonts) return;
  AIFontKey* grown = GrowByOne(*list, *count);
  if (grown == nullptr) throw ai::Error(kOutOfMemoryErr);  // an unlisted font would pass as installed
  *list = grown;
  grown[*count] = key;
  ++*count;
}

void CheckFrameFonts(AIArtHandle frame, AIFontKey** list, ai::int32* count) {
  TextRangeRef ref = nullptr;
  AIErr error = Require(sAITextFrame).GetATETextRange(frame, &ref);
  if (error != kNoErr) throw ai::Error(error);
  ATE::ITextRange range(ref);
  const ATETextDOM::Int32 start = range.GetStart();
  const ATETextDOM::Int32 end = start + range.GetSize();
  for (ATETextDOM::Int32 p = start; p < end; ++p) {
    range.SetRange(p, p + 1);
    ATETextDOM::Unicode unit = 0;
    range.GetContents(&unit, 1);
    if (unit <= 32 || unit == kIdeographicSpace) continue;
    AIFontKey key = FontKeyOf(range);
    if (IsMissing(key)) AddMissingFont(key, list, count);
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
      ForEachChild(art,
                   [&](AIArtHandle child) { FontCheckProcess(child, missingFonts, missingFontCount, textFrameCount); });
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
    // Without a record the bits could not be given back: they stay, and the walk
    // ends, since the object's text could not be laid out.
    CP_OBJECT_STATUS* grown = GrowByOne(*records, *recordCount);
    if (grown == nullptr) throw ai::Error(kOutOfMemoryErr);
    *records = grown;
    grown[*recordCount] = CP_OBJECT_STATUS{art, bits, *position};
    ++*recordCount;
    Check(sArt->SetArtUserAttr(art, kLockAndHideMask, 0));
  }
  ++*position;
  switch (TypeOf(art)) {
    case kTextFrameArt:
      if (IsProcessedFrame(art)) {
        Check(sArt->SetArtUserAttr(art, kSelectionMask, kArtSelected));
        return;
      }
      break;
    case kGroupArt:
      ForEachChild(art, [&](AIArtHandle child) { SelectTextProcess(child, records, recordCount, position); });
      break;
    default:
      break;
  }
  Check(sArt->SetArtUserAttr(art, kSelectionMask, 0));
}

void CorrectObjectProcess(AIArtHandle art, CP_OBJECT_STATUS* records, ai::int32 recordCount, ai::int32* position) {
  if (art == nullptr) return;
  for (ai::int32 i = 0; i < recordCount; ++i)
    if (records[i].index == *position) records[i].art = art;
  ++*position;
  if (TypeOf(art) == kGroupArt)
    ForEachChild(art, [&](AIArtHandle child) { CorrectObjectProcess(child, records, recordCount, position); });
}
