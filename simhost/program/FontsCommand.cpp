// kestrune-host fonts FILE: lists the fonts a document uses and whether this
// computer has them, as the host decides it (fontconfig and the font options).
#include <cstdio>
#include <set>

#include "program/Cli.h"
#include "documents/DocumentFile.h"
#include "program/DocumentOptions.h"
#include "documents/Fonts.h"

namespace cli {
namespace {

int RunFonts(const Options& options, const std::vector<std::string>& args) {
  if (args.size() != 1) return UsageError("fonts needs FILE");
  simhost::Fonts fonts;
  ApplyFontOptions(fonts, options);
  std::unique_ptr<simhost::Document> document;
  std::string problem;
  if (AIErr err = simhost::ReadDocumentFile(args[0], fonts, &document, &problem)) {
    ReportFailure(args[0], problem, err);
    return kExitFailure;
  }
  std::set<const simhost::Font*> used;
  simhost::ForEachArt(*document, [&used](simhost::Art& art) {
    if (art.defaultFont != nullptr) used.insert(art.defaultFont);
    for (const simhost::TextRun& run : art.runs)
      if (run.font != nullptr) used.insert(run.font);
  });
  for (const auto& entry : fonts.all())
    if (used.count(entry.second.get()) != 0)
      std::printf("%s  %s\n", entry.second->installed ? "installed" : "missing  ", entry.first.c_str());
  return kExitOk;
}

const CommandRegistration kFonts({"fonts", "FILE", "list the fonts a document uses and whether they are installed",
                                  RunFonts});

}  // namespace
}  // namespace cli
