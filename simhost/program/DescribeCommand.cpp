// kestrune-host describe FILE: prints a document's model as JSON.
#include <cstdio>

#include "program/Cli.h"
#include "documents/DocumentFile.h"
#include "documents/DocumentModel.h"
#include "program/DocumentOptions.h"
#include "documents/Fonts.h"

namespace cli {
namespace {

int RunDescribe(const Options&, const std::vector<std::string>& args) {
  if (args.size() != 1) return UsageError("describe needs FILE");
  simhost::Fonts fonts;
  std::unique_ptr<simhost::Document> document;
  std::string problem;
  if (AIErr err = simhost::ReadDocumentFile(args[0], fonts, &document, &problem)) {
    ReportFailure(args[0], problem, err);
    return kExitFailure;
  }
  std::printf("%s\n", simhost::ModelOf(*document).dump(2).c_str());
  return kExitOk;
}

const CommandRegistration kDescribe({"describe", "FILE", "print a document's model as JSON", RunDescribe});

}  // namespace
}  // namespace cli
