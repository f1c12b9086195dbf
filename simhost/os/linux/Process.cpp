#include "os/Process.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace simhost {
namespace os {

std::string ProgramFolder() {
  char path[4096];
  ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
  if (length <= 0) return ".";
  path[length] = 0;
  std::string full(path);
  size_t slash = full.rfind('/');
  return slash == std::string::npos ? "." : slash == 0 ? "/" : full.substr(0, slash);
}

// Linux passes the bytes the caller gave, UTF-8 on any system set up for it.
std::vector<std::string> ProgramArguments(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  return arguments;
}

std::string EnvironmentValue(const std::string& name) {
  const char* value = getenv(name.c_str());
  return value != nullptr ? value : std::string();
}

size_t OpenFileCount() {
  std::error_code failed;
  size_t count = 0;
  for (std::filesystem::directory_iterator it("/proc/self/fd", failed), end; !failed && it != end; it.increment(failed))
    ++count;
  return count;
}

int RunProgram(const std::string& program, const std::vector<std::string>& arguments, const std::string& outPath,
               const std::string& errPath) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  // Everything the child needs is opened before the fork: after it only async-signal-safe
  // calls are allowed.
  int in = open("/dev/null", O_RDONLY | O_CLOEXEC);
  int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  pid_t child = (in >= 0 && out >= 0 && err >= 0) ? fork() : -1;
  if (child == 0) {
    if (dup2(in, STDIN_FILENO) < 0 || dup2(out, STDOUT_FILENO) < 0 || dup2(err, STDERR_FILENO) < 0) _exit(127);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  for (int fd : {in, out, err})
    if (fd >= 0) close(fd);
  if (child < 0) return -1;
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace os
}  // namespace simhost
