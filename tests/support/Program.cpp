#include "Program.h"

#include <sys/wait.h>

#include <cstdio>

#include "TestHost.h"

namespace testing_support {

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

ProgramRun RunProgram(const std::string& program, const std::string& arguments) {
  ProgramRun run;
  std::string folder = MakeTempFolder("run");
  std::string errPath = folder + "/stderr";
  std::string command = Quote(program) + " " + arguments + " </dev/null 2>" + Quote(errPath);
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof(buffer), pipe)) > 0) run.out.append(buffer, n);
  int status = pclose(pipe);
  run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = ReadFile(errPath);
  RemoveTree(folder);
  return run;
}

}  // namespace testing_support
