// kestrune-host: runs the Kestrune plug-in inside the simulated host.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <exception>
#include <map>

#include "core/NearestNames.h"
#include "program/Cli.h"
#include "program/DocumentOptions.h"
#include "documents/Documents.h"
#include "suites/Menus.h"
#include "suites/UserInterface.h"
#include "os/Process.h"
#include "os/Terminal.h"
#include "os/Files.h"
#include "os/Windowing.h"

namespace cli {
namespace {

std::map<std::string, Command>& Commands() {
  static std::map<std::string, Command> commands;
  return commands;
}

void PrintUsage(std::FILE* out) {
  std::fprintf(out,
               "usage: kestrune-host [OPTIONS] COMMAND [ARGS]\n"
               "\n"
               "Runs the Kestrune plug-in inside a simulated host application.\n"
               "\n"
               "options:\n"
               "  --host-version X.Y.Z   host version to report (default 28.1.0)\n"
               "  --lang en|ja           host user-interface language (default en)\n"
               "  --yes, --no            answer every confirmation and question so\n"
               "                         (default: ask on a terminal, else no)\n"
               "  --answers LIST         answer the confirmations and questions in order,\n"
               "                         e.g. yes,no,cancel; later ones per --yes/--no\n"
               "  --open FILE            have FILE open before the command (repeatable)\n"
               "  --open-modified FILE   the same, with unsaved changes (repeatable)\n"
               "  --plugin PATH          the plug-in binary (default: Kestrune.aip beside\n"
               "                         this program)\n"
               "  --fast-timer           tick the host timer as fast as possible\n"
               "  --modal-ticks N        timer ticks the host delivers while each modal\n"
               "                         dialog is up or each played event runs, 0 to 100\n"
               "                         (default 1)\n"
               "  --capture-progress DIR write what the progress window shows at each\n"
               "                         repaint into DIR (numbered BMP files on Windows,\n"
               "                         text files on a terminal)\n"
               "  --missing-font NAME    treat the font as not installed (repeatable)\n"
               "  --installed-font NAME  treat the font as installed (repeatable)\n"
               "  --withhold-suite NAME  do not lend the suite to the plug-in (repeatable;\n"
               "                         the command suites lists the names)\n"
               "  --fail POINT[@N][=CODE]\n"
               "                         make a host call fail, e.g. AIMenuSuite.AddMenuItem\n"
               "                         or acquire:AI Menu Suite; with @N only its Nth call;\n"
               "                         CODE is four characters or a number (default !IMP)\n"
               "                         (repeatable; the command faults lists the points)\n"
               "  --help                 show this text\n"
               "\n"
               "commands:\n");
  for (const auto& entry : Commands()) {
    const Command& command = entry.second;
    std::string head = std::string(command.name) + " " + command.arguments;
    std::fprintf(out, "  %-28s %s\n", head.c_str(), command.summary);
  }
}

bool ParseVersion(const std::string& text, simhost::HostConfig* config) {
  int major = 0, minor = 0, revision = 0;
  char extra = 0;
  if (std::sscanf(text.c_str(), "%d.%d.%d%c", &major, &minor, &revision, &extra) != 3) return false;
  if (major < 0 || minor < 0 || revision < 0) return false;
  config->majorVersion = major;
  config->minorVersion = minor;
  config->revision = revision;
  return true;
}

bool ParseStatus(const std::string& text, AIErr* status) {
  if (text.size() == 4) {
    char code[5] = {text[0], text[1], text[2], text[3], 0};
    *status = AIFourCharCode(code);
    return true;
  }
  char* end = nullptr;
  long value = std::strtol(text.c_str(), &end, 0);
  if (end == text.c_str() || *end != 0) return false;
  *status = static_cast<AIErr>(value);
  return true;
}

std::string Suggest(const std::string& name, const std::vector<std::string>& known) {
  std::string text;
  for (const std::string& near : simhost::NearestNames(name, known)) text += "\n  " + near;
  return text.empty() ? "" : "; nearest:" + text;
}

// Why --fail cannot take point: the host's member cannot fail, or the host has no
// such point (then the nearest it has).
std::string FaultRefusal(const simhost::Faults& faults, const std::string& point) {
  const std::string why = faults.WhyUnfailing(point);
  if (!why.empty()) return "--fail: " + why;
  return "--fail: the host has no fault point \"" + point + "\"" + Suggest(point, faults.Points());
}

bool gValidatorFailed = false;
bool gUsageFailed = false;

// Sets the --fail rules the host knows; with last, a rule still unknown is a usage
// error (reported, and false).
bool InjectFailures(simhost::Host& host, const Options& options, bool last) {
  for (const Options::Failure& failure : options.failures) {
    simhost::Faults& faults = host.faults();
    if (!faults.Knows(failure.point)) {
      if (!last) continue;
      gUsageFailed = true;
      UsageError(FaultRefusal(faults, failure.point));
      return false;
    }
    if (last && failure.point.compare(0, 5, "play:") != 0) continue;
    if (!last && failure.point.compare(0, 5, "play:") == 0) continue;
    if (failure.nth == 0) {
      faults.Inject(failure.point, failure.status, 1, true);
    } else {
      const int nth = failure.nth - faults.Calls(failure.point);
      if (nth >= 1) faults.Inject(failure.point, failure.status, nth);
    }
  }
  return true;
}

void ReportValidatorFailure(const std::string& message) {
  gValidatorFailed = true;
  std::fflush(stdout);
  std::fprintf(stderr, "kestrune-host: validator: %s\n", message.c_str());
}

// "--fail POINT[@N][=CODE]"; false when N or CODE cannot be read.
bool ParseFailure(const std::string& text, Options::Failure* failure, std::string* problem) {
  std::string point = text;
  failure->status = kNotImplementedErr;
  failure->nth = 0;
  const size_t eq = point.rfind('=');
  if (eq != std::string::npos) {
    if (!ParseStatus(point.substr(eq + 1), &failure->status)) {
      *problem = "bad status in " + text;
      return false;
    }
    point.erase(eq);
  }
  const size_t at = point.rfind('@');
  if (at != std::string::npos) {
    const std::string count = point.substr(at + 1);
    char* end = nullptr;
    errno = 0;
    const long nth = std::strtol(count.c_str(), &end, 10);
    if (count.empty() || *end != 0 || errno != 0 || nth < 1 || nth > 1000000000L || count[0] == '+') {
      *problem = "the call number in " + text + " must be a whole number from 1";
      return false;
    }
    failure->nth = static_cast<int>(nth);
    point.erase(at);
  }
  failure->point = point;
  return true;
}

// Refuses a fault point or a withheld suite the host does not have, so that a
// run meant to test a failure cannot pass with no failure injected.
std::string CheckFaultOptions(const Options& options) {
  simhost::HostConfig config = options.config;
  config.withheldSuites.clear();
  simhost::Host probe(config);
  std::vector<std::string> suites;
  for (const simhost::CatalogEntry& entry : probe.catalog().entries()) suites.push_back(entry.name);
  for (const std::string& name : options.config.withheldSuites)
    if (!probe.catalog().VersionOf(name))
      return "--withhold-suite: the host publishes no suite \"" + name + "\"" + Suggest(name, suites);
  // Events the plug-in registers are known only once it has started (MakeHost).
  for (const Options::Failure& failure : options.failures)
    if (failure.point.compare(0, 5, "play:") != 0 && !probe.faults().Knows(failure.point))
      return FaultRefusal(probe.faults(), failure.point);
  return "";
}

void PrintDialog(const simhost::Dialog& dialog) {
  std::string text = dialog.text;
  for (char& c : text)
    if (c == '\r') c = '\n';
  std::printf("[%s] %s\n-> %s\n\n", simhost::DialogKindName(dialog.kind), text.c_str(), dialog.answer.c_str());
  std::fflush(stdout);
}

bool AskOnTerminal(const simhost::Dialog& dialog) {
  std::string text = dialog.text;
  for (char& c : text)
    if (c == '\r') c = '\n';
  std::fprintf(stderr, "[%s] %s\nAnswer yes or no [y/N]: ", simhost::DialogKindName(dialog.kind), text.c_str());
  std::fflush(stderr);
  std::string line;
  if (!std::getline(std::cin, line)) return false;
  return !line.empty() && (line[0] == 'y' || line[0] == 'Y');
}

}  // namespace

CommandRegistration::CommandRegistration(const Command& command) { Commands()[command.name] = command; }

bool ValidatorFailed() { return gValidatorFailed; }
bool UsageFailed() { return gUsageFailed; }

int UsageError(const std::string& message) {
  if (!message.empty()) std::fprintf(stderr, "kestrune-host: %s\n\n", message.c_str());
  PrintUsage(stderr);
  return kExitUsage;
}

std::string FourCharText(AIErr status) {
  const ai::uint32 bits = static_cast<ai::uint32>(status);
  std::string chars;
  for (int shift = 24; shift >= 0; shift -= 8) {
    char c = static_cast<char>((bits >> shift) & 0xFF);
    chars.push_back(c >= 32 && c < 127 ? c : '.');
  }
  char hex[16];
  std::snprintf(hex, sizeof(hex), "0x%08x", bits);
  return chars + " " + hex;
}

std::unique_ptr<simhost::Host> MakeHost(const Options& options, bool loadPlugin) {
  auto host = std::make_unique<simhost::Host>(options.config);
  ApplyFontOptions(host->documents().fonts(), options);
  host->validator().reporter = ReportValidatorFailure;
  // Points of the plug-in's own events exist once it has started; they are set then.
  if (!InjectFailures(*host, options, false)) return nullptr;
  simhost::UserInterface& ui = host->ui();
  ui.observer = PrintDialog;
  if (options.answer) {
    ui.SetDefaultAnswer(*options.answer);
  } else if (simhost::os::InputIsTerminal()) {
    ui.asker = AskOnTerminal;
  }
  if (!options.captureProgress.empty() && !simhost::os::CaptureProgressWindow(options.captureProgress)) {
    std::fprintf(stderr, "kestrune-host: cannot capture the progress window into %s: not a folder\n",
                 options.captureProgress.c_str());
    return nullptr;
  }
  for (simhost::Answer answer : options.answers) ui.QueueAnswer(answer);
  if (loadPlugin && !StartPlugin(*host, options)) return nullptr;
  return host;
}

bool StartPlugin(simhost::Host& host, const Options& options) {
  std::string path = options.pluginPath.empty()
                         ? simhost::os::ProgramFolder() + simhost::os::PathSeparator() + "Kestrune.aip"
                         : options.pluginPath;
  std::string error;
  if (!host.LoadPlugin(path, &error)) {
    std::fprintf(stderr, "kestrune-host: %s\n", error.c_str());
    return false;
  }
  SPErr status = host.Startup();
  if (status != kNoErr) std::fprintf(stderr, "kestrune-host: start-up returned %s\n", FourCharText(status).c_str());
  if (!InjectFailures(host, options, true)) return false;
  // The documents the user has open already, as the user left them.
  for (const Options::OpenDocument& open : options.openDocuments) {
    simhost::Document* document = nullptr;
    if (AIErr err = host.documents().Open(open.path, &document)) {
      std::fprintf(stderr, "kestrune-host: %s: cannot open: %s (%s)\n", open.path.c_str(),
                   host.documents().lastProblem.c_str(), FourCharText(err).c_str());
      host.Shutdown();
      return false;
    }
    if (open.modified) document->modified = true;
  }
  return true;
}

}  // namespace cli

int main(int argc, char** argv) {
  const std::vector<std::string> given = simhost::os::ProgramArguments(argc, argv);
  cli::Options options;
  size_t i = 0;
  auto value = [&](const char* option) -> const char* {
    if (i + 1 >= given.size()) return nullptr;
    (void)option;
    return given[++i].c_str();
  };
  for (; i < given.size(); ++i) {
    std::string arg = given[i];
    if (arg.empty() || arg[0] != '-') break;
    if (arg == "--help" || arg == "-h") {
      cli::PrintUsage(stdout);
      return cli::kExitOk;
    } else if (arg == "--yes") {
      options.answer = true;
    } else if (arg == "--no") {
      options.answer = false;
    } else if (arg == "--capture-progress") {
      const char* v = value("--capture-progress");
      if (v == nullptr) return cli::UsageError("--capture-progress needs a folder");
      options.captureProgress = v;
    } else if (arg == "--answers") {
      const char* v = value("--answers");
      if (v == nullptr) return cli::UsageError("--answers needs a list such as yes,no,cancel");
      std::string list = v;
      for (size_t start = 0; start <= list.size();) {
        size_t comma = list.find(',', start);
        if (comma == std::string::npos) comma = list.size();
        std::optional<simhost::Answer> answer = simhost::AnswerNamed(list.substr(start, comma - start));
        if (!answer)
          return cli::UsageError("--answers: each answer is yes, no or cancel, not \"" +
                                 list.substr(start, comma - start) + "\"");
        options.answers.push_back(*answer);
        start = comma + 1;
      }
    } else if (arg == "--open" || arg == "--open-modified") {
      const char* v = value(arg.c_str());
      if (v == nullptr) return cli::UsageError(arg + " needs a document file");
      options.openDocuments.push_back({v, arg == "--open-modified"});
    } else if (arg == "--fast-timer") {
      options.fastTimer = true;
    } else if (arg == "--modal-ticks") {
      const char* v = value("--modal-ticks");
      int ticks = 0;
      char extra = 0;
      if (v == nullptr || std::sscanf(v, "%d%c", &ticks, &extra) != 1 || ticks < 0 || ticks > 100 || v[0] == '+')
        return cli::UsageError("--modal-ticks needs a whole number from 0 to 100");
      options.config.modalTicks = ticks;
    } else if (arg == "--host-version") {
      const char* v = value("--host-version");
      if (v == nullptr || !cli::ParseVersion(v, &options.config))
        return cli::UsageError("--host-version needs a version X.Y.Z");
    } else if (arg == "--lang") {
      const char* v = value("--lang");
      if (v == nullptr || (std::strcmp(v, "en") != 0 && std::strcmp(v, "ja") != 0))
        return cli::UsageError("--lang needs en or ja");
      options.config.language = std::strcmp(v, "ja") == 0 ? 1 : 0;
    } else if (arg == "--plugin") {
      const char* v = value("--plugin");
      if (v == nullptr) return cli::UsageError("--plugin needs a path");
      options.pluginPath = v;
    } else if (arg == "--missing-font" || arg == "--installed-font") {
      const char* v = value(arg.c_str());
      if (v == nullptr) return cli::UsageError(arg + " needs a font name");
      (arg == "--missing-font" ? options.missingFonts : options.installedFonts).push_back(v);
    } else if (arg == "--withhold-suite") {
      const char* v = value("--withhold-suite");
      if (v == nullptr) return cli::UsageError("--withhold-suite needs a suite name");
      options.config.withheldSuites.insert(v);
    } else if (arg == "--fail") {
      const char* v = value("--fail");
      if (v == nullptr) return cli::UsageError("--fail needs a call name");
      cli::Options::Failure failure;
      std::string problem;
      if (!cli::ParseFailure(v, &failure, &problem)) return cli::UsageError("--fail: " + problem);
      options.failures.push_back(failure);
    } else {
      return cli::UsageError("unknown option " + arg);
    }
  }
  if (i >= given.size()) return cli::UsageError("no command given");
  auto it = cli::Commands().find(given[i]);
  if (it == cli::Commands().end()) return cli::UsageError("unknown command " + given[i]);
  const std::string problem = cli::CheckFaultOptions(options);
  if (!problem.empty()) return cli::UsageError(problem);
  std::vector<std::string> args(given.begin() + static_cast<std::ptrdiff_t>(i) + 1, given.end());
  int status = cli::kExitFailure;
  // Whatever goes wrong inside a command ends it with a message, never an abort.
  try {
    status = it->second.run(options, args);
  } catch (const std::exception& error) {
    std::fflush(stdout);
    std::fprintf(stderr, "kestrune-host: %s failed: %s\n", given[i].c_str(), error.what());
    status = cli::kExitFailure;
  }
  if (cli::UsageFailed()) return cli::kExitUsage;
  return cli::ValidatorFailed() ? cli::kExitValidator : status;
}
