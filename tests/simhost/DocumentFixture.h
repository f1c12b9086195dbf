// A simulated host with no plug-in, its suites called directly, and documents made
// from JSON models, for the tests of the host's documents.
#ifndef KESTRUNE_TESTS_SIMHOST_DOCUMENTFIXTURE_H
#define KESTRUNE_TESTS_SIMHOST_DOCUMENTFIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "suites/Actions.h"
#include "documents/DocumentModel.h"
#include "documents/Documents.h"
#include "core/Host.h"
#include "suites/Notifiers.h"
#include "PlatformExpectations.h"
#include "TestHost.h"

namespace documents_test {

using nlohmann::json;

template <typename SuiteT>
const SuiteT* AcquireSuite(simhost::Host& host, const char* name, ai::int32 version) {
  const void* table = nullptr;
  EXPECT_EQ(host.suites().Acquire(name, version, &table), kNoErr) << name;
  return static_cast<const SuiteT*>(table);
}

class DocumentTest : public ::testing::Test {
 protected:
  explicit DocumentTest(simhost::HostConfig config = simhost::HostConfig()) : host_(std::move(config)) {}
  ~DocumentTest() override {
    if (!folder_.empty()) testing_support::RemoveTree(folder_);
  }

  simhost::Host& host() { return host_; }
  simhost::Documents& docs() { return host_.documents(); }
  std::string Folder() {
    if (folder_.empty()) folder_ = testing_support::MakeTempFolder("documents");
    return folder_;
  }
  std::string PathIn(const std::string& name) { return testing_support::Joined(Folder(), name); }

  // A new, untitled document from a model (keys left out take their defaults).
  simhost::Document* Add(const json& model) {
    std::string problem;
    auto document = simhost::DocumentFromModel(model, docs().fonts(), host_.VersionString(), &problem);
    EXPECT_TRUE(document) << problem;
    return document ? docs().Add(std::move(document)) : nullptr;
  }
  // A document file from a model, at a path in the test's folder.
  std::string WriteModel(const std::string& name, const json& model);

  simhost::Art* ArtAt(simhost::Document* document, size_t layer, std::vector<size_t> path) {
    simhost::Art* art = document->layers.at(layer)->root.get();
    for (size_t index : path) art = art->children.at(index).get();
    return art;
  }
  // Notifications since the last call.
  std::vector<std::string> NewNotifications() {
    const auto& sent = host_.notifiers().sent();
    std::vector<std::string> fresh(sent.begin() + static_cast<long>(seen_), sent.end());
    seen_ = sent.size();
    return fresh;
  }

 private:
  simhost::Host host_;
  std::string folder_;
  size_t seen_ = 0;
};

json TextFrame(const std::string& text, const char* font = "Sans", int kind = 0);

// A parameter block as the plug-in fills it.
struct Block {
  ActionParamValue value;
  Block& UString(const char (&key)[5], const std::string& text);
  Block& String(const char (&key)[5], const std::string& text);
  Block& Boolean(const char (&key)[5], bool flag);
  Block& Integer(const char (&key)[5], ai::int32 number);
  Block& Real(const char (&key)[5], AIReal number);
  Block& UnitReal(const char (&key)[5], ActionParamUnitID unit, AIReal number);
};

// The block of the save command, exactly as it is played.
Block SaveAsBlock(const std::string& path);

}  // namespace documents_test

#endif
