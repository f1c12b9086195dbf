// A bulk update of generated documents on the simulated host, the timer ticking as
// fast as it can: the time per file beyond the plug-in's own pauses, and the share
// of it spent in the plug-in (its calls, less the host events they play).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "suites/Actions.h"
#include "documents/DocumentFile.h"
#include "documents/DocumentModel.h"
#include "documents/Documents.h"
#include "core/Host.h"
#include "suites/Menus.h"
#include "suites/Timers.h"
#include "suites/UserInterface.h"

namespace {

// About `characters` characters in frames of 100, on two layers.
nlohmann::json GeneratedModel(int characters) {
  nlohmann::json layers = nlohmann::json::array();
  for (int layer = 0; layer < 2; ++layer) {
    nlohmann::json art = nlohmann::json::array();
    for (int frame = 0; frame < characters / 200; ++frame) {
      std::string text;
      for (int i = 0; i < 100; ++i) text.push_back(i % 7 == 6 ? ' ' : static_cast<char>('a' + (i + frame) % 26));
      art.push_back({{"type", "textFrame"},
                     {"locked", frame % 3 == 0},
                     {"position", {frame * 10, layer * 300}},
                     {"runs", {{{"text", text}, {"font", "Sans"}}}},
                     {"layoutVersion", "24.0.0"}});
    }
    layers.push_back({{"name", "Layer " + std::to_string(layer + 1)}, {"art", art}});
  }
  return {{"creatorVersion", "24.0.0"}, {"layers", layers}};
}

}  // namespace

int main(int argc, char** argv) {
  const int files = argc > 1 ? std::atoi(argv[1]) : 200;
  const int characters = argc > 2 ? std::atoi(argv[2]) : 1000;
  std::string folder = (std::filesystem::temp_directory_path() / "kestrune-bulk-bench").string();
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);

  simhost::Host host;
  host.documents().fonts().SetInstalled("Sans", true);
  std::string problem;
  auto model = GeneratedModel(characters);
  for (int i = 0; i < files; ++i) {
    auto document = simhost::DocumentFromModel(model, host.documents().fonts(), "24.0.0", &problem);
    if (!document || simhost::WriteDocumentFile(folder + "/doc" + std::to_string(i) + ".ai", *document) != kNoErr) {
      std::fprintf(stderr, "cannot write the documents: %s\n", problem.c_str());
      return 1;
    }
  }

  std::string error;
  if (!host.LoadPlugin(KESTRUNE_TEST_PLUGIN, &error) || host.Startup() != kNoErr) {
    std::fprintf(stderr, "cannot start the plug-in: %s\n", error.c_str());
    return 1;
  }
  host.ui().SetDefaultAnswer(true);
  simhost::MenuItem* bulk = nullptr;
  for (const auto& item : host.menus().items())
    if (item->name == "KESTRUNE_CONVERT" && bulk == nullptr) bulk = item.get();
  simhost::Timer* timer = host.timers().FindByName("KESTRUNE_TIMER");

  const auto start = std::chrono::steady_clock::now();
  const double pluginBefore = host.secondsInPlugin();
  host.ui().QueueFolder(folder);
  host.menus().Choose(bulk);
  int ticks = 0;
  auto finished = [&] {
    const auto& dialogs = host.ui().dialogs();
    return !dialogs.empty() && dialogs.back().text.rfind("Bulk update completed.", 0) == 0;
  };
  while (!finished() && ticks < files * 10 + 10) {
    host.timers().Tick(timer);
    ++ticks;
  }
  const double total = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double inPlugin = host.secondsInPlugin() - pluginBefore - host.actions().hostEventSeconds;
  host.Shutdown();
  std::filesystem::remove_all(folder);

  if (!finished()) {
    std::fprintf(stderr, "the bulk update did not finish\n");
    return 1;
  }
  std::printf("bulk update of %d documents of %d characters, %d ticks (pauses are virtual)\n", files, characters,
              ticks);
  std::printf("  total            %8.3f s\n", total);
  std::printf("  per file         %8.3f ms   (target: under 10 ms)\n", total * 1000.0 / files);
  std::printf("  in the plug-in   %8.3f ms per file, %.0f%% of the time\n", inPlugin * 1000.0 / files,
              100.0 * inPlugin / total);
  std::printf("  host events      %8.3f ms per file (open, move, save)\n",
              host.actions().hostEventSeconds * 1000.0 / files);
  return 0;
}
