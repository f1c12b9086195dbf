// The fonts installed on this computer, from the system's font list: family, full and
// PostScript names (the last read from each font's own name table, as fontconfig gives
// them on Linux).
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "os/InstalledFonts.h"
#include "os/windows/WideStrings.h"

namespace simhost {
namespace os {
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
      auto word = [&table](size_t at) -> unsigned {
        return at + 1 < table.size() ? (table[at] << 8) | table[at + 1] : 0;
      };
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

bool FontIsInstalled(const std::string& name) {
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

}  // namespace os
}  // namespace simhost
