// Throughput and peak memory of the .ai header inspection on one large file, next to
// grep -c -F /CropBox on the same file.
//
//   inspection_benchmark [DIR] [MiB]    (defaults: $TMPDIR or /tmp, 512)
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "pluginHandler/AISuiteVariables.h"
#include "pdf_chaeck_utility/pdf_chaeck_utility.h"

namespace {

using Clock = std::chrono::steady_clock;

const char kHead[] =
    "%PDF-1.6\n%\xE2\xE3\xCF\xD3\n%!PS-Adobe-3.0\n%%Creator: Adobe Illustrator(R) 13.0\n"
    "%%AI8_CreatorVersion: 13.0.0\n1 0 obj\n<< /Type /Page /BleedBox [0 0 612 792] /CropBox [0 0 612 792] >>\n";
// The same without any creator token: the creator scan then runs over the whole file.
const char kHeadWithoutCreator[] =
    "%PDF-1.6\n%\xE2\xE3\xCF\xD3\n%!PS-Adobe-3.0\n%%Title: untitled\n"
    "1 0 obj\n<< /Type /Page /BleedBox [0 0 612 792] /CropBox [0 0 612 792] >>\n";
const char kMiddle[] = "\n3 0 obj\n<< /Type /Page /BleedBox [0 0 612 792] /CropBox [9 9 603 783] >>\nendobj\n";
const char kTail[] = "\n/BleedBox [0 0 612 792]\n/CropBox [18 18 594 774]";

// A page description of the usual kind: drawing operators, names and numbers on short
// lines, with a compressed stream now and then.
std::vector<char> FillerBlock() {
  const char* lines[] = {
      "/Type /Page /Parent 3 0 R /Resources << /Font << /F1 5 0 R >> /ExtGState << /GS0 7 0 R >> >>\n",
      "0.5 0.25 0.75 rg 10.5 20.25 m 30 40 l 50.125 60 70 80 90 100 c S\n",
      "BT /F1 12 Tf 72 712 Td (Quarterly report, page one) Tj ET\n",
      "q 1 0 0 1 36 36 cm /Im0 Do Q\n",
      "/Filter /FlateDecode /Length 4096 /DecodeParms << /Predictor 12 /Columns 5 >>\n",
  };
  std::vector<char> block;
  unsigned state = 12345;
  while (block.size() < (1u << 20)) {
    for (const char* line : lines) block.insert(block.end(), line, line + std::strlen(line));
    if ((state & 7) == 0) {
      const char stream[] = "stream\n";
      block.insert(block.end(), stream, stream + sizeof(stream) - 1);
      for (int i = 0; i < 2048; ++i) {
        state = state * 1103515245u + 12345u;
        block.push_back(static_cast<char>(state >> 16));
      }
      const char end[] = "\nendstream\n";
      block.insert(block.end(), end, end + sizeof(end) - 1);
    }
    state = state * 1103515245u + 12345u;
  }
  block.resize(1u << 20);
  return block;
}

bool WriteFile(const std::string& path, unsigned long long bytes, const char* head) {
  FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return false;
  std::vector<char> block = FillerBlock();
  unsigned long long written = 0;
  const unsigned long long middle = bytes / 2;
  bool middleDone = false;
  std::fwrite(head, 1, std::strlen(head), out);
  written += std::strlen(head);
  const unsigned long long body = bytes - (sizeof(kTail) - 1);
  while (written < body) {
    unsigned long long take = body - written < block.size() ? body - written : block.size();
    if (!middleDone && written + take >= middle) {
      std::fwrite(kMiddle, 1, sizeof(kMiddle) - 1, out);
      written += sizeof(kMiddle) - 1;
      middleDone = true;
      continue;
    }
    std::fwrite(block.data(), 1, static_cast<size_t>(take), out);
    written += take;
  }
  std::fwrite(kTail, 1, sizeof(kTail) - 1, out);
  return std::fclose(out) == 0;
}

void SetRect(AIRealRect* rect, AIReal left, AIReal top, AIReal right, AIReal bottom) {
  *rect = AIRealRect{left, top, right, bottom};
}
// Only the member the inspection calls; the others stay null.
const AIRealMathSuite kRealMath = [] {
  AIRealMathSuite suite{};
  suite.AIRealRectSet = SetRect;
  return suite;
}();

// In a process of its own, so that its peak memory is its own.
int InspectOnly(const char* path) {
  sRealMath = &kRealMath;
  Clock::time_point start = Clock::now();
  PDF_CHECK_INFO info;
  PDFGetInformation(path, &info);
  double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("%.6f %d %d %d %g %g %g %g %g %g %g %g %d\n", seconds, info.creatorMajor, info.creatorMinor,
              info.creatorKind, info.bleedBox.left, info.bleedBox.top, info.bleedBox.right, info.bleedBox.bottom,
              info.cropBox.left, info.cropBox.top, info.cropBox.right, info.cropBox.bottom,
              PDFIncludesTrimArea(&info) ? 1 : 0);
  return 0;
}

struct Run {
  double seconds = 0;
  long peakKiB = 0;
  std::string output;
  bool ok = false;
};

Run RunProgram(const std::vector<std::string>& arguments) {
  Run run;
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return run;
  Clock::time_point start = Clock::now();
  pid_t child = fork();
  if (child == 0) {
    dup2(pipeEnds[1], 1);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
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
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.peakKiB = usage.ru_maxrss;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) <= 1;  // grep -c exits 1 for no match
  }
  return run;
}

Run Best(const std::vector<std::string>& arguments, int times) {
  Run best;
  for (int i = 0; i < times; ++i) {
    Run run = RunProgram(arguments);
    if (!run.ok) return run;
    if (!best.ok || run.seconds < best.seconds) best = run;
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--inspect") == 0) return InspectOnly(argv[2]);

  const char* tmp = std::getenv("TMPDIR");
  std::string folder = argc > 1 ? argv[1] : (tmp != nullptr ? tmp : "/tmp");
  unsigned long long mebibytes = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 512;
  if (mebibytes == 0) mebibytes = 1;
  const unsigned long long bytes = mebibytes << 20;
  std::string path = folder + "/kestrune-inspection-benchmark.ai";

  std::printf("Writing %llu MiB to %s ...\n", mebibytes, path.c_str());
  if (!WriteFile(path, bytes, kHead)) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return 1;
  }
  std::string self = "/proc/self/exe";
  char resolved[4096];
  ssize_t length = readlink(self.c_str(), resolved, sizeof(resolved) - 1);
  if (length > 0) {
    resolved[length] = 0;
    self = resolved;
  }

  // Both read the file from the page cache: warm it first.
  Best({"grep", "-c", "-F", "/CropBox", path}, 1);
  Run inspection = Best({self, "--inspect", path}, 3);
  Run grep = Best({"grep", "-c", "-F", "/CropBox", path}, 3);
  bool noCreatorWritten = WriteFile(path, bytes, kHeadWithoutCreator);
  Best({"grep", "-c", "-F", "/CropBox", path}, 1);
  Run noCreator = noCreatorWritten ? Best({self, "--inspect", path}, 3) : Run();
  std::remove(path.c_str());
  if (!inspection.ok || !grep.ok || !noCreator.ok) {
    std::fprintf(stderr, "a run failed\n");
    return 1;
  }

  double inspectSeconds = std::strtod(inspection.output.c_str(), nullptr);
  double megabytes = static_cast<double>(bytes) / 1e6;
  double inspectRate = megabytes / inspectSeconds;
  double grepRate = megabytes / grep.seconds;
  std::printf("file                  %llu MiB, tokens at the start, in the middle and at the very end\n", mebibytes);
  std::printf("record                %s", inspection.output.substr(inspection.output.find(' ') + 1).c_str());
  std::printf("                      (major minor kind | bleed box | crop box | trim area)\n");
  std::printf("PDFGetInformation     %.3f s   %.0f MB/s   peak memory %.1f MiB (target < 32 MiB)\n", inspectSeconds,
              inspectRate, inspection.peakKiB / 1024.0);
  std::printf("grep -c -F /CropBox   %.3f s   %.0f MB/s   (%s lines)\n", grep.seconds, grepRate,
              grep.output.substr(0, grep.output.find('\n')).c_str());
  std::printf("throughput ratio      %.2f (inspection / grep, target >= 1.00)\n", inspectRate / grepRate);
  double worstSeconds = std::strtod(noCreator.output.c_str(), nullptr);
  std::printf("without any creator token, the creator scan runs to the end of the file:\n");
  std::printf("PDFGetInformation     %.3f s   %.0f MB/s   peak memory %.1f MiB   ratio to grep %.2f\n", worstSeconds,
              megabytes / worstSeconds, noCreator.peakKiB / 1024.0, (megabytes / worstSeconds) / grepRate);
  return 0;
}
