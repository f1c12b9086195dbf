// Runs the kestrune-host program and collects what it printed.
#ifndef KESTRUNE_TESTS_PROGRAM_H
#define KESTRUNE_TESTS_PROGRAM_H

#include <string>
#include <vector>

namespace testing_support {

struct ProgramRun {
  int exitStatus = -1;
  std::string out;
  std::string err;
};

// Runs the program with the given arguments, with no standard input.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace testing_support

#endif
