// The simulated host on Linux: dlopen, POSIX files, fontconfig, and a terminal for a
// window system.
#include "system/HostSystem.h"

#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <iconv.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace simhost {
namespace host_system {

void* LoadBinary(const std::string& path, std::string* error) {
  void* binary = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (binary == nullptr && error != nullptr) *error = dlerror();
  return binary;
}

void* FindEntry(void* binary, const char* name) { return binary != nullptr ? dlsym(binary, name) : nullptr; }

void UnloadBinary(void* binary) {
  if (binary != nullptr) dlclose(binary);
}

char PathSeparator() { return '/'; }
bool IsPathSeparator(char c) { return c == '/'; }

std::string AbsolutePath(const std::string& path) {
  if (path.empty() || path[0] == '/') return path;
  std::vector<char> cwd(4096);
  if (getcwd(cwd.data(), cwd.size()) == nullptr) return path;
  std::string base(cwd.data());
  return base == "/" ? "/" + path : base + "/" + path;
}

PathKind KindOf(const std::string& path, bool followLinks) {
  struct stat info;
  if (path.empty() || (followLinks ? stat(path.c_str(), &info) : lstat(path.c_str(), &info)) != 0)
    return PathKind::kMissing;
  if (S_ISREG(info.st_mode)) return PathKind::kFile;
  if (S_ISDIR(info.st_mode)) return PathKind::kFolder;
  return PathKind::kOther;
}

bool ReadWholeFile(const std::string& path, std::string* bytes) {
  if (KindOf(path, true) != PathKind::kFile) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) return false;
  std::stringstream read;
  read << in.rdbuf();
  if (in.bad()) return false;
  *bytes = read.str();
  return true;
}

bool ReplaceWholeFile(const std::string& path, const std::string& bytes) {
  size_t slash = path.rfind('/');
  std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  std::string pattern = folder + "/.kestrune-save-XXXXXX";
  int fd = mkstemp(pattern.data());
  if (fd < 0) return false;
  bool ok = true;
  for (size_t done = 0; ok && done < bytes.size();) {
    ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    ok = wrote > 0;
    if (ok) done += static_cast<size_t>(wrote);
  }
  ok = close(fd) == 0 && ok;
  if (ok) ok = fchmodat(AT_FDCWD, pattern.c_str(), 0644, 0) == 0 && rename(pattern.c_str(), path.c_str()) == 0;
  if (!ok) unlink(pattern.c_str());
  return ok;
}

std::string TemporaryFolder() {
  std::error_code ignored;
  std::filesystem::path temp = std::filesystem::temp_directory_path(ignored);
  return temp.empty() ? std::string("/tmp") : temp.string();
}

std::string MakeTemporaryFolder(const std::string& tag) {
  std::string pattern = TemporaryFolder() + "/kestrune-" + tag + "-XXXXXX";
  return mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
}

std::string ProgramFolder() {
  char path[4096];
  ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
  if (length <= 0) return ".";
  path[length] = 0;
  std::string full(path);
  size_t slash = full.rfind('/');
  return slash == std::string::npos ? "." : full.substr(0, slash);
}

bool InputIsTerminal() { return isatty(STDIN_FILENO) != 0; }

namespace {

// Converts with iconv; with lenient, each character the target cannot hold becomes "?".
bool Iconv(const char* to, const char* from, const std::string& in, std::string* out, bool lenient) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  out->clear();
  std::vector<char> buffer(in.size() * 4 + 16);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  bool ok = true;
  while (srcLeft > 0) {
    char* dst = buffer.data();
    size_t dstLeft = buffer.size();
    size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out->append(buffer.data(), buffer.size() - dstLeft);
    if (r != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    if (!lenient) {
      ok = false;
      break;
    }
    // Lenient conversion is from UTF-8: a character the target cannot hold is one "?".
    unsigned char lead = static_cast<unsigned char>(*src);
    size_t skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (skip > srcLeft) skip = srcLeft;
    out->append("?");
    src += skip;
    srcLeft -= skip;
  }
  iconv_close(cd);
  return ok;
}

}  // namespace

bool ShiftJISToUtf8(const std::string& shiftJis, std::string* utf8) {
  return Iconv("UTF-8", "CP932", shiftJis, utf8, false);
}

std::string Utf8ToShiftJIS(const std::string& utf8) {
  std::string shiftJis;
  Iconv("CP932", "UTF-8", utf8, &shiftJis, true);
  return shiftJis;
}

namespace {

// fontconfig holds its configuration and caches until told to let them go.
struct FontconfigSession {
  bool started = false;
  bool Start() { return started || (started = FcInit()); }
  ~FontconfigSession() {
    if (started) FcFini();
  }
};

FontconfigSession gFontconfig;

bool ListsAny(const char* object, const std::string& name) {
  FcPattern* pattern = FcPatternCreate();
  if (pattern == nullptr) return false;
  FcPatternAddString(pattern, object, reinterpret_cast<const FcChar8*>(name.c_str()));
  FcObjectSet* objects = FcObjectSetBuild(FC_FILE, static_cast<char*>(nullptr));
  FcFontSet* found = objects != nullptr ? FcFontList(nullptr, pattern, objects) : nullptr;
  bool any = found != nullptr && found->nfont > 0;
  if (found != nullptr) FcFontSetDestroy(found);
  if (objects != nullptr) FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  return any;
}

}  // namespace

bool FontInstalled(const std::string& name) {
  if (name.empty() || !gFontconfig.Start()) return false;
  return ListsAny(FC_POSTSCRIPT_NAME, name) || ListsAny(FC_FULLNAME, name) || ListsAny(FC_FAMILY, name);
}

// A terminal has no windows: the progress window draws itself on standard error.
void* MainWindow() { return nullptr; }

void WaitHandlingEvents(int milliseconds) {
  if (milliseconds <= 0) return;
  struct timespec rest {
    milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1000000L
  };
  while (nanosleep(&rest, &rest) != 0) {
  }
}

// The terminal window is the plug-in's own drawing on standard error; it writes each
// line it draws into the folder named here as well.
bool CaptureProgressWindow(const std::string& folder) {
  if (KindOf(folder, true) != PathKind::kFolder) return false;
  return setenv("KESTRUNE_CAPTURE_PROGRESS", AbsolutePath(folder).c_str(), 1) == 0;
}

}  // namespace host_system
}  // namespace simhost
