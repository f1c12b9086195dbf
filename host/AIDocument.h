// Document: the current document, its file and name, modified flag, redraw and cloud identity.
#ifndef KESTRUNE_HOST_AIDOCUMENT_H
#define KESTRUNE_HOST_AIDOCUMENT_H

#include "ATETypes.h"
#include "AITypes.h"
#include "IAIFilePath.hpp"
#include "IAIUnicodeString.h"

#define kAIDocumentSuite "AI Document Suite"
#define kAIDocumentSuiteVersion AIAPI_VERSION(20)

typedef unsigned int AICropMarkStyle;
typedef void* AIDocumentPlatformPrintRecord;
typedef struct AIDocumentSetup AIDocumentSetup;
typedef struct _t_AIFileFormatOpaque* AIFileFormatHandle;
typedef void* AIDocumentFileFormatParameters;
typedef struct AIDocumentMiPrintRecord* AIDocumentMiPrintRecordPtr;
typedef struct ACEProfile* AIColorProfile;
typedef struct _AIDictionary* AIDictionaryRef;
typedef unsigned int AISpotColorMode;
typedef unsigned char AILibraryType;
typedef unsigned int AIDocumentStartupProfile;
typedef unsigned char AIExportTriggeredFrom;
typedef struct AISaveMultipleArtboardsParameters AISaveMultipleArtboardsParameters;
using ATE::DocumentTextResourcesRef;
using ATE::StoryRef;
using ATE::TextRangesRef;

// The table of version 20 is inferred: it is the 2025 table (version 21) without the
// members appended after GetDocumentFileName. The other reading, that version 20
// still lacks GetDocumentFileSpecificationFromHandle (slot 1), would move every member
// after it one slot down; scripts/check-sdk.sh settles it against the vendor's headers.
struct AIDocumentSuite {
  // 0 and the current document's file; a status for a document never saved to a file.
  AIAPI AIErr (*GetDocumentFileSpecification)(ai::FilePath& file);
  AIAPI AIErr (*GetDocumentFileSpecificationFromHandle)(AIDocumentHandle document, ai::FilePath& file);
  AIAPI AIErr (*GetDocumentPageOrigin)(AIRealPoint* origin);
  AIAPI AIErr (*SetDocumentPageOrigin)(AIRealPoint* origin);
  AIAPI AIErr (*SetDocumentRulerOrigin)(AIRealPoint* origin);
  AIAPI AIErr (*GetDocumentRulerUnits)(ai::int16* units);
  AIAPI AIErr (*SetDocumentRulerUnits)(ai::int16 units);
  AIAPI AIErr (*GetDocumentCropStyle)(AICropMarkStyle* cropStyle);
  AIAPI AIErr (*SetDocumentCropStyle)(AICropMarkStyle cropStyle);
  AIAPI AIErr (*GetDocumentPrintRecord)(AIDocumentPlatformPrintRecord* print);
  AIAPI AIErr (*SetDocumentPrintRecord)(AIDocumentPlatformPrintRecord print);
  AIAPI AIErr (*GetDocumentSetup)(AIDocumentSetup* setup);
  AIAPI AIErr (*SetDocumentSetup)(AIDocumentSetup* setup);
  AIAPI AIErr (*GetDocumentModified)(AIBoolean* modified);
  // 0, or kNoDocumentErr when no document is open. False spares the user the "Save changes" question.
  AIAPI AIErr (*SetDocumentModified)(AIBoolean modified);
  AIAPI AIErr (*GetDocumentFileFormat)(AIFileFormatHandle* fileFormat);
  AIAPI AIErr (*SetDocumentFileFormat)(AIFileFormatHandle fileFormat);
  AIAPI AIErr (*GetDocumentFileFormatParameters)(AIDocumentFileFormatParameters* parameters);
  AIAPI AIErr (*SetDocumentFileFormatParameters)(AIDocumentFileFormatParameters parameters);
  // 0, or kNoDocumentErr when no document is open.
  AIAPI AIErr (*RedrawDocument)(void);
  // 0 and the current document; kNoDocumentErr and a null handle when none is open.
  AIAPI AIErr (*GetDocument)(AIDocumentHandle* document);
  AIAPI AIErr (*WriteDocument)(const ai::FilePath& file, const char* fileFormatName, AIBoolean askForParms);
  AIAPI AIErr (*GetDocumentMiPrintRecord)(AIDocumentMiPrintRecordPtr print);
  AIAPI AIErr (*SetDocumentMiPrintRecord)(AIDocumentMiPrintRecordPtr print);
  AIAPI AIErr (*GetDocumentRulerOrigin)(AIRealPoint* origin);
  AIAPI AIErr (*UpdateLinks)(AIBoolean* updatedSomething);
  AIAPI AIErr (*GetDocumentZoomLimit)(AIReal* min, AIReal* max);
  AIAPI AIErr (*GetDocumentMaxArtboardBounds)(AIRealRect* bounds);
  AIAPI AIErr (*DocumentExists)(AIDocumentHandle document, AIBoolean* exists);
  AIAPI AIErr (*GetDictionary)(struct _AIDictionary** dictionary);
  AIAPI AIErr (*GetDocumentColorModel)(ai::int16* colorModel);
  AIAPI AIErr (*SetDocumentColorModel)(ai::int16 colorModel);
  AIAPI AIErr (*GetDocumentProfiles)(AIColorProfile* rgbProfile, AIColorProfile* cmykProfile,
                                     AIColorProfile* grayProfile);
  AIAPI AIErr (*SetDocumentProfiles)(AIColorProfile rgbProfile, AIColorProfile cmykProfile, AIColorProfile grayProfile);
  AIAPI AIErr (*Copy)(void);
  AIAPI AIErr (*Cut)(void);
  AIAPI AIErr (*Paste)(void);
  // 0 once the document's cached state is brought up to date with pending edits; kNoDocumentErr without one.
  AIAPI AIErr (*SyncDocument)(void);
  AIAPI AIErr (*GetDocumentTargeting)(short* paintTarget, short* transparencyTarget, short* effectsTarget);
  AIAPI AIErr (*SetDocumentTargeting)(short paintTarget, short transparencyTarget, short effectsTarget);
  AIAPI AIErr (*GetNonRecordedDictionary)(struct _AIDictionary** dictionary);
  AIAPI AIErr (*GetNonRecordedDictionaryForDocument)(AIDocumentHandle document, struct _AIDictionary** dictionary);
  AIAPI int (*GetAIVersion)(void);
  AIAPI AIErr (*DocumentHasTransparency)(AIBoolean* hasTransparency, AIBoolean detectOverprint);
  AIAPI AIErr (*DocumentHasSpotColorArt)(AIBoolean* hasSpotColorArt);
  AIAPI AIErr (*GetDocumentAssetMgmtInfo)(AIBoolean* managed, ai::int32* pNAlternates, AIBoolean* checkedOut,
                                          const char** URL, AIBoolean* canEdit, char* fileType);
  AIAPI AIErr (*SetDocumentAssetMgmtInfo)(AIBoolean* managed, AIBoolean* checkedOut, const char* URL,
                                          AIBoolean* canEdit);
  AIAPI AIErr (*GetDocumentURL)(AIDocumentHandle document, const char** URL);
  AIAPI AIErr (*GetDocumentXAP)(const char** xap);
  AIAPI AIErr (*SetDocumentXAP)(const char* xap);
  AIAPI AIErr (*SuspendTextReflow)(void);
  AIAPI AIErr (*ResumeTextReflow)(void);
  AIAPI AIErr (*GetTextSelection)(TextRangesRef* pTextSelection);
  AIAPI AIErr (*HasTextFocus)(AIBoolean* focus);
  AIAPI AIErr (*HasTextCaret)(AIBoolean* caret);
  AIAPI AIErr (*GetTextFocus)(StoryRef* pStory);
  AIAPI AIErr (*SetTextFocus)(StoryRef story);
  AIAPI AIErr (*LoseTextFocus)(void);
  AIAPI AIErr (*GetDocumentTextResources)(DocumentTextResourcesRef* pDocResources);
  AIAPI AIErr (*WriteDocumentMacInformationResource)(const ai::FilePath& file);
  AIAPI AIErr (*WriteDocumentWithOptions)(const ai::FilePath& file, const char* fileFormatName,
                                          ai::int32 fileFormatOptions, AIDictionaryRef additionalOptionsDict,
                                          AIBoolean askForParms, AISaveMultipleArtboardsParameters* mabInfo);
  AIAPI AIErr (*WriteDocumentAsLibrary)(const ai::FilePath& file, AILibraryType libraryType);
  AIAPI AIErr (*DocumentHasOverprint)(AIBoolean* hasOverprint);
  AIAPI AIErr (*DocumentHasManagedLinks)(AIDocumentHandle document, AIBoolean* hasManagedLinks);
  AIAPI AIErr (*GetDocumentSpotColorMode)(AIDocumentHandle document, AISpotColorMode* mode);
  AIAPI AIErr (*SetDocumentSpotColorMode)(AIDocumentHandle document, AISpotColorMode mode, AIBoolean convert,
                                          AIBoolean* converted);
  AIAPI AIErr (*Undo)(void);
  AIAPI AIErr (*Redo)(void);
  AIAPI AIErr (*DocumentRasterAttributes)(AIBoolean* hasDeviceNRasters, AIBoolean* hasOverprint);
  AIAPI AIErr (*GetDocumentStartupProfile)(AIDocumentHandle document, AIDocumentStartupProfile* startupProfile);
  AIAPI AIErr (*GetDocumentBleeds)(AIRealRect* bleedOffset);
  AIAPI AIErr (*SetDocumentBleeds)(const AIRealRect& bleedOffset);
  AIAPI AIErr (*SetDocumentPixelPerfectStatus)(AIBoolean isPixelPerfect);
  AIAPI AIBoolean (*GetDocumentPixelPerfectStatus)(void);
  AIAPI AIErr (*DeleteSelection)(void);
  AIAPI AIErr (*SetAutoAssignUIDOnArtCreation)(ai::int16 artType, AIBoolean autoAssignUIDOnArtCreation);
  AIAPI AIErr (*GetAutoAssignUIDOnArtCreation)(ai::int16 artType, AIBoolean& outAutoAssignUIDOnArtCreation);
  AIAPI AIReal (*GetEffectiveScaleFactor)(void);
  AIAPI AIErr (*GetDocumentScale)(AIReal& docScale);
  // Whether the current document is a cloud document: the answer itself, false when none is open.
  AIAPI AIBoolean (*IsCloudAIDocument)(void);
  // 0 and the current document's name (for a cloud document its cloud name); a status when none is open.
  AIAPI AIErr (*GetDocumentFileName)(ai::UnicodeString& fileName);
};

#endif
