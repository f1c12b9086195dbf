// kestrune-host: runs the Kestrune plug-in inside the simulated host.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>

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
               "  --plugin PATH          the plug-in binary (default: Kestrune.aip beside\n"
               "                         this program)\n"
               "  --fast-timer           tick the host timer as fast as possible\n"
               "  --capture-progress DIR write what the progress window shows at each\n"
               "                         repaint into DIR (numbered BMP files on Windows,\n"
               "                         text files on a terminal)\n"
               "  --missing-font NAME    treat the font as not installed (repeatable)\n"
               "  --installed-font NAME  treat the font as installed (repeatable)\n"
               "  --withhold-suite NAME  do not lend the suite to the plug-in (repeatable)\n"
               "  --fail POINT[=CODE]    make a host call fail, e.g. AIMenuSuite.AddMenuItem\n"
               "                         or acquire:AI Menu Suite; CODE is four characters\n"
               "                         or a number (default !IMP) (repeatable)\n"
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
  for (const auto& failure : options.failures) host->faults().Inject(failure.point, failure.status, 1, true);
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
    } else if (arg == "--fast-timer") {
      options.fastTimer = true;
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
      std::string spec = v;
      size_t eq = spec.rfind('=');
      cli::Options::Failure failure{spec, kNotImplementedErr};
      if (eq != std::string::npos) {
        failure.point = spec.substr(0, eq);
        if (!cli::ParseStatus(spec.substr(eq + 1), &failure.status))
          return cli::UsageError("--fail: bad status in " + spec);
      }
      options.failures.push_back(failure);
    } else {
      return cli::UsageError("unknown option " + arg);
    }
  }
  if (i >= given.size()) return cli::UsageError("no command given");
  auto it = cli::Commands().find(given[i]);
  if (it == cli::Commands().end()) return cli::UsageError("unknown command " + given[i]);
  std::vector<std::string> args(given.begin() + static_cast<std::ptrdiff_t>(i) + 1, given.end());
  return it->second.run(options, args);
}
