#include "os/Files.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace simhost {
namespace os {

// Linux file names are bytes; UTF-8 passes through unchanged.
std::filesystem::path NativePath(const std::string& utf8Path) { return std::filesystem::path(utf8Path); }

std::string Utf8Path(const std::filesystem::path& path) { return path.string(); }

bool IsAbsolutePath(const std::string& utf8Path) { return !utf8Path.empty() && utf8Path[0] == '/'; }

PathKind KindOfPath(const std::string& utf8Path, bool followLinks) {
  struct stat st;
  if (utf8Path.empty() || (followLinks ? stat(utf8Path.c_str(), &st) : lstat(utf8Path.c_str(), &st)) != 0)
    return PathKind::kMissing;
  if (S_ISDIR(st.st_mode)) return PathKind::kFolder;
  if (S_ISREG(st.st_mode)) return PathKind::kRegularFile;
  return PathKind::kOther;
}

std::string WorkingFolder() {
  std::vector<char> buffer(4096);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE || buffer.size() > (1u << 20)) return std::string();
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

std::string TemporaryFolder() {
  std::error_code ignored;
  std::filesystem::path temp = std::filesystem::temp_directory_path(ignored);
  return temp.empty() ? std::string("/tmp") : temp.string();
}

bool MakeUniqueFolder(const std::string& parent, const std::string& prefix, std::string* made) {
  std::string pattern = parent + (parent.empty() || parent.back() == '/' ? "" : "/") + prefix + "XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) return false;
  *made = pattern;
  return true;
}

bool WriteFileReplacing(const std::string& utf8Path, const std::string& bytes) {
  size_t slash = utf8Path.rfind('/');
  std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : utf8Path.substr(0, slash);
  std::string pattern = folder + (folder == "/" ? "" : "/") + ".kestrune-save-XXXXXX";
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
  // mkstemp makes the file private; a saved document is as readable as any other.
  if (ok) ok = chmod(pattern.c_str(), 0644) == 0 && std::rename(pattern.c_str(), utf8Path.c_str()) == 0;
  if (!ok) unlink(pattern.c_str());
  return ok;
}

}  // namespace os
}  // namespace simhost
