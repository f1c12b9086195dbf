// The plug-in's side of what the panel asks for, as a host in the language the test
// names would give it: the words in their Shift-JIS form, made here from the UTF-8
// that the test expects to see.
#include <iconv.h>

#include <string>

#include "platform/ProgressWindowTexts.h"

namespace {

bool gJapanese = false;
std::string gTitle;
std::string gAbortLabel;

std::string ShiftJISFromUTF8(const char* utf8) {
  std::string in = utf8;
  std::string out(in.size() * 2 + 1, '\0');
  iconv_t converter = iconv_open("SHIFT_JIS", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::string();
  char* from = &in[0];
  char* to = &out[0];
  size_t left = in.size(), room = out.size();
  const bool whole = iconv(converter, &from, &left, &to, &room) != static_cast<size_t>(-1) && left == 0;
  iconv_close(converter);
  if (!whole) return std::string();
  out.resize(out.size() - room);
  return out;
}

}  // namespace

namespace platform {

bool HostUsesJapanese() { return gJapanese; }
const char* ProgressWindowTitle() { return gTitle.c_str(); }
const char* ProgressWindowAbortLabel() { return gAbortLabel.c_str(); }

}  // namespace platform

extern "C" void PanelTest_SetHostTexts(int japanese, const char* titleUtf8, const char* abortUtf8) {
  gJapanese = japanese != 0;
  gTitle = ShiftJISFromUTF8(titleUtf8);
  gAbortLabel = ShiftJISFromUTF8(abortUtf8);
}
