// The running program: where it lives, its command line and environment, and running
// another program.
#ifndef KESTRUNE_SIMHOST_OS_PROCESS_H
#define KESTRUNE_SIMHOST_OS_PROCESS_H

#include <cstddef>
#include <string>
#include <vector>

namespace simhost {
namespace os {

// The folder holding the running program's binary; "." when it cannot be told.
std::string ProgramFolder();
// The arguments behind the program's name, as UTF-8 whatever the system passed.
std::vector<std::string> ProgramArguments(int argc, char** argv);
// The UTF-8 value of an environment variable; empty when it is unset.
std::string EnvironmentValue(const std::string& name);
// How many files the process holds open, for checks that nothing is left open.
size_t OpenFileCount();
// Runs the program with these arguments (passed as they are, through no shell), no
// standard input, and its standard output and error written to the two files; waits for
// it. Its exit status; 127 when it could not be started, -1 when it did not exit by itself.
int RunProgram(const std::string& program, const std::vector<std::string>& arguments, const std::string& outPath,
               const std::string& errPath);

}  // namespace os
}  // namespace simhost

#endif
