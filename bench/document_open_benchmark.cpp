// Time and peak memory of the simulated host opening huge files: a sparse file that is
// no document at all, one that starts like a PDF, and a document of the host's own
// with a sparse gap in it.
//
//   document_open_benchmark [DIR] [MiB]    (defaults: $TMPDIR or /tmp, 2048)
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "documents/DocumentFile.h"
#include "documents/DocumentModel.h"
#include "documents/Fonts.h"

namespace {

using Clock = std::chrono::steady_clock;

// In a process of its own, so that its peak memory is its own.
int OpenOnly(const char* path) {
  simhost::Fonts fonts;
  std::unique_ptr<simhost::Document> document;
  std::string problem;
  Clock::time_point start = Clock::now();
  AIErr err = simhost::ReadDocumentFile(path, fonts, &document, &problem);
  double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  char code[5] = {static_cast<char>(err >> 24), static_cast<char>(err >> 16), static_cast<char>(err >> 8),
                  static_cast<char>(err), 0};
  std::printf("%.6f %s %s\n", seconds, err == 0 ? "opened" : code, problem.c_str());
  return 0;
}

struct Run {
  long peakKiB = 0;
  std::string output;
  bool ok = false;
};

Run RunSelf(const std::string& self, const std::string& path) {
  Run run;
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return run;
  pid_t child = fork();
  if (child == 0) {
    dup2(pipeEnds[1], 1);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    execl(self.c_str(), self.c_str(), "--open", path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeEnds[1]);
  char chunk[512];
  ssize_t got;
  while ((got = read(pipeEnds[0], chunk, sizeof(chunk))) > 0) run.output.append(chunk, static_cast<size_t>(got));
  close(pipeEnds[0]);
  int status = 0;
  struct rusage usage {};
  if (child > 0 && wait4(child, &status, 0, &usage) == child) {
    run.peakKiB = usage.ru_maxrss;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  return run;
}

// head, then a sparse gap up to size, then tail: the gap costs no disk.
bool WriteSparse(const std::string& path, const std::string& head, unsigned long long size, const std::string& tail) {
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return false;
  bool ok = write(fd, head.data(), head.size()) == static_cast<ssize_t>(head.size()) &&
            lseek(fd, static_cast<off_t>(size - tail.size()), SEEK_SET) >= 0 &&
            write(fd, tail.data(), tail.size()) == static_cast<ssize_t>(tail.size()) &&
            ftruncate(fd, static_cast<off_t>(size)) == 0;
  return close(fd) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--open") == 0) return OpenOnly(argv[2]);

  const char* tmp = std::getenv("TMPDIR");
  std::string folder = argc > 1 ? argv[1] : (tmp != nullptr ? tmp : "/tmp");
  unsigned long long mebibytes = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 2048;
  if (mebibytes < 2) mebibytes = 2;
  const unsigned long long size = mebibytes << 20;

  char self[4096];
  ssize_t length = readlink("/proc/self/exe", self, sizeof(self) - 1);
  if (length <= 0) return 1;
  self[length] = 0;

  // A document of the host's own, split behind its first line: the gap lies in a
  // comment the reader passes over.
  simhost::Fonts fonts;
  std::string problem;
  auto document = simhost::DocumentFromModel(
      nlohmann::json::parse(R"({"layers": [{"art": [{"type": "textFrame", "runs": [{"text": "Hello"}]}]}]})"), fonts,
      "28.1.0", &problem);
  if (!document) return 1;
  const std::string bytes = simhost::DocumentFileBytes(*document);
  const size_t firstLine = bytes.find('\n') + 1;

  struct Case {
    const char* what;
    std::string head, tail;
  };
  const Case cases[] = {
      {"sparse, no header", "", ""},
      {"a PDF header, then nothing", "%PDF-1.7\n", ""},
      {"the host's document around a gap", bytes.substr(0, firstLine) + "%", "\n" + bytes.substr(firstLine)},
  };
  Run baseline = RunSelf(self, "/nonexistent/kestrune-benchmark.ai");
  std::printf("file size %llu MiB; a process that opens nothing peaks at %.1f MiB\n", mebibytes,
              baseline.peakKiB / 1024.0);
  for (const Case& c : cases) {
    const std::string path = folder + "/kestrune-open-benchmark.ai";
    if (!WriteSparse(path, c.head, size, c.tail)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
    Run run = RunSelf(self, path);
    std::remove(path.c_str());
    if (!run.ok) {
      std::fprintf(stderr, "a run failed\n");
      return 1;
    }
    double seconds = std::strtod(run.output.c_str(), nullptr);
    std::string outcome = run.output.substr(run.output.find(' ') + 1);
    if (!outcome.empty() && outcome.back() == '\n') outcome.pop_back();
    std::printf("%-34s %8.3f s   peak memory %6.1f MiB   %s\n", c.what, seconds, run.peakKiB / 1024.0, outcome.c_str());
  }
  std::printf("targets: seconds and megabytes, whatever the size (peak memory well under 64 MiB)\n");
  return 0;
}
