#include "Program.h"

#include "PlatformExpectations.h"
#include "TestHost.h"
#include "os/Process.h"

namespace testing_support {

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments) {
  ProgramRun run;
  std::string folder = MakeTempFolder("run");
  run.exitStatus = simhost::os::RunProgram(program, arguments, folder + "/stdout", folder + "/stderr");
  run.out = ProgramText(ReadFile(folder + "/stdout"));
  run.err = ProgramText(ReadFile(folder + "/stderr"));
  RemoveTree(folder);
  return run;
}

}  // namespace testing_support
