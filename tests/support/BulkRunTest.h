// A fixture for tests that run bulk updates through the plug-in binary: the
// confirmations are answered yes, and the steps a user takes are one call each.
#ifndef KESTRUNE_TESTS_BULKRUNTEST_H
#define KESTRUNE_TESTS_BULKRUNTEST_H

#include <string>
#include <vector>

#include "AIActionManager.h"
#include "PluginDocumentTest.h"

namespace testing_support {

// A document from version 13 whose bleed box lies beyond its crop box: a bulk
// update refuses it unopened.
nlohmann::json TrimAreaModel();

class BulkRunTest : public PluginDocumentTest {
 protected:
  BulkRunTest();
  // Starts (again) on a host of this configuration, confirmations answered yes.
  void Start(simhost::HostConfig config);

  // Chooses "Bulk update..." (or the recursive one) and answers the chooser with
  // folder (the test's folder when empty).
  void ChooseBulk(const std::string& folder = "", bool recursive = false);
  // Empties the test's folder and forgets the dialogs shown, for the next case of a table.
  void FreshFolder();
  // One tick of the plug-in's timer.
  void Tick();
  // Ticks until the run is idle again; the number of ticks taken.
  int RunToSummary(int limit = 1000);
  // The last message alert: after a run, its summary.
  std::string Summary();
  std::string Log(const std::string& folder = "");
  std::vector<std::string> LogLines(const std::string& folder = "");
  // The recorded step "KESTRUNE_SAVEAS" played by the host by itself.
  AIErr PlayRecordedStep();
  // The updated copy of stem.ai in the test's folder, on the default host, as the
  // plug-in names it (with the platform's separator).
  std::string Updated(const std::string& stem);
};

}  // namespace testing_support

#endif
