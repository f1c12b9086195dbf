// The suites the application publishes, by name, with the version it publishes each at
// on Windows, in the order it lists them: the simulated host's own list, kept apart
// from what any plug-in asks for, so a plug-in asking for a wrong name or version
// meets the refusal the application gives. Constant, so that every build can hold
// the plug-in's table to it at compile time (tests/pins/SuitePins.cpp).
#ifndef KESTRUNE_SIMHOST_PUBLISHEDSUITES_H
#define KESTRUNE_SIMHOST_PUBLISHEDSUITES_H

#include "AITypes.h"

namespace simhost {

// The application publishes its own suites (names beginning with "AI", and
// "Override AI Color Conversion Suite") at a version 1000 higher on macOS than on
// Windows; the "SP" and "ATE" suites agree.
enum class CatalogPlatform { kWindows, kMacOS };

// The platform whose versions the host's own headers carry: the one the plug-in
// under test was built for.
constexpr CatalogPlatform NativeCatalogPlatform() {
  return AIAPI_VERSION(0) == 1000 ? CatalogPlatform::kMacOS : CatalogPlatform::kWindows;
}

struct PublishedSuite {
  const char* name;
  ai::int32 windowsVersion;
};

// The basic suite comes first: every plug-in is handed it, and may acquire it too.
constexpr PublishedSuite kPublishedSuites[] = {
    {"SP Basic Suite", 4},
    {"SP Blocks Suite", 2},
    {"SP Access Suite", 3},
    {"AI Plugin Suite", 5},
    {"AI MdMemory Suite", 3},
    {"AI Real Math Suite", 5},
    {"AI Fixed Math Suite", 4},
    {"AI Art Suite", 21},
    {"AI Application Suite", 3},
    {"AI User Suite", 21},
    {"AI Runtime Suite", 14},
    {"AI Document Suite", 20},
    {"AI Cloud Document Suite", 1},
    {"AI Document List Suite", 11},
    {"AI Path Suite", 12},
    {"AI Matching Art Suite", 7},
    {"AI Document View Suite", 15},
    {"AI ATE Text Util Suite", 4},
    {"AI Text Frame Suite", 4},
    {"AI Font Suite", 6},
    {"AI Foreign Object Suite", 4},
    {"AIATE Paint Suite", 3},
    {"Override AI Color Conversion Suite", 9},
    {"AI Color Conversion Suite", 10},
    {"AI Art Set Suite", 9},
    {"ATE ApplicationPaint Suite", 1},
    {"ATE CompFont Suite", 1},
    {"ATE CompFontClass Suite", 1},
    {"ATE CompFontClassSet Suite", 1},
    {"ATE CompFontComponent Suite", 1},
    {"ATE CompFontSet Suite", 1},
    {"ATE GlyphRun Suite", 2},
    {"ATE GlyphRunsIterator Suite", 1},
    {"ATE MojiKumi Suite", 1},
    {"ATE MojiKumiSet Suite", 1},
    {"ATE TextFrame Suite", 101},
    {"ATE TextFramesIterator Suite", 1},
    {"ATE TextLine Suite", 2},
    {"ATE TextLinesIterator Suite", 1},
    {"ATE TextResources Suite", 1},
    {"ATE ApplicationTextResources Suite", 2},
    {"ATE DocumentTextResources Suite", 102},
    {"ATE ArrayApplicationPaintRef Suite", 1},
    {"ATE ArrayReal Suite", 1},
    {"ATE ArrayBool Suite", 1},
    {"ATE ArrayInteger Suite", 1},
    {"ATE ArrayLineCapType Suite", 1},
    {"ATE ArrayFigureStyle Suite", 1},
    {"ATE ArrayLineJoinType Suite", 1},
    {"ATE ArrayWariChuJustification Suite", 1},
    {"ATE ArrayStyleRunAlignment Suite", 1},
    {"ATE ArrayAutoKernType Suite", 1},
    {"ATE ArrayBaselineDirection Suite", 1},
    {"ATE ArrayLanguage Suite", 1},
    {"ATE ArrayFontCapsOption Suite", 1},
    {"ATE ArrayFontBaselineOption Suite", 1},
    {"ATE ArrayParagraphJustification Suite", 1},
    {"ATE ArrayArrayReal Suite", 1},
    {"ATE ArrayBurasagariType Suite", 1},
    {"ATE ArrayPreferredKinsokuOrder Suite", 1},
    {"ATE ArrayKinsokuRef Suite", 1},
    {"ATE ArrayMojiKumiRef Suite", 1},
    {"ATE ArrayMojiKumiSetRef Suite", 1},
    {"ATE ArrayTabStopsRef Suite", 1},
    {"ATE ArrayLeadingType Suite", 1},
    {"ATE ArrayFontRef Suite", 1},
    {"ATE ArrayGlyphID Suite", 1},
    {"ATE ArrayRealPoint Suite", 1},
    {"ATE ArrayRealMatrix Suite", 1},
    {"ATE CharFeatures Suite", 102},
    {"ATE CharInspector Suite", 102},
    {"ATE CharStyle Suite", 1},
    {"ATE CharStyles Suite", 1},
    {"ATE CharStylesIterator Suite", 1},
    {"ATE Find Suite", 101},
    {"ATE Font Suite", 1},
    {"ATE Glyph Suite", 1},
    {"ATE Glyphs Suite", 1},
    {"ATE GlyphsIterator Suite", 1},
    {"ATE Kinsoku Suite", 1},
    {"ATE KinsokuSet Suite", 1},
    {"ATE ParaFeatures Suite", 102},
    {"ATE Paragraph Suite", 1},
    {"ATE ParagraphsIterator Suite", 1},
    {"ATE ParaInspector Suite", 102},
    {"ATE ParaStyle Suite", 1},
    {"ATE ParaStyles Suite", 1},
    {"ATE ParaStylesIterator Suite", 1},
    {"ATE Spell Suite", 102},
    {"ATE Stories Suite", 1},
    {"ATE Story Suite", 1},
    {"ATE TabStop Suite", 1},
    {"ATE TabStops Suite", 1},
    {"ATE TabStopsIterator Suite", 1},
    {"ATE TextRange Suite", 1},
    {"ATE TextRanges Suite", 1},
    {"ATE TextRangesIterator Suite", 1},
    {"ATE TextRunsIterator Suite", 1},
    {"ATE WordsIterator Suite", 1},
    {"AI Undo Suite", 10},
    {"AI Context Suite", 10},
    {"AI Preference Suite", 7},
    {"AI Draw Art Suite", 11},
    {"AI Gradient Suite", 9},
    {"AI Group Suite", 5},
    {"AI Raster Suite", 10},
    {"AI Layer Suite", 13},
    {"AI Pattern Suite", 10},
    {"AI Placed Suite", 10},
    {"AI Custom Color Suite", 8},
    {"AI Path Style Suite", 14},
    {"AI Swatch List Suite", 7},
    {"AI Transform Art Suite", 3},
    {"AI Hard Soft Suite", 6},
    {"AI Mesh Suite", 6},
    {"AI Mesh Patch Suite", 3},
    {"AI Mesh Vertex Suite", 4},
    {"AI Mesh Segment Suite", 3},
    {"AI Plugin Group Suite", 6},
    {"AI TabletData Suite", 3},
    {"AI Mask Suite", 5},
    {"AI Blend Style Suite", 5},
    {"AI Dictionary Suite", 10},
    {"AI Dictionary Iterator Suite", 5},
    {"AI Art Style Suite", 8},
    {"AI Menu Suite", 11},
    {"AI File Format Suite", 15},
    {"AI Timer Suite", 5},
    {"AI Notifier Suite", 4},
    {"AI Action Manager Suite", 5},
    {"AI File Path Suite", 8},
    {"AI Unicode String Suite", 9},
};

constexpr bool StartsWith(const char* text, const char* prefix) {
  for (; *prefix != 0; ++text, ++prefix)
    if (*text != *prefix) return false;
  return true;
}

constexpr bool SameName(const char* a, const char* b) { return StartsWith(a, b) && StartsWith(b, a); }

// The application's own suites; "Override AI Color Conversion Suite" is one of them
// though its name does not begin with "AI".
constexpr bool TakesMacOffset(const char* name) { return StartsWith(name, "AI") || StartsWith(name, "Override AI "); }

constexpr ai::int32 PublishedVersion(const PublishedSuite& suite, CatalogPlatform platform) {
  return suite.windowsVersion + (platform == CatalogPlatform::kMacOS && TakesMacOffset(suite.name) ? 1000 : 0);
}

// True when the application publishes the suite name at version on platform.
constexpr bool Publishes(const char* name, ai::int32 version, CatalogPlatform platform) {
  for (const PublishedSuite& suite : kPublishedSuites)
    if (SameName(suite.name, name)) return PublishedVersion(suite, platform) == version;
  return false;
}

}  // namespace simhost

#endif
