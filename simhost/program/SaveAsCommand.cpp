// kestrune-host save-as FILE: opens FILE and chooses the plug-in's "Save as..." as a
// user would; its confirmation is answered per --yes / --no.
#include <cstdio>

#include "program/Cli.h"
#include "program/DocumentOptions.h"
#include "documents/Documents.h"
#include "suites/Encoding.h"
#include "suites/Menus.h"

namespace cli {
namespace {

// The name the plug-in gives its "Save as..." item.
const char kSaveAsItemName[] = "KESTRUNE_SAVEAS";

int RunSaveAs(const Options& options, const std::vector<std::string>& args) {
  if (args.size() != 1) return UsageError("save-as needs FILE");
  std::unique_ptr<simhost::Host> host = StartWithDocument(options, args[0]);
  if (!host) return kExitFailure;
  simhost::MenuItem* item = nullptr;
  // The user opens the menu: the plug-in has its say on what is enabled.
  host->menus().Show();
  for (const auto& candidate : host->menus().items())
    if (candidate->name == kSaveAsItemName) item = candidate.get();
  int status = kExitOk;
  if (item == nullptr) {
    std::fprintf(stderr, "kestrune-host: the plug-in added no \"Save as...\" item\n");
    status = kExitFailure;
  } else if (!item->enabled) {
    std::fprintf(stderr, "kestrune-host: \"%s\" is disabled for %s\n", simhost::Utf8FromCodePoints(item->title).c_str(),
                 args[0].c_str());
    status = kExitFailure;
  } else {
    size_t before = host->documents().savedFiles().size();
    host->menus().Pick(item);
    const auto& saved = host->documents().savedFiles();
    for (size_t i = before; i < saved.size(); ++i) std::printf("Saved: %s\n", saved[i].c_str());
    if (saved.size() == before) std::printf("Nothing was saved.\n");
  }
  std::fflush(stdout);
  host->Shutdown();
  return status;
}

const CommandRegistration kSaveAs({"save-as", "FILE", "open FILE and choose the plug-in's \"Save as...\"", RunSaveAs});

}  // namespace
}  // namespace cli
