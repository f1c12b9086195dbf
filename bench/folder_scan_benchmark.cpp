// The recursive folder scan on a generated tree of 100,000 entries, next to
// find DIR -name '*.ai' on the same tree.
//
//   folder_scan_benchmark [DIR] [ENTRIES]    (defaults: $TMPDIR or /tmp, 100000)
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "menuHandler/folderScan.h"

namespace {

using Clock = std::chrono::steady_clock;

// Folders of 100 entries each, two levels deep; most files are .ai, the rest are what
// a real folder holds beside them.
long MakeTree(const std::string& root, long entries, long* aiFiles) {
  const char* kinds[] = {".ai", ".ai", ".ai", ".ai", ".ai", ".ai", ".AI", ".txt", ".pdf", "[CP_updated_Ai28.1.0].ai"};
  long made = 0;
  *aiFiles = 0;
  mkdir(root.c_str(), 0755);
  for (int top = 0; made < entries; ++top) {
    std::string topFolder = root + "/group" + std::to_string(top);
    if (mkdir(topFolder.c_str(), 0755) != 0) return made;
    ++made;
    for (int sub = 0; sub < 10 && made < entries; ++sub) {
      std::string folder = topFolder + "/job" + std::to_string(sub);
      if (mkdir(folder.c_str(), 0755) != 0) return made;
      ++made;
      for (int file = 0; file < 99 && made < entries; ++file) {
        const char* kind = kinds[file % 10];
        std::string name = (file % 33 == 5 ? "." : "") + std::string("artwork-") + std::to_string(file) + kind;
        int fd = open((folder + "/" + name).c_str(), O_CREAT | O_WRONLY, 0644);
        if (fd < 0) return made;
        close(fd);
        ++made;
        if (name[0] != '.' && std::strcmp(kind, ".ai") == 0) ++*aiFiles;
      }
    }
  }
  return made;
}

// For comparison only: the same walk writing its entries into one block that is
// allocated and touched beforehand, which shows the walk apart from the memory that a
// fresh list of 512-byte entries costs.
std::vector<CP_SPOOL> gReused;
void* ReusedBlock(void* /*block*/, size_t bytes) {
  return bytes <= gReused.size() * sizeof(CP_SPOOL) ? gReused.data() : nullptr;
}

double ScanSeconds(const std::string& root, bool reused, ai::int32* found) {
  FolderScanServices services = DefaultFolderScanServices();
  if (reused) services.resize = ReusedBlock;
  Clock::time_point start = Clock::now();
  CP_SPOOL* list = nullptr;
  ai::int32 count = 0;
  GetDirectoryFileListProcess(services, root.c_str(), &list, &count, 1, nullptr);
  double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (!reused) std::free(list);
  *found = count;
  return seconds;
}

double FindSeconds(const std::string& root) {
  Clock::time_point start = Clock::now();
  pid_t child = fork();
  if (child == 0) {
    int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    execlp("find", "find", root.c_str(), "-name", "*.ai", static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const char* tmp = std::getenv("TMPDIR");
  std::string folder = argc > 1 ? argv[1] : (tmp != nullptr ? tmp : "/tmp");
  long entries = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 100000;
  std::string root = folder + "/kestrune-scan-benchmark";
  std::error_code ignored;
  std::filesystem::remove_all(root, ignored);

  std::printf("Making %ld entries under %s ...\n", entries, root.c_str());
  long aiFiles = 0;
  long made = MakeTree(root, entries, &aiFiles);
  if (made < entries) {
    std::fprintf(stderr, "made only %ld entries\n", made);
    std::filesystem::remove_all(root, ignored);
    return 1;
  }

  ai::int32 found = 0;
  ScanSeconds(root, false, &found);  // warms the directory cache for all
  if (FindSeconds(root) < 0) {
    std::fprintf(stderr, "find failed\n");
    std::filesystem::remove_all(root, ignored);
    return 1;
  }
  gReused.assign(static_cast<size_t>(entries), CP_SPOOL{});
  double scan = 1e9, walk = 1e9, find = 1e9;
  ai::int32 walkFound = 0;
  for (int i = 0; i < 3; ++i) {
    double s = ScanSeconds(root, false, &found);
    double w = ScanSeconds(root, true, &walkFound);
    double f = FindSeconds(root);
    if (s < scan) scan = s;
    if (w < walk) walk = w;
    if (f >= 0 && f < find) find = f;
  }
  std::filesystem::remove_all(root, ignored);

  std::printf("tree                          %ld entries, %ld visible unmarked .ai files\n", made, aiFiles);
  std::printf("GetDirectoryFileListProcess   %.3f s   %d files listed (.ai and .AI), list of %.0f MB grown\n", scan,
              found, found * static_cast<double>(sizeof(CP_SPOOL)) / 1e6);
  std::printf("                                         one entry per file\n");
  std::printf("  the walk alone              %.3f s   %d files, into a block made beforehand (comparison)\n", walk,
              walkFound);
  std::printf("find DIR -name '*.ai'         %.3f s\n", find);
  std::printf("time ratio                    %.2f (scan / find; below 1 is faster)\n", scan / find);
  std::printf("  the walk alone              %.2f\n", walk / find);
  return 0;
}
