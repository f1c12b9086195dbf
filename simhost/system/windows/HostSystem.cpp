// The simulated host on Windows: LoadLibraryW, wide-character files and paths, and
// the system's font list. The window system lives in MainWindow.cpp.
#include "system/HostSystem.h"

#include <windows.h>

#include <set>
#include <vector>

#include "system/windows/WideStrings.h"

namespace simhost {
namespace host_system {
namespace {

std::string LastErrorText() {
  const DWORD code = GetLastError();
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string message = text != nullptr ? Utf8(text) : std::string();
  if (text != nullptr) LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
    message.pop_back();
  return message.empty() ? "error " + std::to_string(code) : message;
}

std::string FolderOf(const std::string& path) {
  size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? std::string(".") : path.substr(0, cut == 0 ? 1 : cut);
}

}  // namespace

void* LoadBinary(const std::string& path, std::string* error) {
  HMODULE binary = LoadLibraryW(Wide(path).c_str());
  if (binary == nullptr && error != nullptr) *error = LastErrorText();
  return binary;
}

void* FindEntry(void* binary, const char* name) {
  if (binary == nullptr) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(binary), name));
}

void UnloadBinary(void* binary) {
  if (binary != nullptr) FreeLibrary(static_cast<HMODULE>(binary));
}

char PathSeparator() { return '\\'; }
bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

std::string AbsolutePath(const std::string& path) {
  if (path.empty()) return path;
  std::wstring wide = Wide(path);
  DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::vector<wchar_t> full(needed + 1);
  DWORD got = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (got == 0 || got >= full.size()) return path;
  return Utf8(std::wstring(full.data(), got));
}

PathKind KindOf(const std::string& path, bool followLinks) {
  if (path.empty()) return PathKind::kMissing;
  const std::wstring wide = Wide(path);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::kMissing;
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    if (!followLinks) return PathKind::kOther;
    HANDLE target = CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (target == INVALID_HANDLE_VALUE) return PathKind::kMissing;
    BY_HANDLE_FILE_INFORMATION info;
    const bool known = GetFileInformationByHandle(target, &info) != 0;
    CloseHandle(target);
    if (!known) return PathKind::kMissing;
    return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::kFolder : PathKind::kFile;
  }
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::kFolder : PathKind::kFile;
}

bool ReadWholeFile(const std::string& path, std::string* bytes) {
  if (bytes == nullptr || KindOf(path, true) != PathKind::kFile) return false;
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  std::string read;
  char chunk[65536];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, chunk, sizeof(chunk), &got, nullptr) != 0) && got > 0) read.append(chunk, got);
  CloseHandle(file);
  if (!ok) return false;
  *bytes = std::move(read);
  return true;
}

bool ReplaceWholeFile(const std::string& path, const std::string& bytes) {
  const std::wstring target = Wide(path);
  const std::wstring folder = Wide(FolderOf(path));
  static unsigned counter = 0;
  std::wstring temporary;
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
    temporary = folder + L"\\.kestrune-save-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++counter) + L".tmp";
    file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  for (size_t done = 0; ok && done < bytes.size();) {
    const size_t rest = bytes.size() - done;
    DWORD wrote = 0;
    ok = WriteFile(file, bytes.data() + done, rest > (1u << 30) ? (1u << 30) : static_cast<DWORD>(rest), &wrote,
                   nullptr) != 0 && wrote > 0;
    done += wrote;
  }
  ok = CloseHandle(file) != 0 && ok;
  if (ok) ok = MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
  if (!ok) DeleteFileW(temporary.c_str());
  return ok;
}

std::string TemporaryFolder() {
  wchar_t folder[MAX_PATH + 1];
  DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  if (length == 0 || length > MAX_PATH) return ".";
  std::string utf8 = Utf8(std::wstring(folder, length));
  while (utf8.size() > 3 && IsPathSeparator(utf8.back())) utf8.pop_back();
  return utf8;
}

std::string MakeTemporaryFolder(const std::string& tag) {
  const std::string base = TemporaryFolder() + "\\kestrune-" + tag + "-";
  unsigned seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
  for (int attempt = 0; attempt < 1000; ++attempt) {
    seed = seed * 1103515245u + 12345u;
    char suffix[16];
    const char* digits = "abcdefghijklmnopqrstuvwxyz0123456789";
    unsigned value = seed;
    for (int i = 0; i < 6; ++i, value /= 36) suffix[i] = digits[value % 36];
    suffix[6] = 0;
    const std::string folder = base + suffix;
    if (CreateDirectoryW(Wide(folder).c_str(), nullptr)) return folder;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return std::string();
  }
  return std::string();
}

std::string ProgramFolder() {
  std::vector<wchar_t> path(32768);
  DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  if (length == 0 || length >= path.size()) return ".";
  std::string full = Utf8(std::wstring(path.data(), length));
  size_t cut = full.find_last_of("\\/");
  return cut == std::string::npos ? "." : full.substr(0, cut);
}

bool InputIsTerminal() { return GetFileType(GetStdHandle(STD_INPUT_HANDLE)) == FILE_TYPE_CHAR; }

namespace {

// The PostScript name (name id 6) from the font's own 'name' table, as fontconfig
// reports it on Linux; empty when the font carries none.
std::wstring PostScriptName(HDC dc, const LOGFONTW& face) {
  HFONT font = CreateFontIndirectW(&face);
  if (font == nullptr) return std::wstring();
  HGDIOBJ previous = SelectObject(dc, font);
  const DWORD kNameTable = 0x656D616E;  // 'name', as GetFontData wants the tag
  std::wstring name;
  const DWORD size = GetFontData(dc, kNameTable, 0, nullptr, 0);
  if (size != GDI_ERROR && size >= 6) {
    std::vector<unsigned char> table(size);
    if (GetFontData(dc, kNameTable, 0, table.data(), size) == size) {
      auto word = [&table](size_t at) -> unsigned { return at + 1 < table.size() ? (table[at] << 8) | table[at + 1] : 0; };
      const unsigned count = word(2), strings = word(4);
      for (unsigned i = 0; i < count && name.empty(); ++i) {
        const size_t record = 6 + 12 * static_cast<size_t>(i);
        const unsigned platform = word(record), id = word(record + 6), length = word(record + 8);
        const size_t at = strings + static_cast<size_t>(word(record + 10));
        if (id != 6 || at + length > table.size()) continue;
        if (platform == 3 || platform == 0) {
          for (size_t k = 0; k + 1 < length; k += 2) name.push_back(static_cast<wchar_t>(word(at + k)));
        } else if (platform == 1) {
          for (size_t k = 0; k < length; ++k) name.push_back(static_cast<wchar_t>(table[at + k]));
        }
      }
    }
  }
  SelectObject(dc, previous);
  DeleteObject(font);
  return name;
}

struct FontNames {
  HDC dc;
  std::set<std::wstring> families;
  std::set<std::wstring> names;  // full names, and PostScript names where asked for
};

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM found) {
  auto* known = reinterpret_cast<FontNames*>(found);
  known->names.insert(reinterpret_cast<const ENUMLOGFONTEXW*>(font)->elfFullName);
  const std::wstring postScript = PostScriptName(known->dc, *font);
  if (!postScript.empty()) known->names.insert(postScript);
  return 1;
}

int CALLBACK CollectFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM found) {
  auto* known = reinterpret_cast<FontNames*>(found);
  if (font->lfFaceName[0] != L'@') known->families.insert(font->lfFaceName);
  return 1;
}

std::wstring WithoutSpaces(const std::wstring& text) {
  std::wstring kept;
  for (wchar_t c : text)
    if (c != L' ') kept.push_back(c);
  return kept;
}

// Family names of every font the system lists, read once; the faces of a family
// (full and PostScript names) are read when a name asked for could be one of them.
FontNames& SystemFonts() {
  static FontNames fonts = [] {
    FontNames found{nullptr, {}, {}};
    HDC dc = GetDC(nullptr);
    found.dc = dc;
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(dc, &all, CollectFamily, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    found.dc = nullptr;
    return found;
  }();
  return fonts;
}

std::set<std::wstring> gFamiliesRead;

void ReadFacesOf(FontNames& fonts, const std::wstring& family) {
  if (!gFamiliesRead.insert(family).second) return;
  fonts.dc = GetDC(nullptr);
  LOGFONTW faces{};
  faces.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(faces.lfFaceName, family.c_str(), LF_FACESIZE - 1);
  EnumFontFamiliesExW(fonts.dc, &faces, CollectFace, reinterpret_cast<LPARAM>(&fonts), 0);
  ReleaseDC(nullptr, fonts.dc);
  fonts.dc = nullptr;
}

}  // namespace

bool FontInstalled(const std::string& name) {
  if (name.empty()) return false;
  FontNames& fonts = SystemFonts();
  const std::wstring wanted = Wide(name);
  if (fonts.families.count(wanted) != 0 || fonts.names.count(wanted) != 0) return true;
  // Full and PostScript names begin with their family's name ("DejaVu Sans Bold",
  // "DejaVuSans-Bold"): only such families are read.
  const std::wstring compact = WithoutSpaces(wanted);
  for (const std::wstring& family : fonts.families) {
    const std::wstring head = WithoutSpaces(family);
    if (!head.empty() && compact.compare(0, head.size(), head) == 0) ReadFacesOf(fonts, family);
  }
  return fonts.names.count(wanted) != 0;
}

}  // namespace host_system
}  // namespace simhost
