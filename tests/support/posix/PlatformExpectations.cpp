// POSIX: '/' between names, ".ai" or ".AI" only, readdir's order, Ctrl-C as Abort,
// and the terminal progress window's lines on standard error.
#include "PlatformExpectations.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>

#include "TestHost.h"
#include "os/Terminal.h"

namespace testing_support {

std::basic_string<PlatformPathChar> PathText(const std::string& utf8) { return utf8; }
std::string Utf8Text(const PlatformPathChar* path) { return path; }

char Separator() { return '/'; }

std::string Native(const std::string& relative) { return relative; }

std::string Joined(const std::string& folder, const std::string& relative) { return folder + "/" + relative; }

bool AiExtensionIgnoresCase() { return false; }

bool ShiftJISOverflowYieldsNothing() { return false; }

std::string SystemLibraryWithoutPluginMain() { return "/lib/x86_64-linux-gnu/libm.so.6"; }

std::string ProgramText(const std::string& written) { return written; }

std::string PdfStructureProblem(const std::string& path) {
  const std::string command = "qpdf --check '" + path + "' > /dev/null 2>&1";
  const int status = std::system(command.c_str());
  return status == 0 ? std::string() : "qpdf --check ended with " + std::to_string(status);
}

std::string SuiteFailureReport(const std::string& text) { return "acquire_suites_error : " + text + "\n"; }

std::vector<std::string> ListedNames(const std::string& folder) {
  std::vector<std::string> names;
  DIR* stream = opendir(folder.c_str());
  if (stream == nullptr) return names;
  while (struct dirent* entry = readdir(stream)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(stream);
  return names;
}

void PressAbort() { simhost::os::RaiseInterrupt(); }

void SetEnvironment(const std::string& name, const char* value) {
  if (value != nullptr) {
    setenv(name.c_str(), value, 1);
  } else {
    unsetenv(name.c_str());
  }
}

namespace {

std::vector<int> PercentagesIn(const std::string& drawn) {
  std::vector<int> shown;
  const std::regex percent(R"(\] (\d+)%)");
  for (auto it = std::sregex_iterator(drawn.begin(), drawn.end(), percent); it != std::sregex_iterator(); ++it)
    shown.push_back(std::stoi((*it)[1]));
  return shown;
}

}  // namespace

std::string CaptureFileName(int nth) {
  char name[32];
  std::snprintf(name, sizeof(name), "progress-%04d.txt", nth);
  return name;
}

std::vector<int> CapturedPercentages(const std::string& folder) {
  std::vector<std::string> shots;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) shots.push_back(entry.path().string());
  std::sort(shots.begin(), shots.end());
  std::vector<int> shown;
  for (const std::string& shot : shots) {
    const std::vector<int> line = PercentagesIn(ReadFile(shot));
    shown.push_back(line.size() == 1 ? line[0] : -1);
  }
  return shown;
}

struct ProgressRecord::State {
  bool capturing = true;
};

ProgressRecord::ProgressRecord() : state_(new State) { testing::internal::CaptureStderr(); }

ProgressRecord::~ProgressRecord() {
  if (state_->capturing) testing::internal::GetCapturedStderr();
}

std::vector<int> ProgressRecord::Percentages() {
  std::vector<int> shown;
  if (!state_->capturing) return shown;
  state_->capturing = false;
  return PercentagesIn(testing::internal::GetCapturedStderr());
}

}  // namespace testing_support
