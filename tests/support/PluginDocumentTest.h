// A fixture for tests that drive the plug-in binary on documents: a started
// plug-in in a simulated host, a folder of its own, and documents made from models.
#ifndef KESTRUNE_TESTS_PLUGINDOCUMENTTEST_H
#define KESTRUNE_TESTS_PLUGINDOCUMENTTEST_H

#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "PluginRecord.h"
#include "TestHost.h"
#include "documents/Documents.h"
#include "suites/Menus.h"
#include "suites/UserInterface.h"

namespace testing_support {

// A text frame in one run; fonts "Sans" (installed) and "Missing Font" (missing).
nlohmann::json Frame(const std::string& text, const std::string& font = "Sans", int kind = 0);
nlohmann::json LayerOf(nlohmann::json art, bool visible = true, bool editable = true);
nlohmann::json ModelOf(nlohmann::json layers, const std::string& creator = "24.0.0");
// One layer holding the art.
nlohmann::json SimpleModel(nlohmann::json art, const std::string& creator = "24.0.0");
std::vector<std::string> SplitLines(const std::string& text, const std::string& separator);
// The records of a CSV text as a strict reader takes them (RFC 4180: records end in CR LF,
// a quoted field may hold commas, line breaks and doubled quotes). False when the text
// is not such CSV.
bool ReadCSV(const std::string& text, std::vector<std::vector<std::string>>* records);

class PluginDocumentTest : public testing::Test {
 protected:
  PluginDocumentTest();
  ~PluginDocumentTest() override;

  // Starts (again) on a host of this configuration.
  void Start(simhost::HostConfig config);
  simhost::Host& host() { return plugin_->host(); }
  simhost::Documents& docs() { return host().documents(); }
  const PluginGlobals& globals() { return *PluginRecord(host()); }
  VirtualClockState* clock() { return plugin_->clock(); }

  // A document file from a model at a path under the folder.
  std::string Write(const std::string& name, const nlohmann::json& model);
  simhost::Document* Open(const std::string& path);
  std::unique_ptr<simhost::Document> Read(const std::string& path);
  std::vector<simhost::Dialog> Dialogs(simhost::DialogKind kind) { return host().ui().DialogsOf(kind); }
  // The plug-in's item of that name (the nth of the name).
  simhost::MenuItem* Item(const std::string& name, int nth = 0);

  std::unique_ptr<PluginHost> plugin_;
  std::string folder_;
};

}  // namespace testing_support

#endif
