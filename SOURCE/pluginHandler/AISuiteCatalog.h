// Every suite a Kestrune plug-in holds, in the order it acquires them: the
// suite's type, published name, version and the plug-in's variable for it.
// Suites the plug-in holds without calling share the opaque type AIHeldSuite.
#ifndef KESTRUNE_HOST_AISUITECATALOG_H
#define KESTRUNE_HOST_AISUITECATALOG_H

#include "AIActionManager.h"
#include "AIArt.h"
#include "AICloudDocument.h"
#include "AIContext.h"
#include "AIDocument.h"
#include "AIDocumentList.h"
#include "AIDocumentView.h"
#include "AIFilePath.h"
#include "AIFont.h"
#include "AILayer.h"
#include "AIMenu.h"
#include "AINotifier.h"
#include "AIRealMath.h"
#include "AIRuntime.h"
#include "AITextFrame.h"
#include "AITimer.h"
#include "AIUnicodeString.h"
#include "AIUser.h"
#include "ATESuites.h"
#include "SPAccess.h"
#include "SPBlocks.h"

struct AIHeldSuite;

#define KSR_SUITE_CATALOG(X)                                                                       \
  X(SPBlocksSuite, kSPBlocksSuite, kSPBlocksSuiteVersion, sSPBlocks)                               \
  X(SPAccessSuite, kSPAccessSuite, kSPAccessSuiteVersion, sSPAccess)                               \
  X(AIHeldSuite, "AI Plugin Suite", AIAPI_VERSION(5), sPlugin)                                     \
  X(AIHeldSuite, "AI MdMemory Suite", AIAPI_VERSION(3), sMDMemory)                                 \
  X(AIRealMathSuite, kAIRealMathSuite, kAIRealMathSuiteVersion, sRealMath)                         \
  X(AIHeldSuite, "AI Fixed Math Suite", AIAPI_VERSION(4), sFixedMath)                              \
  X(AIArtSuite, kAIArtSuite, kAIArtSuiteVersion, sArt)                                             \
  X(AIHeldSuite, "AI Application Suite", AIAPI_VERSION(3), sApplication)                           \
  X(AIUserSuite, kAIUserSuite, kAIUserSuiteVersion, sAIUser)                                       \
  X(AIRuntimeSuite, kAIRuntimeSuite, kAIRuntimeSuiteVersion, sRuntime)                             \
  X(AIDocumentSuite, kAIDocumentSuite, kAIDocumentSuiteVersion, sDocument)                         \
  X(AICloudDocumentSuite, kAICloudDocumentSuite, kAICloudDocumentSuiteVersion, sCloudDocument)     \
  X(AIDocumentListSuite, kAIDocumentListSuite, kAIDocumentListSuiteVersion, sDocumentList)         \
  X(AIHeldSuite, "AI Path Suite", AIAPI_VERSION(12), sPath)                                        \
  X(AIHeldSuite, "AI Matching Art Suite", AIAPI_VERSION(7), sMatchingArt)                          \
  X(AIDocumentViewSuite, kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, sDocumentView)         \
  X(AIHeldSuite, "AI ATE Text Util Suite", AIAPI_VERSION(4), sATETextUtilSuite)                    \
  X(AITextFrameSuite, kAITextFrameSuite, kAITextFrameSuiteVersion, sAITextFrame)                   \
  X(AIFontSuite, kAIFontSuite, kAIFontSuiteVersion, sAIFont)                                       \
  X(AIHeldSuite, "AI Foreign Object Suite", AIAPI_VERSION(4), sForeignObject)                      \
  X(AIHeldSuite, "AIATE Paint Suite", AIAPI_VERSION(3), sATEPaintSuite)                            \
  X(AIHeldSuite, "Override AI Color Conversion Suite", AIAPI_VERSION(9), sOverrideColorConversion) \
  X(AIHeldSuite, "AI Color Conversion Suite", AIAPI_VERSION(10), sColorConversion)                 \
  X(AIHeldSuite, "AI Art Set Suite", AIAPI_VERSION(9), sArtSet)                                    \
  X(AIHeldSuite, "ATE ApplicationPaint Suite", 1, sApplicationPaint)                               \
  X(AIHeldSuite, "ATE CompFont Suite", 1, sCompFont)                                               \
  X(AIHeldSuite, "ATE CompFontClass Suite", 1, sCompFontClass)                                     \
  X(AIHeldSuite, "ATE CompFontClassSet Suite", 1, sCompFontClassSet)                               \
  X(AIHeldSuite, "ATE CompFontComponent Suite", 1, sCompFontComponent)                             \
  X(AIHeldSuite, "ATE CompFontSet Suite", 1, sCompFontSet)                                         \
  X(AIHeldSuite, "ATE GlyphRun Suite", 2, sGlyphRun)                                               \
  X(AIHeldSuite, "ATE GlyphRunsIterator Suite", 1, sGlyphRunsIterator)                             \
  X(AIHeldSuite, "ATE MojiKumi Suite", 1, sMojiKumi)                                               \
  X(AIHeldSuite, "ATE MojiKumiSet Suite", 1, sMojiKumiSet)                                         \
  X(ATE::TextFrameSuite, kTextFrameSuite, kTextFrameSuiteVersion, sTextFrame)                      \
  X(AIHeldSuite, "ATE TextFramesIterator Suite", 1, sTextFramesIterator)                           \
  X(AIHeldSuite, "ATE TextLine Suite", 2, sTextLine)                                               \
  X(AIHeldSuite, "ATE TextLinesIterator Suite", 1, sTextLinesIterator)                             \
  X(AIHeldSuite, "ATE TextResources Suite", 1, sTextResources)                                     \
  X(AIHeldSuite, "ATE ApplicationTextResources Suite", 2, sApplicationTextResources)               \
  X(AIHeldSuite, "ATE DocumentTextResources Suite", 102, sDocumentTextResources)                   \
  X(AIHeldSuite, "ATE ArrayApplicationPaintRef Suite", 1, sArrayApplicationPaintRef)               \
  X(AIHeldSuite, "ATE ArrayReal Suite", 1, sArrayReal)                                             \
  X(AIHeldSuite, "ATE ArrayBool Suite", 1, sArrayBool)                                             \
  X(AIHeldSuite, "ATE ArrayInteger Suite", 1, sArrayInteger)                                       \
  X(AIHeldSuite, "ATE ArrayLineCapType Suite", 1, sArrayLineCapType)                               \
  X(AIHeldSuite, "ATE ArrayFigureStyle Suite", 1, sArrayFigureStyle)                               \
  X(AIHeldSuite, "ATE ArrayLineJoinType Suite", 1, sArrayLineJoinType)                             \
  X(AIHeldSuite, "ATE ArrayWariChuJustification Suite", 1, sArrayWariChuJustification)             \
  X(AIHeldSuite, "ATE ArrayStyleRunAlignment Suite", 1, sArrayStyleRunAlignment)                   \
  X(AIHeldSuite, "ATE ArrayAutoKernType Suite", 1, sArrayAutoKernType)                             \
  X(AIHeldSuite, "ATE ArrayBaselineDirection Suite", 1, sArrayBaselineDirection)                   \
  X(AIHeldSuite, "ATE ArrayLanguage Suite", 1, sArrayLanguage)                                     \
  X(AIHeldSuite, "ATE ArrayFontCapsOption Suite", 1, sArrayFontCapsOption)                         \
  X(AIHeldSuite, "ATE ArrayFontBaselineOption Suite", 1, sArrayFontBaselineOption)                 \
  X(AIHeldSuite, "ATE ArrayParagraphJustification Suite", 1, sArrayParagraphJustification)         \
  X(AIHeldSuite, "ATE ArrayArrayReal Suite", 1, sArrayArrayReal)                                   \
  X(AIHeldSuite, "ATE ArrayBurasagariType Suite", 1, sArrayBurasagariType)                         \
  X(AIHeldSuite, "ATE ArrayPreferredKinsokuOrder Suite", 1, sArrayPreferredKinsokuOrder)           \
  X(AIHeldSuite, "ATE ArrayKinsokuRef Suite", 1, sArrayKinsokuRef)                                 \
  X(AIHeldSuite, "ATE ArrayMojiKumiRef Suite", 1, sArrayMojiKumiRef)                               \
  X(AIHeldSuite, "ATE ArrayMojiKumiSetRef Suite", 1, sArrayMojiKumiSetRef)                         \
  X(AIHeldSuite, "ATE ArrayTabStopsRef Suite", 1, sArrayTabStopsRef)                               \
  X(AIHeldSuite, "ATE ArrayLeadingType Suite", 1, sArrayLeadingType)                               \
  X(AIHeldSuite, "ATE ArrayFontRef Suite", 1, sArrayFontRef)                                       \
  X(AIHeldSuite, "ATE ArrayGlyphID Suite", 1, sArrayGlyphID)                                       \
  X(AIHeldSuite, "ATE ArrayRealPoint Suite", 1, sArrayRealPoint)                                   \
  X(AIHeldSuite, "ATE ArrayRealMatrix Suite", 1, sArrayRealMatrix)                                 \
  X(ATE::CharFeaturesSuite, kCharFeaturesSuite, kCharFeaturesSuiteVersion, sCharFeatures)          \
  X(AIHeldSuite, "ATE CharInspector Suite", 102, sCharInspector)                                   \
  X(AIHeldSuite, "ATE CharStyle Suite", 1, sCharStyle)                                             \
  X(AIHeldSuite, "ATE CharStyles Suite", 1, sCharStyles)                                           \
  X(AIHeldSuite, "ATE CharStylesIterator Suite", 1, sCharStylesIterator)                           \
  X(AIHeldSuite, "ATE Find Suite", 101, sFind)                                                     \
  X(ATE::FontSuite, kFontSuite, kFontSuiteVersion, sFont)                                          \
  X(AIHeldSuite, "ATE Glyph Suite", 1, sGlyph)                                                     \
  X(AIHeldSuite, "ATE Glyphs Suite", 1, sGlyphs)                                                   \
  X(AIHeldSuite, "ATE GlyphsIterator Suite", 1, sGlyphsIterator)                                   \
  X(AIHeldSuite, "ATE Kinsoku Suite", 1, sKinsoku)                                                 \
  X(AIHeldSuite, "ATE KinsokuSet Suite", 1, sKinsokuSet)                                           \
  X(AIHeldSuite, "ATE ParaFeatures Suite", 102, sParaFeatures)                                     \
  X(AIHeldSuite, "ATE Paragraph Suite", 1, sParagraph)                                             \
  X(AIHeldSuite, "ATE ParagraphsIterator Suite", 1, sParagraphsIterator)                           \
  X(AIHeldSuite, "ATE ParaInspector Suite", 102, sParaInspector)                                   \
  X(AIHeldSuite, "ATE ParaStyle Suite", 1, sParaStyle)                                             \
  X(AIHeldSuite, "ATE ParaStyles Suite", 1, sParaStyles)                                           \
  X(AIHeldSuite, "ATE ParaStylesIterator Suite", 1, sParaStylesIterator)                           \
  X(AIHeldSuite, "ATE Spell Suite", 102, sSpell)                                                   \
  X(AIHeldSuite, "ATE Stories Suite", 1, sStories)                                                 \
  X(AIHeldSuite, "ATE Story Suite", 1, sStory)                                                     \
  X(AIHeldSuite, "ATE TabStop Suite", 1, sTabStop)                                                 \
  X(AIHeldSuite, "ATE TabStops Suite", 1, sTabStops)                                               \
  X(AIHeldSuite, "ATE TabStopsIterator Suite", 1, sTabStopsIterator)                               \
  X(ATE::TextRangeSuite, kTextRangeSuite, kTextRangeSuiteVersion, sTextRange)                      \
  X(AIHeldSuite, "ATE TextRanges Suite", 1, sTextRanges)                                           \
  X(AIHeldSuite, "ATE TextRangesIterator Suite", 1, sTextRangesIterator)                           \
  X(AIHeldSuite, "ATE TextRunsIterator Suite", 1, sTextRunsIterator)                               \
  X(AIHeldSuite, "ATE WordsIterator Suite", 1, sWordsIterator)                                     \
  X(AIHeldSuite, "AI Undo Suite", AIAPI_VERSION(10), sUndo)                                        \
  X(AIAppContextSuite, kAIAppContextSuite, kAIAppContextSuiteVersion, sAppContext)                 \
  X(AIHeldSuite, "AI Preference Suite", AIAPI_VERSION(7), sPreference)                             \
  X(AIHeldSuite, "AI Draw Art Suite", AIAPI_VERSION(11), sDrawArt)                                 \
  X(AIHeldSuite, "AI Gradient Suite", AIAPI_VERSION(9), sGradient)                                 \
  X(AIHeldSuite, "AI Group Suite", AIAPI_VERSION(5), sGroup)                                       \
  X(AIHeldSuite, "AI Raster Suite", AIAPI_VERSION(10), sRaster)                                    \
  X(AILayerSuite, kAILayerSuite, kAILayerSuiteVersion, sLayer)                                     \
  X(AIHeldSuite, "AI Pattern Suite", AIAPI_VERSION(10), sPattern)                                  \
  X(AIHeldSuite, "AI Placed Suite", AIAPI_VERSION(10), sPlaced)                                    \
  X(AIHeldSuite, "AI Custom Color Suite", AIAPI_VERSION(8), sCustomColor)                          \
  X(AIHeldSuite, "AI Path Style Suite", AIAPI_VERSION(14), sPathStyle)                             \
  X(AIHeldSuite, "AI Swatch List Suite", AIAPI_VERSION(7), sSwatchList)                            \
  X(AIHeldSuite, "AI Transform Art Suite", AIAPI_VERSION(3), sTransformArt)                        \
  X(AIHeldSuite, "AI Hard Soft Suite", AIAPI_VERSION(6), sHardSoft)                                \
  X(AIHeldSuite, "AI Mesh Suite", AIAPI_VERSION(6), sMesh)                                         \
  X(AIHeldSuite, "AI Mesh Patch Suite", AIAPI_VERSION(3), sMeshPatchIterator)                      \
  X(AIHeldSuite, "AI Mesh Vertex Suite", AIAPI_VERSION(4), sMeshVertexIterator)                    \
  X(AIHeldSuite, "AI Mesh Segment Suite", AIAPI_VERSION(3), sMeshSegmentIterator)                  \
  X(AIHeldSuite, "AI Plugin Group Suite", AIAPI_VERSION(6), sPluginGroup)                          \
  X(AIHeldSuite, "AI TabletData Suite", AIAPI_VERSION(3), sTabletData)                             \
  X(AIHeldSuite, "AI Mask Suite", AIAPI_VERSION(5), sMask)                                         \
  X(AIHeldSuite, "AI Blend Style Suite", AIAPI_VERSION(5), sBlendStyle)                            \
  X(AIHeldSuite, "AI Dictionary Suite", AIAPI_VERSION(10), sDictionary)                            \
  X(AIHeldSuite, "AI Dictionary Iterator Suite", AIAPI_VERSION(5), sDictionaryIterator)            \
  X(AIHeldSuite, "AI Art Style Suite", AIAPI_VERSION(8), sArtStyle)                                \
  X(AIMenuSuite, kAIMenuSuite, kAIMenuSuiteVersion, sMenu)                                         \
  X(AIHeldSuite, "AI File Format Suite", AIAPI_VERSION(15), sFileFormat)                           \
  X(AITimerSuite, kAITimerSuite, kAITimerSuiteVersion, sTimer)                                     \
  X(AINotifierSuite, kAINotifierSuite, kAINotifierSuiteVersion, sNotify)                           \
  X(AIActionManagerSuite, kAIActionManagerSuite, kAIActionManagerSuiteVersion, sActionManager)     \
  X(AIFilePathSuite, kAIFilePathSuite, kAIFilePathSuiteVersion, sAIFilePath)                       \
  X(AIUnicodeStringSuite, kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, sAIUnicodeString)

#endif
