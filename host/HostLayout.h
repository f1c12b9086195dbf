// Where the host keeps what the plug-in depends on, as one table: every member
// declared in this folder by suite and slot (the index of its pointer in the suite's
// table, the same on every platform unless a row says otherwise), and the offsets and
// sizes of the records the host reads or writes in place. HostLayoutPins.cpp holds
// the declarations to it at compile time in every build; scripts/check-sdk.sh holds
// it to the vendor's own headers; the simulated host names the slots it traps from it.
// The table includes nothing, so that it can be read beside the vendor's headers.
#ifndef KESTRUNE_HOST_HOSTLAYOUT_H
#define KESTRUNE_HOST_HOSTLAYOUT_H

// Each suite the plug-in calls and the header that declares it, here and in the
// vendor's interface alike.
#define KSR_HOST_SUITES(X)                     \
  X(SPBasicSuite, "SPBasic.h")                 \
  X(SPBlocksSuite, "SPBlocks.h")               \
  X(SPAccessSuite, "SPAccess.h")               \
  X(AIRealMathSuite, "AIRealMath.h")           \
  X(AIArtSuite, "AIArt.h")                     \
  X(AIUserSuite, "AIUser.h")                   \
  X(AIRuntimeSuite, "AIRuntime.h")             \
  X(AIDocumentSuite, "AIDocument.h")           \
  X(AICloudDocumentSuite, "AICloudDocument.h") \
  X(AIDocumentListSuite, "AIDocumentList.h")   \
  X(AIDocumentViewSuite, "AIDocumentView.h")   \
  X(AITextFrameSuite, "AITextFrame.h")         \
  X(AIFontSuite, "AIFont.h")                   \
  X(AILayerSuite, "AILayer.h")                 \
  X(AIAppContextSuite, "AIContext.h")          \
  X(AIMenuSuite, "AIMenu.h")                   \
  X(AITimerSuite, "AITimer.h")                 \
  X(AINotifierSuite, "AINotifier.h")           \
  X(AIActionManagerSuite, "AIActionManager.h") \
  X(AIFilePathSuite, "AIFilePath.h")           \
  X(AIUnicodeStringSuite, "AIUnicodeString.h") \
  X(ATE::TextRangeSuite, "ATESuites.h")        \
  X(ATE::CharFeaturesSuite, "ATESuites.h")     \
  X(ATE::FontSuite, "ATESuites.h")             \
  X(ATE::TextFrameSuite, "ATESuites.h")

// X(suite, member, slot), every slot of a suite once and in order, from 0 through the
// last member the plug-in or its wrappers call.
#define KSR_HOST_SLOTS(X)                                       \
  X(SPBasicSuite, AcquireSuite, 0)                              \
  X(SPBasicSuite, ReleaseSuite, 1)                              \
  X(SPBasicSuite, IsEqual, 2)                                   \
  X(SPBasicSuite, AllocateBlock, 3)                             \
  X(SPBasicSuite, FreeBlock, 4)                                 \
  X(SPBasicSuite, ReallocateBlock, 5)                           \
  X(SPBasicSuite, Undefined, 6)                                 \
  X(SPBlocksSuite, AllocateBlock, 0)                            \
  X(SPBlocksSuite, FreeBlock, 1)                                \
  X(SPAccessSuite, AcquirePlugin, 0)                            \
  X(SPAccessSuite, ReleasePlugin, 1)                            \
  X(SPAccessSuite, GetPluginAccess, 2)                          \
  X(SPAccessSuite, GetAccessPlugin, 3)                          \
  X(SPAccessSuite, GetAccessEntry, 4)                           \
  X(SPAccessSuite, GetAccessCount, 5)                           \
  X(SPAccessSuite, GetAccessInfo, 6)                            \
  X(AIRealMathSuite, AIRealAdd, 0)                              \
  X(AIRealMathSuite, AIRealMul, 1)                              \
  X(AIRealMathSuite, AIRealDiv, 2)                              \
  X(AIRealMathSuite, ShortRatio, 3)                             \
  X(AIRealMathSuite, AIRealRatio, 4)                            \
  X(AIRealMathSuite, AIRealMulAdd, 5)                           \
  X(AIRealMathSuite, AIRealMultiple, 6)                         \
  X(AIRealMathSuite, AIRealSin, 7)                              \
  X(AIRealMathSuite, AIRealCos, 8)                              \
  X(AIRealMathSuite, AIRealATan, 9)                             \
  X(AIRealMathSuite, DegreeToRadian, 10)                        \
  X(AIRealMathSuite, RadianToDegree, 11)                        \
  X(AIRealMathSuite, AIRealSqrt, 12)                            \
  X(AIRealMathSuite, AIRealLength, 13)                          \
  X(AIRealMathSuite, AIRealInterpolate, 14)                     \
  X(AIRealMathSuite, AIRealPointAdd, 15)                        \
  X(AIRealMathSuite, AIRealPointSubtract, 16)                   \
  X(AIRealMathSuite, AIRealPointEqual, 17)                      \
  X(AIRealMathSuite, AIRealPointClose, 18)                      \
  X(AIRealMathSuite, AIRealPointAngle, 19)                      \
  X(AIRealMathSuite, AIRealPointLength, 20)                     \
  X(AIRealMathSuite, AIRealPointLengthAngle, 21)                \
  X(AIRealMathSuite, AIRealPointInterpolate, 22)                \
  X(AIRealMathSuite, AIRealRectSet, 23)                         \
  X(AIArtSuite, NewArt, 0)                                      \
  X(AIArtSuite, DisposeArt, 1)                                  \
  X(AIArtSuite, ReorderArt, 2)                                  \
  X(AIArtSuite, DuplicateArt, 3)                                \
  X(AIArtSuite, GetFirstArtOfLayer, 4)                          \
  X(AIArtSuite, GetLayerOfArt, 5)                               \
  X(AIArtSuite, GetArtType, 6)                                  \
  X(AIArtSuite, GetArtUserAttr, 7)                              \
  X(AIArtSuite, SetArtUserAttr, 8)                              \
  X(AIArtSuite, GetArtParent, 9)                                \
  X(AIArtSuite, GetArtFirstChild, 10)                           \
  X(AIArtSuite, GetArtSibling, 11)                              \
  X(AIUserSuite, Cancel, 0)                                     \
  X(AIUserSuite, UpdateProgress, 1)                             \
  X(AIUserSuite, SetUpdateProgressCallback, 2)                  \
  X(AIUserSuite, SetProgressText, 3)                            \
  X(AIUserSuite, CloseProgress, 4)                              \
  X(AIUserSuite, AIRealToString, 5)                             \
  X(AIUserSuite, StringToAIReal, 6)                             \
  X(AIUserSuite, IUAIRealToString, 7)                           \
  X(AIUserSuite, IUAIRealToStringWithLocale, 8)                 \
  X(AIUserSuite, IUAIRealToStringWithLocaleWithoutScale, 9)     \
  X(AIUserSuite, IUStringToAIReal, 10)                          \
  X(AIUserSuite, IUAIRealToStringUnits, 11)                     \
  X(AIUserSuite, IUAIRealToStringUnitsWithoutScale, 12)         \
  X(AIUserSuite, IUStringUnitsToAIReal, 13)                     \
  X(AIUserSuite, IUStringUnitsToAIRealWithoutScale, 14)         \
  X(AIUserSuite, GetUnitsString, 15)                            \
  X(AIUserSuite, GetGlobalObjectDisplayName, 16)                \
  X(AIUserSuite, EditInOriginalApp, 17)                         \
  X(AIUserSuite, AppIdle, 18)                                   \
  X(AIUserSuite, BuildDirectoryMenu, 19)                        \
  X(AIUserSuite, GetIndexedDirectorySpec, 20)                   \
  X(AIUserSuite, RevealTheFile, 21)                             \
  X(AIUserSuite, DisableProgressCancel, 22)                     \
  X(AIUserSuite, OKToAllocateMemory, 23)                        \
  X(AIUserSuite, GetDateAndTime, 24)                            \
  X(AIUserSuite, GetDateString, 25)                             \
  X(AIUserSuite, GetTimeString, 26)                             \
  X(AIUserSuite, GetYear, 27)                                   \
  X(AIUserSuite, GetMonth, 28)                                  \
  X(AIUserSuite, GetDay, 29)                                    \
  X(AIUserSuite, GetHour, 30)                                   \
  X(AIUserSuite, GetMinute, 31)                                 \
  X(AIUserSuite, GetSecond, 32)                                 \
  X(AIUserSuite, GetDayOfWeek, 33)                              \
  X(AIUserSuite, LaunchApp, 34)                                 \
  X(AIUserSuite, NextName, 35)                                  \
  X(AIUserSuite, CopyOfName, 36)                                \
  X(AIUserSuite, SameName, 37)                                  \
  X(AIUserSuite, PutFileDialog, 38)                             \
  X(AIUserSuite, GetFileDialog, 39)                             \
  X(AIUserSuite, GetDirectoryDialog, 40)                        \
  X(AIUserSuite, OKCancelAlert, 41)                             \
  X(AIUserSuite, WarningAlert, 42)                              \
  X(AIUserSuite, MessageAlertEx, 43)                            \
  X(AIUserSuite, QuestionAlert, 44)                             \
  X(AIUserSuite, YesNoAlert, 45)                                \
  X(AIUserSuite, ErrorAlert, 46)                                \
  X(AIUserSuite, MessageAlert, 47)                              \
  X(AIRuntimeSuite, GetAppName, 0)                              \
  X(AIRuntimeSuite, GetAppFileSpecification, 1)                 \
  X(AIRuntimeSuite, GetUserName, 2)                             \
  X(AIRuntimeSuite, GetUserOrganization, 3)                     \
  X(AIRuntimeSuite, GetUserSerialNumber, 4)                     \
  X(AIRuntimeSuite, GetAppNameSpace, 5)                         \
  X(AIRuntimeSuite, GetAppStringPool, 6)                        \
  X(AIRuntimeSuite, GetAppFreeMem, 7)                           \
  X(AIRuntimeSuite, ShowAppAboutBox, 8)                         \
  X(AIRuntimeSuite, GetSystemVersion, 9)                        \
  X(AIRuntimeSuite, GetIsSystemMacOSX, 10)                      \
  X(AIRuntimeSuite, GetAppMajorVersion, 11)                     \
  X(AIRuntimeSuite, GetAppMinorVersion, 12)                     \
  X(AIRuntimeSuite, GetAppRevisionVersion, 13)                  \
  X(AIRuntimeSuite, GetAppNameUS, 14)                           \
  X(AIRuntimeSuite, GetUserNameUS, 15)                          \
  X(AIRuntimeSuite, GetUserOrganizationUS, 16)                  \
  X(AIRuntimeSuite, GetDefaultScript, 17)                       \
  X(AIDocumentSuite, GetDocumentFileSpecification, 0)           \
  X(AIDocumentSuite, GetDocumentFileSpecificationFromHandle, 1) \
  X(AIDocumentSuite, GetDocumentPageOrigin, 2)                  \
  X(AIDocumentSuite, SetDocumentPageOrigin, 3)                  \
  X(AIDocumentSuite, SetDocumentRulerOrigin, 4)                 \
  X(AIDocumentSuite, GetDocumentRulerUnits, 5)                  \
  X(AIDocumentSuite, SetDocumentRulerUnits, 6)                  \
  X(AIDocumentSuite, GetDocumentCropStyle, 7)                   \
  X(AIDocumentSuite, SetDocumentCropStyle, 8)                   \
  X(AIDocumentSuite, GetDocumentPrintRecord, 9)                 \
  X(AIDocumentSuite, SetDocumentPrintRecord, 10)                \
  X(AIDocumentSuite, GetDocumentSetup, 11)                      \
  X(AIDocumentSuite, SetDocumentSetup, 12)                      \
  X(AIDocumentSuite, GetDocumentModified, 13)                   \
  X(AIDocumentSuite, SetDocumentModified, 14)                   \
  X(AIDocumentSuite, GetDocumentFileFormat, 15)                 \
  X(AIDocumentSuite, SetDocumentFileFormat, 16)                 \
  X(AIDocumentSuite, GetDocumentFileFormatParameters, 17)       \
  X(AIDocumentSuite, SetDocumentFileFormatParameters, 18)       \
  X(AIDocumentSuite, RedrawDocument, 19)                        \
  X(AIDocumentSuite, GetDocument, 20)                           \
  X(AIDocumentSuite, WriteDocument, 21)                         \
  X(AIDocumentSuite, GetDocumentMiPrintRecord, 22)              \
  X(AIDocumentSuite, SetDocumentMiPrintRecord, 23)              \
  X(AIDocumentSuite, GetDocumentRulerOrigin, 24)                \
  X(AIDocumentSuite, UpdateLinks, 25)                           \
  X(AIDocumentSuite, GetDocumentZoomLimit, 26)                  \
  X(AIDocumentSuite, GetDocumentMaxArtboardBounds, 27)          \
  X(AIDocumentSuite, DocumentExists, 28)                        \
  X(AIDocumentSuite, GetDictionary, 29)                         \
  X(AIDocumentSuite, GetDocumentColorModel, 30)                 \
  X(AIDocumentSuite, SetDocumentColorModel, 31)                 \
  X(AIDocumentSuite, GetDocumentProfiles, 32)                   \
  X(AIDocumentSuite, SetDocumentProfiles, 33)                   \
  X(AIDocumentSuite, Copy, 34)                                  \
  X(AIDocumentSuite, Cut, 35)                                   \
  X(AIDocumentSuite, Paste, 36)                                 \
  X(AIDocumentSuite, SyncDocument, 37)                          \
  X(AIDocumentSuite, GetDocumentTargeting, 38)                  \
  X(AIDocumentSuite, SetDocumentTargeting, 39)                  \
  X(AIDocumentSuite, GetNonRecordedDictionary, 40)              \
  X(AIDocumentSuite, GetNonRecordedDictionaryForDocument, 41)   \
  X(AIDocumentSuite, GetAIVersion, 42)                          \
  X(AIDocumentSuite, DocumentHasTransparency, 43)               \
  X(AIDocumentSuite, DocumentHasSpotColorArt, 44)               \
  X(AIDocumentSuite, GetDocumentAssetMgmtInfo, 45)              \
  X(AIDocumentSuite, SetDocumentAssetMgmtInfo, 46)              \
  X(AIDocumentSuite, GetDocumentURL, 47)                        \
  X(AIDocumentSuite, GetDocumentXAP, 48)                        \
  X(AIDocumentSuite, SetDocumentXAP, 49)                        \
  X(AIDocumentSuite, SuspendTextReflow, 50)                     \
  X(AIDocumentSuite, ResumeTextReflow, 51)                      \
  X(AIDocumentSuite, GetTextSelection, 52)                      \
  X(AIDocumentSuite, HasTextFocus, 53)                          \
  X(AIDocumentSuite, HasTextCaret, 54)                          \
  X(AIDocumentSuite, GetTextFocus, 55)                          \
  X(AIDocumentSuite, SetTextFocus, 56)                          \
  X(AIDocumentSuite, LoseTextFocus, 57)                         \
  X(AIDocumentSuite, GetDocumentTextResources, 58)              \
  X(AIDocumentSuite, WriteDocumentMacInformationResource, 59)   \
  X(AIDocumentSuite, WriteDocumentWithOptions, 60)              \
  X(AIDocumentSuite, WriteDocumentAsLibrary, 61)                \
  X(AIDocumentSuite, DocumentHasOverprint, 62)                  \
  X(AIDocumentSuite, DocumentHasManagedLinks, 63)               \
  X(AIDocumentSuite, GetDocumentSpotColorMode, 64)              \
  X(AIDocumentSuite, SetDocumentSpotColorMode, 65)              \
  X(AIDocumentSuite, Undo, 66)                                  \
  X(AIDocumentSuite, Redo, 67)                                  \
  X(AIDocumentSuite, DocumentRasterAttributes, 68)              \
  X(AIDocumentSuite, GetDocumentStartupProfile, 69)             \
  X(AIDocumentSuite, GetDocumentBleeds, 70)                     \
  X(AIDocumentSuite, SetDocumentBleeds, 71)                     \
  X(AIDocumentSuite, SetDocumentPixelPerfectStatus, 72)         \
  X(AIDocumentSuite, GetDocumentPixelPerfectStatus, 73)         \
  X(AIDocumentSuite, DeleteSelection, 74)                       \
  X(AIDocumentSuite, SetAutoAssignUIDOnArtCreation, 75)         \
  X(AIDocumentSuite, GetAutoAssignUIDOnArtCreation, 76)         \
  X(AIDocumentSuite, GetEffectiveScaleFactor, 77)               \
  X(AIDocumentSuite, GetDocumentScale, 78)                      \
  X(AIDocumentSuite, IsCloudAIDocument, 79)                     \
  X(AIDocumentSuite, GetDocumentFileName, 80)                   \
  X(AICloudDocumentSuite, SaveToCloud, 0)                       \
  X(AIDocumentListSuite, Count, 0)                              \
  X(AIDocumentListSuite, GetNthDocument, 1)                     \
  X(AIDocumentListSuite, New, 2)                                \
  X(AIDocumentListSuite, Open, 3)                               \
  X(AIDocumentListSuite, OpenNoHistory, 4)                      \
  X(AIDocumentListSuite, Save, 5)                               \
  X(AIDocumentListSuite, Close, 6)                              \
  X(AIDocumentViewSuite, GetDocumentViewBounds, 0)              \
  X(AIDocumentViewSuite, GetDocumentViewCenter, 1)              \
  X(AIDocumentViewSuite, SetDocumentViewCenter, 2)              \
  X(AIDocumentViewSuite, GetDocumentViewUserVisibleZoom, 3)     \
  X(AIDocumentViewSuite, GetDocumentViewZoom, 4)                \
  X(AIDocumentViewSuite, SetDocumentViewZoom, 5)                \
  X(AIDocumentViewSuite, SetDocumentViewUserVisibleZoom, 6)     \
  X(AIDocumentViewSuite, ArtworkPointToViewPoint, 7)            \
  X(AIDocumentViewSuite, ViewPointToArtworkPoint, 8)            \
  X(AIDocumentViewSuite, CountDocumentViews, 9)                 \
  X(AIDocumentViewSuite, GetNthDocumentView, 10)                \
  X(AITextFrameSuite, NewPointText, 0)                          \
  X(AITextFrameSuite, NewInPathText, 1)                         \
  X(AITextFrameSuite, NewOnPathText, 2)                         \
  X(AITextFrameSuite, NewOnPathText2, 3)                        \
  X(AITextFrameSuite, GetType, 4)                               \
  X(AITextFrameSuite, GetOrientation, 5)                        \
  X(AITextFrameSuite, SetOrientation, 6)                        \
  X(AITextFrameSuite, GetTextAntialias, 7)                      \
  X(AITextFrameSuite, SetTextAntialias, 8)                      \
  X(AITextFrameSuite, GetPointTextAnchor, 9)                    \
  X(AITextFrameSuite, GetPathObject, 10)                        \
  X(AITextFrameSuite, GetOnPathTextTRange, 11)                  \
  X(AITextFrameSuite, SetOnPathTextTRange, 12)                  \
  X(AITextFrameSuite, GetATETextRange, 13)                      \
  X(AIFontSuite, CountFonts, 0)                                 \
  X(AIFontSuite, IndexFontList, 1)                              \
  X(AIFontSuite, CountTypefaces, 2)                             \
  X(AIFontSuite, IndexTypefaceList, 3)                          \
  X(AIFontSuite, CountTypefaceStyles, 4)                        \
  X(AIFontSuite, IndexTypefaceStyleList, 5)                     \
  X(AIFontSuite, TypefaceAndStyleFromFontKey, 6)                \
  X(AIFontSuite, FindFont, 7)                                   \
  X(AIFontSuite, FindMacFontFromMacFontRef, 8)                  \
  X(AIFontSuite, FindWinFont, 9)                                \
  X(AIFontSuite, GetMacFontRef, 10)                             \
  X(AIFontSuite, GetSystemFontName, 11)                         \
  X(AIFontSuite, SetCharWidths, 12)                             \
  X(AIFontSuite, GetFontInfo, 13)                               \
  X(AIFontSuite, GetFontMetrics, 14)                            \
  X(AIFontSuite, GetGlyphDimensions, 15)                        \
  X(AIFontSuite, GetCharDimensions, 16)                         \
  X(AIFontSuite, GetDefaultFont, 17)                            \
  X(AIFontSuite, GetFullFontName, 18)                           \
  X(AIFontSuite, GetPostScriptFontName, 19)                     \
  X(AIFontSuite, GetFontStyleName, 20)                          \
  X(AIFontSuite, GetFontFamilyUIName, 21)                       \
  X(AIFontSuite, GetFontStyleUIName, 22)                        \
  X(AIFontSuite, GetTypefaceName, 23)                           \
  X(AIFontSuite, GetUserFontName, 24)                           \
  X(AIFontSuite, GetUserFontUIName, 25)                         \
  X(AIFontSuite, FontFromFontKey, 26)                           \
  X(AIFontSuite, FontKeyFromFont, 27)                           \
  X(AILayerSuite, CountLayers, 0)                               \
  X(AILayerSuite, GetNthLayer, 1)                               \
  X(AILayerSuite, GetCurrentLayer, 2)                           \
  X(AILayerSuite, SetCurrentLayer, 3)                           \
  X(AILayerSuite, GetFirstLayer, 4)                             \
  X(AILayerSuite, GetNextLayer, 5)                              \
  X(AILayerSuite, InsertLayer, 6)                               \
  X(AILayerSuite, DeleteLayer, 7)                               \
  X(AILayerSuite, GetLayerTitle, 8)                             \
  X(AILayerSuite, SetLayerTitle, 9)                             \
  X(AILayerSuite, GetLayerColor, 10)                            \
  X(AILayerSuite, SetLayerColor, 11)                            \
  X(AILayerSuite, GetLayerVisible, 12)                          \
  X(AILayerSuite, SetLayerVisible, 13)                          \
  X(AILayerSuite, GetLayerPreview, 14)                          \
  X(AILayerSuite, SetLayerPreview, 15)                          \
  X(AILayerSuite, GetLayerEditable, 16)                         \
  X(AILayerSuite, SetLayerEditable, 17)                         \
  X(AIAppContextSuite, GetPlatformAppWindow, 0)                 \
  X(AIMenuSuite, AddMenuItem, 0)                                \
  X(AIMenuSuite, AddMenuItemZString, 1)                         \
  X(AIMenuSuite, GetMenuItemKeyboardShortcutDictionaryKey, 2)   \
  X(AIMenuSuite, GetMenuItemOptions, 3)                         \
  X(AIMenuSuite, SetMenuItemOptions, 4)                         \
  X(AIMenuSuite, GetMenuItemPlugin, 5)                          \
  X(AIMenuSuite, CountMenuItems, 6)                             \
  X(AIMenuSuite, GetNthMenuItem, 7)                             \
  X(AIMenuSuite, GetPlatformMenuItem, 8)                        \
  X(AIMenuSuite, UpdateMenuItemAutomatically, 9)                \
  X(AIMenuSuite, GetUpdateFlags, 10)                            \
  X(AIMenuSuite, EnableItem, 11)                                \
  X(AIMenuSuite, DisableItem, 12)                               \
  X(AIMenuSuite, GetItemText, 13)                               \
  X(AIMenuSuite, SetItemText, 14)                               \
  X(AIMenuSuite, SetItemTextZString, 15)                        \
  X(AIMenuSuite, CheckItem, 16)                                 \
  X(AIMenuSuite, GetItemMenuGroup, 17)                          \
  X(AIMenuSuite, AddMenuGroup, 18)                              \
  X(AIMenuSuite, AddMenuGroupAsSubMenu, 19)                     \
  X(AITimerSuite, AddTimer, 0)                                  \
  X(AINotifierSuite, AddNotifier, 0)                            \
  X(AIActionManagerSuite, RegisterActionEvent, 0)               \
  X(AIActionManagerSuite, IsActionEventRegistered, 1)           \
  X(AIActionManagerSuite, GetActionEventLocalizedName, 2)       \
  X(AIActionManagerSuite, GetActionEventVersion, 3)             \
  X(AIActionManagerSuite, GetActionEventFlag, 4)                \
  X(AIActionManagerSuite, GetActionEventCallbackProc, 5)        \
  X(AIActionManagerSuite, GetActionEventPluginRef, 6)           \
  X(AIActionManagerSuite, GetActionEventUserData, 7)            \
  X(AIActionManagerSuite, SetActionEventUserData, 8)            \
  X(AIActionManagerSuite, GetActionEventParamType, 9)           \
  X(AIActionManagerSuite, Idle, 10)                             \
  X(AIActionManagerSuite, SetActionIdleProc, 11)                \
  X(AIActionManagerSuite, GetActionIdleProc, 12)                \
  X(AIActionManagerSuite, AINewActionParamType, 13)             \
  X(AIActionManagerSuite, AIDeleteActionParamType, 14)          \
  X(AIActionManagerSuite, AIActionGetTypeKey, 15)               \
  X(AIActionManagerSuite, AIActionHasTypeKey, 16)               \
  X(AIActionManagerSuite, AIActionGetTypeCount, 17)             \
  X(AIActionManagerSuite, AIActionSetTypeKey, 18)               \
  X(AIActionManagerSuite, AIActionGetName, 19)                  \
  X(AIActionManagerSuite, AIActionGetType, 20)                  \
  X(AIActionManagerSuite, AIActionTypeIsShow, 21)               \
  X(AIActionManagerSuite, AcquirePalette, 22)                   \
  X(AIActionManagerSuite, ReleasePalette, 23)                   \
  X(AIActionManagerSuite, RecordActionEvent, 24)                \
  X(AIActionManagerSuite, PlayActionEvent, 25)                  \
  X(AIActionManagerSuite, InRecordMode, 26)                     \
  X(AIActionManagerSuite, InInsertMenuItemState, 27)            \
  X(AIActionManagerSuite, ActivateInsertMennuItemDialog, 28)    \
  X(AIActionManagerSuite, SetCurrentCommandLocalizedName, 29)   \
  X(AIActionManagerSuite, DoFunctionKey, 30)                    \
  X(AIActionManagerSuite, AINewActionParamValue, 31)            \
  X(AIActionManagerSuite, AIDeleteActionParamValue, 32)         \
  X(AIActionManagerSuite, AIActionGetValueKey, 33)              \
  X(AIActionManagerSuite, AIActionHasValueKey, 34)              \
  X(AIActionManagerSuite, AIActionGetValueCount, 35)            \
  X(AIActionManagerSuite, AIActionGetValueType, 36)             \
  X(AIActionManagerSuite, AIActionGetInteger, 37)               \
  X(AIActionManagerSuite, AIActionSetInteger, 38)               \
  X(AIActionManagerSuite, AIActionGetReal, 39)                  \
  X(AIActionManagerSuite, AIActionSetReal, 40)                  \
  X(AIActionManagerSuite, AIActionGetUnitReal, 41)              \
  X(AIActionManagerSuite, AIActionSetUnitReal, 42)              \
  X(AIActionManagerSuite, AIActionGetString, 43)                \
  X(AIActionManagerSuite, AIActionSetString, 44)                \
  X(AIActionManagerSuite, AIActionGetBoolean, 45)               \
  X(AIActionManagerSuite, AIActionSetBoolean, 46)               \
  X(AIActionManagerSuite, AIActionGetEnumerated, 47)            \
  X(AIActionManagerSuite, AIActionSetEnumerated, 48)            \
  X(AIActionManagerSuite, AIActionSetRawDataBytes, 49)          \
  X(AIActionManagerSuite, AIActionGetRawDataSize, 50)           \
  X(AIActionManagerSuite, AIActionGetRawData, 51)               \
  X(AIActionManagerSuite, AIActionValueGetVisibility, 52)       \
  X(AIActionManagerSuite, AIActionValueSetVisibility, 53)       \
  X(AIActionManagerSuite, UndoLastTransaction, 54)              \
  X(AIActionManagerSuite, RedoLastTransaction, 55)              \
  X(AIActionManagerSuite, IgnoreRecording, 56)                  \
  X(AIActionManagerSuite, RegisterActionEventUS, 57)            \
  X(AIActionManagerSuite, GetActionEventLocalizedNameUS, 58)    \
  X(AIActionManagerSuite, AIActionSetTypeKeyUS, 59)             \
  X(AIActionManagerSuite, AIActionGetNameUS, 60)                \
  X(AIActionManagerSuite, SetCurrentCommandLocalizedNameUS, 61) \
  X(AIActionManagerSuite, AIActionGetStringUS, 62)              \
  X(AIActionManagerSuite, AIActionSetStringUS, 63)              \
  KSR_FILE_PATH_SLOTS(X)                                        \
  X(AIUnicodeStringSuite, Initialize, 0)                        \
  X(AIUnicodeStringSuite, InitializeUTF16, 1)                   \
  X(AIUnicodeStringSuite, InitializeUTF32Char, 2)               \
  X(AIUnicodeStringSuite, Destroy, 3)                           \
  X(AIUnicodeStringSuite, Append, 4)                            \
  X(AIUnicodeStringSuite, AppendSubString, 5)                   \
  X(AIUnicodeStringSuite, Assign, 6)                            \
  X(AIUnicodeStringSuite, Copy, 7)                              \
  X(AIUnicodeStringSuite, GetChar, 8)                           \
  X(AIUnicodeStringSuite, Clear, 9)                             \
  X(AIUnicodeStringSuite, Compare, 10)                          \
  X(AIUnicodeStringSuite, toLower, 11)                          \
  X(AIUnicodeStringSuite, toUpper, 12)                          \
  X(AIUnicodeStringSuite, CaseCompare, 13)                      \
  X(AIUnicodeStringSuite, CanonicalCompare, 14)                 \
  X(AIUnicodeStringSuite, CanonicalCaseCompare, 15)             \
  X(AIUnicodeStringSuite, Length, 16)                           \
  X(AIUnicodeStringSuite, Empty, 17)                            \
  X(AIUnicodeStringSuite, Erase, 18)                            \
  X(AIUnicodeStringSuite, FindChar, 19)                         \
  X(AIUnicodeStringSuite, FindString, 20)                       \
  X(AIUnicodeStringSuite, FindSubString, 21)                    \
  X(AIUnicodeStringSuite, CaseFindSubString, 22)                \
  X(AIUnicodeStringSuite, RFindChar, 23)                        \
  X(AIUnicodeStringSuite, RFindString, 24)                      \
  X(AIUnicodeStringSuite, RFindSubString, 25)                   \
  X(AIUnicodeStringSuite, FindFirstOf, 26)                      \
  X(AIUnicodeStringSuite, FindFirstNotOf, 27)                   \
  X(AIUnicodeStringSuite, FindLastOf, 28)                       \
  X(AIUnicodeStringSuite, FindLastNotOf, 29)                    \
  X(AIUnicodeStringSuite, Resize, 30)                           \
  X(AIUnicodeStringSuite, Capacity, 31)                         \
  X(AIUnicodeStringSuite, Reserve, 32)                          \
  X(AIUnicodeStringSuite, SubStr, 33)                           \
  X(AIUnicodeStringSuite, SwapStr, 34)                          \
  X(AIUnicodeStringSuite, HasSurrogates, 35)                    \
  X(AIUnicodeStringSuite, UTF_16, 36)                           \
  X(AIUnicodeStringSuite, GetAs, 37)                            \
  X(ATE::TextRangeSuite, AddRef, 0)                             \
  X(ATE::TextRangeSuite, Release, 1)                            \
  X(ATE::TextRangeSuite, IsNull, 2)                             \
  X(ATE::TextRangeSuite, GetStart, 3)                           \
  X(ATE::TextRangeSuite, SetStart, 4)                           \
  X(ATE::TextRangeSuite, GetEnd, 5)                             \
  X(ATE::TextRangeSuite, SetEnd, 6)                             \
  X(ATE::TextRangeSuite, GetSize, 7)                            \
  X(ATE::TextRangeSuite, GetStory, 8)                           \
  X(ATE::TextRangeSuite, GetTextSelection, 9)                   \
  X(ATE::TextRangeSuite, GetTextFramesIterator, 10)             \
  X(ATE::TextRangeSuite, GetParagraphsIterator, 11)             \
  X(ATE::TextRangeSuite, GetWordsIterator, 12)                  \
  X(ATE::TextRangeSuite, GetTextRunsIterator, 13)               \
  X(ATE::TextRangeSuite, GetCharInspector, 14)                  \
  X(ATE::TextRangeSuite, GetParaInspector, 15)                  \
  X(ATE::TextRangeSuite, GetNamedCharStyles, 16)                \
  X(ATE::TextRangeSuite, GetNamedParaStyles, 17)                \
  X(ATE::TextRangeSuite, SetNamedCharStyle, 18)                 \
  X(ATE::TextRangeSuite, SetNamedParaStyle, 19)                 \
  X(ATE::TextRangeSuite, ClearNamedCharStyle, 20)               \
  X(ATE::TextRangeSuite, ClearNamedParaStyle, 21)               \
  X(ATE::TextRangeSuite, GetUniqueCharFeatures, 22)             \
  X(ATE::TextRangeSuite, GetUniqueParaFeatures, 23)             \
  X(ATE::TextRangeSuite, HasLocalCharFeatures, 24)              \
  X(ATE::TextRangeSuite, HasLocalParaFeatures, 25)              \
  X(ATE::TextRangeSuite, GetUniqueLocalCharFeatures, 26)        \
  X(ATE::TextRangeSuite, GetUniqueLocalParaFeatures, 27)        \
  X(ATE::TextRangeSuite, SetLocalCharFeatures, 28)              \
  X(ATE::TextRangeSuite, ReplaceOrAddLocalCharFeatures, 29)     \
  X(ATE::TextRangeSuite, ClearLocalCharFeatures, 30)            \
  X(ATE::TextRangeSuite, SetLocalParaFeatures, 31)              \
  X(ATE::TextRangeSuite, ReplaceOrAddLocalParaFeatures, 32)     \
  X(ATE::TextRangeSuite, ClearLocalParaFeatures, 33)            \
  X(ATE::TextRangeSuite, SetStory, 34)                          \
  X(ATE::TextRangeSuite, SetRange, 35)                          \
  X(ATE::TextRangeSuite, Collapse, 36)                          \
  X(ATE::TextRangeSuite, Move, 37)                              \
  X(ATE::TextRangeSuite, Clone, 38)                             \
  X(ATE::TextRangeSuite, InsertBefore_AsUnicode, 39)            \
  X(ATE::TextRangeSuite, InsertAfter_AsUnicode, 40)             \
  X(ATE::TextRangeSuite, InsertBefore_AsTextRange, 41)          \
  X(ATE::TextRangeSuite, InsertAfter_AsTextRange, 42)           \
  X(ATE::TextRangeSuite, GetContents_AsUnicode, 43)             \
  X(ATE::CharFeaturesSuite, AddRef, 0)                          \
  X(ATE::CharFeaturesSuite, Release, 1)                         \
  X(ATE::CharFeaturesSuite, IsNull, 2)                          \
  X(ATE::CharFeaturesSuite, Initialize, 3)                      \
  X(ATE::CharFeaturesSuite, Clone, 4)                           \
  X(ATE::CharFeaturesSuite, GetFont, 5)                         \
  X(ATE::FontSuite, AddRef, 0)                                  \
  X(ATE::FontSuite, Release, 1)                                 \
  X(ATE::FontSuite, IsNull, 2)                                  \
  X(ATE::TextFrameSuite, AddRef, 0)                             \
  X(ATE::TextFrameSuite, Release, 1)                            \
  X(ATE::TextFrameSuite, IsNull, 2)                             \
  X(ATE::TextFrameSuite, GetStory, 3)                           \
  X(ATE::TextFrameSuite, GetTextRange, 4)

// The File Path suite has members of its own on macOS, before GetFileName.
#if defined(__APPLE__)
#define KSR_FILE_PATH_SLOTS(X)               \
  X(AIFilePathSuite, NewFilePath, 0)         \
  X(AIFilePathSuite, DeleteFilePath, 1)      \
  X(AIFilePathSuite, Copy, 2)                \
  X(AIFilePathSuite, IsEmpty, 3)             \
  X(AIFilePathSuite, MakeEmpty, 4)           \
  X(AIFilePathSuite, Equal, 5)               \
  X(AIFilePathSuite, LessThan, 6)            \
  X(AIFilePathSuite, StartsWithDelimiter, 7) \
  X(AIFilePathSuite, EndsWithDelimiter, 8)   \
  X(AIFilePathSuite, AddComponent, 9)        \
  X(AIFilePathSuite, RemoveComponent, 10)    \
  X(AIFilePathSuite, AddExtension, 11)       \
  X(AIFilePathSuite, RemoveExtension, 12)    \
  X(AIFilePathSuite, Exists, 13)             \
  X(AIFilePathSuite, Resolve, 14)            \
  X(AIFilePathSuite, Set, 15)                \
  X(AIFilePathSuite, SetFromSPFileRef, 16)   \
  X(AIFilePathSuite, SetFromCFString, 17)    \
  X(AIFilePathSuite, SetFromCFURL, 18)       \
  X(AIFilePathSuite, GetFileName, 19)        \
  X(AIFilePathSuite, GetFileNameNoExt, 20)   \
  X(AIFilePathSuite, GetFileExtension, 21)   \
  X(AIFilePathSuite, GetFullPath, 22)        \
  X(AIFilePathSuite, GetDirectory, 23)
#else
#define KSR_FILE_PATH_SLOTS(X)               \
  X(AIFilePathSuite, NewFilePath, 0)         \
  X(AIFilePathSuite, DeleteFilePath, 1)      \
  X(AIFilePathSuite, Copy, 2)                \
  X(AIFilePathSuite, IsEmpty, 3)             \
  X(AIFilePathSuite, MakeEmpty, 4)           \
  X(AIFilePathSuite, Equal, 5)               \
  X(AIFilePathSuite, LessThan, 6)            \
  X(AIFilePathSuite, StartsWithDelimiter, 7) \
  X(AIFilePathSuite, EndsWithDelimiter, 8)   \
  X(AIFilePathSuite, AddComponent, 9)        \
  X(AIFilePathSuite, RemoveComponent, 10)    \
  X(AIFilePathSuite, AddExtension, 11)       \
  X(AIFilePathSuite, RemoveExtension, 12)    \
  X(AIFilePathSuite, Exists, 13)             \
  X(AIFilePathSuite, Resolve, 14)            \
  X(AIFilePathSuite, Set, 15)                \
  X(AIFilePathSuite, SetFromSPFileRef, 16)   \
  X(AIFilePathSuite, GetFileName, 17)        \
  X(AIFilePathSuite, GetFileNameNoExt, 18)   \
  X(AIFilePathSuite, GetFileExtension, 19)   \
  X(AIFilePathSuite, GetFullPath, 20)        \
  X(AIFilePathSuite, GetDirectory, 21)
#endif

// X(record, field, header, offset): a field the host reads or writes in place, at its
// offset in a 64-bit build. Booleans are 4 bytes on Windows (and this Linux build)
// and 1 byte on macOS, which moves the fields of AIFontStyle.
#define KSR_HOST_RECORD_FIELDS(X)                            \
  X(SPMessageData, SPCheck, "SPMData.h", 0)                  \
  X(SPMessageData, self, "SPMData.h", 8)                     \
  X(SPMessageData, globals, "SPMData.h", 16)                 \
  X(SPMessageData, basic, "SPMData.h", 24)                   \
  X(SPInterfaceMessage, d, "SPInterf.h", 0)                  \
  X(SPAccessMessage, when, "SPAccess.h", 32)                 \
  X(AIMenuMessage, menuItem, "AIMenu.h", 32)                 \
  X(AITimerMessage, timer, "AITimer.h", 32)                  \
  X(AINotifierMessage, notifier, "AINotifier.h", 32)         \
  X(AINotifierMessage, type, "AINotifier.h", 40)             \
  X(AINotifierMessage, notifyData, "AINotifier.h", 48)       \
  X(DoActionMessage, userData, "AIActionManager.h", 32)      \
  X(DoActionMessage, showDialog, "AIActionManager.h", 40)    \
  X(DoActionMessage, param, "AIActionManager.h", 48)         \
  X(SPPlatformAccessInfo, defaultAccess, "SPAccess.h", 0)    \
  X(SPPlatformAccessInfo, resourceAccess, "SPAccess.h", 8)   \
  X(SPPlatformAccessInfo, lastAccessTicks, "SPAccess.h", 16) \
  X(AIPlatformAddMenuItemDataUS, groupName, "AIMenu.h", 0)   \
  X(AIPlatformAddMenuItemDataUS, itemText, "AIMenu.h", 8)    \
  X(AIFontStyle, fontKey, "AIFont.h", 0)                     \
  X(AIFontStyle, script, "AIFont.h", 16)                     \
  KSR_FONT_STYLE_FIELDS(X)

// X(record, header, size): the size of each record above, and of the wrapper objects
// the host reads or writes in place (a string, a path, a buffer it fills).
#define KSR_HOST_RECORD_SIZES(X)                 \
  X(SPMessageData, "SPMData.h", 32)              \
  X(SPInterfaceMessage, "SPInterf.h", 32)        \
  X(SPAccessMessage, "SPAccess.h", 40)           \
  X(AIMenuMessage, "AIMenu.h", 40)               \
  X(AITimerMessage, "AITimer.h", 40)             \
  X(AINotifierMessage, "AINotifier.h", 56)       \
  X(DoActionMessage, "AIActionManager.h", 56)    \
  X(SPPlatformAccessInfo, "SPAccess.h", 24)      \
  X(AIPlatformAddMenuItemDataUS, "AIMenu.h", 16) \
  X(ai::UnicodeString, "IAIUnicodeString.h", 8)  \
  X(ai::FilePath, "IAIFilePath.hpp", 8)          \
  X(ai::AutoBuffer<char>, "IAIAutoBuffer.h", 16) \
  KSR_FONT_STYLE_SIZE(X)

#if defined(__APPLE__)
#define KSR_FONT_STYLE_FIELDS(X)                  \
  X(AIFontStyle, fauxedInstalled, "AIFont.h", 23) \
  X(AIFontStyle, mojiZumeType, "AIFont.h", 28)    \
  X(AIFontStyle, isMultipleMaster, "AIFont.h", 36)
#define KSR_FONT_STYLE_SIZE(X) X(AIFontStyle, "AIFont.h", 40)
#else
#define KSR_FONT_STYLE_FIELDS(X)                  \
  X(AIFontStyle, fauxedInstalled, "AIFont.h", 32) \
  X(AIFontStyle, mojiZumeType, "AIFont.h", 40)    \
  X(AIFontStyle, isMultipleMaster, "AIFont.h", 60)
#define KSR_FONT_STYLE_SIZE(X) X(AIFontStyle, "AIFont.h", 64)
#endif

#endif
