// Runs the kestrune-host program and collects what it printed.
#ifndef KESTRUNE_TESTS_PROGRAM_H
#define KESTRUNE_TESTS_PROGRAM_H

#include <string>

namespace testing_support {

struct ProgramRun {
  int exitStatus = -1;
  std::string out;
  std::string err;
};

// Runs the program with the given arguments (each quoted for the shell), with no
// standard input.
ProgramRun RunProgram(const std::string& program, const std::string& arguments);
std::string Quote(const std::string& text);

}  // namespace testing_support

#endif
