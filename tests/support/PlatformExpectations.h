// What a test expects that differs by platform, in one place: the separator the
// plug-in writes, which names count as ".ai", the order the system lists a folder in,
// how the user aborts the progress window, what that window showed, and the
// environment handed to the plug-in and to child programs.
#ifndef KESTRUNE_TESTS_PLATFORMEXPECTATIONS_H
#define KESTRUNE_TESTS_PLATFORMEXPECTATIONS_H

#include <memory>
#include <string>
#include <vector>

#include "platform/PathRules.h"

namespace testing_support {

// A UTF-8 path in the form the plug-in's file services take (UTF-16 on Windows), and back.
std::basic_string<PlatformPathChar> PathText(const std::string& utf8);
std::string Utf8Text(const PlatformPathChar* path);

// The separator the plug-in puts between a folder and a name: '/' or '\\'.
char Separator();
// A relative name ("sub/a.ai") with the platform's separator, as the log writes it.
std::string Native(const std::string& relative);
// folder, the platform's separator, then the relative name in the platform's form.
std::string Joined(const std::string& folder, const std::string& relative);
// True where ".AI" is not the only other spelling of ".ai": Windows compares A to Z
// without case, so ".Ai" and ".aI" count too.
bool AiExtensionIgnoresCase();
// True where a Shift-JIS text too long for its buffer converts to nothing (Windows'
// WideCharToMultiByte), false where it is cut behind its last whole character.
bool ShiftJISOverflowYieldsNothing();
// What the plug-in reports on its own when it cannot acquire a suite (the text of the
// report): a line on standard error on a terminal, nothing on Windows.
std::string SuiteFailureReport(const std::string& text);
// A child program's standard output or error as a POSIX program writes it: Windows'
// C library writes each "\n" there as "\r\n".
std::string ProgramText(const std::string& written);
// Checks the file's PDF structure with qpdf where the test can run it (POSIX); the
// problem found, empty when none or when no checker runs here.
std::string PdfStructureProblem(const std::string& path);
// A shared library of the system that has no PluginMain.
std::string SystemLibraryWithoutPluginMain();
// The names in the folder in the order the system lists them, without "." and "..".
std::vector<std::string> ListedNames(const std::string& folder);
// Aborts the open progress window as its user would (Ctrl-C, or a click on Abort).
void PressAbort();
// Sets (or, with null, removes) a variable of this process's environment, which the
// plug-in and the programs it starts see.
void SetEnvironment(const std::string& name, const char* value);

// The name of the nth (from 1) file that --capture-progress writes.
std::string CaptureFileName(int nth);
// The percentage the bar showed in each file --capture-progress wrote into the folder,
// in the order they were written.
std::vector<int> CapturedPercentages(const std::string& folder);

// Records what the progress window shows while the object lives.
class ProgressRecord {
 public:
  ProgressRecord();
  ~ProgressRecord();
  ProgressRecord(const ProgressRecord&) = delete;
  ProgressRecord& operator=(const ProgressRecord&) = delete;
  // Ends the record: the percentage the bar showed at each repaint, in order.
  std::vector<int> Percentages();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace testing_support

#endif
