// kestrune-host make-samples DIR: writes the sample documents.
#include <cstdio>

#include "program/Cli.h"
#include "program/DocumentOptions.h"
#include "documents/Samples.h"

namespace cli {
namespace {

int RunMakeSamples(const Options& options, const std::vector<std::string>& args) {
  if (args.size() != 1) return UsageError("make-samples needs DIR");
  std::vector<std::string> written;
  std::string problem;
  if (!simhost::WriteSamples(args[0], VersionText(options.config), &written, &problem)) {
    std::fprintf(stderr, "kestrune-host: %s\n", problem.c_str());
    return kExitFailure;
  }
  std::vector<simhost::Sample> set = simhost::SampleSet(VersionText(options.config));
  for (size_t i = 0; i < written.size() && i < set.size(); ++i)
    std::printf("%s\n    %s\n", written[i].c_str(), set[i].purpose.c_str());
  return kExitOk;
}

const CommandRegistration kMakeSamples({"make-samples", "DIR",
                                        "write sample documents for every outcome of the save command",
                                        RunMakeSamples});

}  // namespace
}  // namespace cli
