// kestrune-host new-document MODEL.json FILE: writes a document file from a model.
#include <cstdio>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "program/Cli.h"
#include "documents/DocumentFile.h"
#include "documents/DocumentModel.h"
#include "program/DocumentOptions.h"
#include "documents/Fonts.h"
#include "os/Files.h"

namespace cli {
namespace {

int RunNewDocument(const Options& options, const std::vector<std::string>& args) {
  if (args.size() != 2) return UsageError("new-document needs MODEL.json and FILE");
  const std::string& modelPath = args[0];
  const std::string& file = args[1];
  std::ifstream in(simhost::os::NativePath(modelPath), std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "kestrune-host: cannot read %s\n", modelPath.c_str());
    return kExitFailure;
  }
  std::stringstream text;
  text << in.rdbuf();
  nlohmann::json model;
  try {
    model = nlohmann::json::parse(text.str());
  } catch (const nlohmann::json::exception& bad) {  // a number beyond a double is out_of_range, not parse_error
    std::fprintf(stderr, "kestrune-host: %s is not JSON: %s\n", modelPath.c_str(), bad.what());
    return kExitFailure;
  }
  simhost::Fonts fonts;
  std::string problem;
  std::unique_ptr<simhost::Document> document =
      simhost::DocumentFromModel(model, fonts, VersionText(options.config), &problem);
  if (!document) {
    std::fprintf(stderr, "kestrune-host: %s: %s\n", modelPath.c_str(), problem.c_str());
    return kExitFailure;
  }
  // A model never replaces a file that is there already.
  if (simhost::os::KindOfPath(file, false) != simhost::os::PathKind::kMissing) {
    std::fprintf(stderr, "kestrune-host: %s exists already; nothing was written\n", file.c_str());
    return kExitFailure;
  }
  if (AIErr err = simhost::WriteDocumentFile(file, *document)) {
    ReportFailure(file, "cannot write the document", err);
    return kExitFailure;
  }
  std::printf("Wrote %s (creator %s)\n", file.c_str(), document->creatorVersion.c_str());
  return kExitOk;
}

const CommandRegistration kNewDocument({"new-document", "MODEL.json FILE", "write a document file from a JSON model",
                                        RunNewDocument});

}  // namespace
}  // namespace cli
