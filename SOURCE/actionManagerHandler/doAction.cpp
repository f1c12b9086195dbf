#include <cstring>
#include <optional>

#include "AIActionManager.h"
#include "AICloudDocument.h"
#include "AIDocument.h"
#include "AIDocumentList.h"
#include "AIDocumentView.h"
#include "AIUser.h"
#include "IAIFilePath.hpp"
#include "activityLog.h"
#include "common/FixedText.h"
#include "common/Heap.h"
#include "common/Texts.h"
#include "documentEligibility.h"
#include "fileOutcome.h"
#include "platform/Clock.h"
#include "platform/NameClaim.h"
#include "pluginHandler/ParamBlock.h"
#include "pluginHandler/Suites.h"
#include "relayoutText.h"
#include "shellMain/ExceptionStatus.h"
#include "shellMain/Handlers.h"
#include "shellMain/PluginGlobals.h"
#include "textWalkers.h"
#include "updatedFileName.h"

namespace {

// The updated copy's name was free, but nothing could be created there.
constexpr SPErr kCopyNotCreatedErr = AIFourCharCode("NoCp");
constexpr size_t kField = 512;

constexpr ActionParamKeyID Key(const char (&code)[5]) { return static_cast<ActionParamKeyID>(AIFourCharCode(code)); }

// What the command knows of the document it works on.
struct Run {
  char logName[kField] = {0};
  char target[kField] = {0};
  bool cloud = false;
  bool claimed = false;  // an empty file of ours stands at target until the save fills it
  SPErr saveResult = kNoErr;
};

bool BulkMode() { return g->actionMode == kActionModeBulkSave; }

// A bulk file the host could not name is logged by its entry in the list, so that
// every counted file has its line.
const char* LogName(const Run& run) { return run.logName[0] == 0 && BulkMode() ? gBulkRun.entryLogName : run.logName; }

// After a canceled save in a bulk update: whether to end the whole run.
void AskWhetherToEndBulkUpdate() {
  if (g->suppressAlerts) {
    g->abortRequested = 1;
    return;
  }
  char question[kField] = {0};
  for (TextId piece : kBulkQuestionPieces) AppendText(question, sizeof(question), Text(piece));
  if (sAIUser != nullptr &&
      sAIUser->YesNoAlert(ai::UnicodeString(question, kAIJapaneseCharacterEncoding)) == kAIAnswer_Yes)
    g->abortRequested = 1;
}

// Shows the outcome as the command's mode asks, then logs and counts it; the result
// code a host that played the action gets.
SPErr Report(FileOutcome outcome, const Run& run) {
  const bool alerts = g->suppressAlerts == 0;
  switch (outcome) {
    case FileOutcome::kSaved:
      if (BulkMode()) {
        platform::SleepMilliseconds(1000);
      } else {
        ShowOutcomeAlert(outcome);  // shown even for an action the host plays by itself
      }
      break;
    case FileOutcome::kSaveCanceled:
      if (BulkMode()) {
        AskWhetherToEndBulkUpdate();
      } else if (alerts) {
        ShowOutcomeAlert(outcome);
      }
      break;
    default:
      if (alerts) ShowOutcomeAlert(outcome);
      break;
  }
  RecordFileOutcome(outcome, LogName(run), run.target);
  return OutcomeStatus(outcome, run.saveResult);
}

void ToField(const ai::UnicodeString& text, char* field) {
  if (!CopyText(field, kField, text.getInStdString(kAIUTF8CharacterEncoding).c_str())) field[0] = 0;
}

bool HasLegacyText() {
  ai::int32 count = 0;
  WalkDocumentLayers([&](AIArtHandle root) { LegacyTextCheckProcess(root, &count); });
  return count >= 1;
}

SPErr SaveFile(const char* target) {
  ParamBlock owned;
  if (SPErr error = owned.Make()) return error;
  const AIActionParamValueRef block = owned.get();
  sActionManager->AIActionSetStringUS(block, Key("name"), ai::UnicodeString(target, kAIUTF8CharacterEncoding));
  sActionManager->AIActionSetBoolean(block, Key("cmpr"), true);
  sActionManager->AIActionSetBoolean(block, Key("pdf "), true);
  sActionManager->AIActionSetInteger(block, Key("crtr"), 24);
  sActionManager->AIActionSetInteger(block, Key("ext."), 1);
  sActionManager->AIActionSetInteger(block, Key("incl"), 0);
  sActionManager->AIActionSetReal(block, Key("rato"), 100.0);
  sActionManager->AIActionSetInteger(block, Key("prfl"), 1);
  sActionManager->AIActionSetBoolean(block, Key("smab"), false);
  sActionManager->AIActionSetString(block, Key("frmt"), "Adobe Illustrator Any Format Writer");
  sActionManager->AIActionSetString(block, Key("extn"), "ai");
  return sActionManager->PlayActionEvent("adobe_saveDocumentAs", kDialogOff, block);
}

// The view of a bulk file is moved away while its text is laid out.
struct SavedView {
  AIDocumentViewHandle view = nullptr;
  AIRealPoint center{0, 0};
  AIReal zoom = 1.0;
};

SavedView ParkView() {
  SavedView saved;
  if (sDocumentView == nullptr || sDocumentView->GetNthDocumentView(0, &saved.view) != kNoErr) return saved;
  sDocumentView->GetDocumentViewCenter(saved.view, &saved.center);
  sDocumentView->GetDocumentViewZoom(saved.view, &saved.zoom);
  const AIRealPoint parked{7000, 7000};
  sDocumentView->SetDocumentViewCenter(saved.view, &parked);
  sDocumentView->SetDocumentViewZoom(saved.view, 64.0);
  return saved;
}

void RestoreView(const SavedView& saved) {
  if (sDocumentView == nullptr || saved.view == nullptr) return;
  sDocumentView->SetDocumentViewZoom(saved.view, saved.zoom);
  sDocumentView->SetDocumentViewCenter(saved.view, &saved.center);
}

// The updated copy's name into run.target. A path the fields cannot hold gets no name
// rather than a cut one. A copy on disk has its name claimed, so that no other run can
// save under it too; a cloud document's name is the host's to keep.
CopyNameClaim ChooseUpdatedName(Run& run) {
  if (run.target[0] == 0) return CopyNameClaim::kNoName;
  if (!run.cloud) return ClaimCPFileName(run.target);
  return CreateCPFileName(run.target) ? CopyNameClaim::kClaimed : CopyNameClaim::kNoName;
}

// Identifies the document, checks it, lays its text out anew and saves the copy: its
// outcome, or none when there is no document to work on.
std::optional<FileOutcome> RunMainFlow(Run& run) {
  const AIDocumentSuite& document = Require(sDocument);
  Require(sArt);
  Require(sLayer);
  Require(sActionManager);
  // With no document open there is nothing to do; a bulk file is open by now, so
  // there its absence is a failure.
  AIDocumentHandle current = nullptr;
  const AIErr noDocument = document.GetDocument(&current);
  if (noDocument != kNoErr && noDocument != kNoDocumentErr) throw ai::Error(noDocument);
  if (current == nullptr) {
    if (!BulkMode()) return std::nullopt;
    throw ai::Error(kUnsavedDocumentErr);
  }
  bool legacy = false;
  run.cloud = document.IsCloudAIDocument() != 0;
  ai::FilePath file;
  ai::UnicodeString cloudName;
  // A document whose file or cloud name the host cannot give, or whose file is gone,
  // cannot be saved as its updated copy: that is a failed save, never no outcome.
  if (!run.cloud) {
    // The file path is filled by the host; without its suite it could not be given back.
    Require(sAIFilePath);
    if (AIErr error = document.GetDocumentFileSpecification(file)) throw ai::Error(error);
    legacy = HasLegacyText();
    if (!legacy && !file.Exists(false)) throw ai::Error(kUnsavedDocumentErr);
    GetCPLogFileName(file.GetFullPath(false), run.logName);
  } else {
    if (AIErr error = document.GetDocumentFileName(cloudName)) throw ai::Error(error);
    ToField(cloudName, run.logName);
  }

  AIFontKey* missingFonts = nullptr;
  ai::int32 missingFontCount = 0;
  ai::int32 textFrameCount = 0;
  try {
    WalkDocumentLayers(
        [&](AIArtHandle root) { FontCheckProcess(root, &missingFonts, &missingFontCount, &textFrameCount); });
  } catch (...) {
    HeapFree(missingFonts);
    throw;
  }
  HeapFree(missingFonts);
  if (legacy) textFrameCount = 0;
  if (missingFontCount != 0) return FileOutcome::kMissingFonts;
  if (textFrameCount == 0) return legacy ? FileOutcome::kLegacyText : FileOutcome::kNoText;

  SavedView view;
  if (BulkMode()) view = ParkView();
  ToField(run.cloud ? cloudName : file.GetFullPath(false), run.target);
  const CopyNameClaim name = ChooseUpdatedName(run);
  if (name == CopyNameClaim::kNoName) {
    run.target[0] = 0;
    return FileOutcome::kNoName;
  }
  if (name == CopyNameClaim::kNotCreated) {
    run.saveResult = kCopyNotCreatedErr;
    return FileOutcome::kSaveFailed;
  }
  run.claimed = !run.cloud;
  const AIErr relayout = RelayoutTextProcess();
  if (BulkMode()) RestoreView(view);
  // Text the host did not lay out anew must not be saved as updated.
  if (relayout != kNoErr) {
    run.saveResult = relayout;
    return FileOutcome::kSaveFailed;
  }

  if (run.cloud) {
    run.saveResult = Require(sCloudDocument).SaveToCloud(ai::UnicodeString(run.target, kAIUTF8CharacterEncoding));
  } else {
    run.saveResult = SaveFile(run.target);
  }
  if (run.saveResult == kNoErr) {
    run.claimed = false;  // the claim is the copy now
    return FileOutcome::kSaved;
  }
  return run.saveResult == kCanceledErr ? FileOutcome::kSaveCanceled : FileOutcome::kSaveFailed;
}

// A claimed name whose copy was not saved is given back, so that no empty file is left
// where a copy seems to be.
void ReleaseUnsavedClaim(Run& run) {
  if (!run.claimed) return;
  run.claimed = false;
  platform::ReleaseClaim(run.target);
}

// The main flow with its outcome reported. An exception on the way (the text engine
// failing while fonts are read, a host string that cannot be made) is reported as
// a failed save with the status it carries: the file gets exactly one outcome.
SPErr MainFlow() {
  Run run;
  try {
    const std::optional<FileOutcome> outcome = RunMainFlow(run);
    ReleaseUnsavedClaim(run);
    return outcome ? Report(*outcome, run) : kNoErr;
  } catch (...) {
    run.saveResult = StatusOfCurrentException();
  }
  ReleaseUnsavedClaim(run);
  try {
    return Report(FileOutcome::kSaveFailed, run);
  } catch (...) {
    return run.saveResult;
  }
}

// Bulk files are closed without a question, whatever happened to them.
void CloseBulkDocument() {
  if (sDocument == nullptr || sDocumentList == nullptr) return;
  AIDocumentHandle current = nullptr;
  if (sDocument->GetDocument(&current) != kNoErr || current == nullptr) return;
  sDocument->SetDocumentModified(false);
  sDocumentList->Close(current);
}

SPErr Finish(SPErr result) {
  if (BulkMode()) CloseBulkDocument();
  g->actionMode = kActionModeNone;
  if (g->suppressAlerts) {
    g->suppressAlerts = 0;
    return result;
  }
  return kNoErr;
}

// An action step the host plays by itself: refuse unsuitable documents quietly
// with a code, run the others as a single save.
SPErr PlayedByHost() {
  g->suppressAlerts = 1;
  SPErr code = kNoErr;
  try {
    AIDocumentHandle current = nullptr;
    if (Require(sDocument).GetDocument(&current) == kNoErr && current != nullptr) code = CheckDocumentEligibility();
  } catch (...) {
    code = StatusOfCurrentException();
  }
  if (code != kNoErr) return Finish(code);
  g->actionMode = kActionModeSingleSave;
  return Finish(MainFlow());
}

}  // namespace

SPErr doAction(DoActionMessage*) {
  switch (g->actionMode) {
    case kActionModeNone:
      return PlayedByHost();
    case kActionModeSingleSave:
    case kActionModeBulkSave:
      return Finish(MainFlow());
    default:
      return Finish(kNoErr);
  }
}
