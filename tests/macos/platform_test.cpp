// The macOS platform layer's portable parts, run here: the standard-stream files of
// the log and the inspection, and the Text Encoding Converter loop (against a
// stand-in converter, tests/macos/fake_text_encoding_converter.cpp).
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/FileAppend.h"
#include "platform/FileReader.h"
#include "platform/TextConversion.h"

extern "C" int gFakeTECConverters;

namespace {

int gPassed = 0;
int gFailed = 0;

void Check(bool condition, const std::string& what) {
  printf("%s - %s\n", condition ? "ok" : "not ok", what.c_str());
  (condition ? gPassed : gFailed)++;
}

std::string ReadAll(const std::string& path) {
  std::string text;
  FILE* file = fopen(path.c_str(), "rb");
  if (file == nullptr) return "<missing>";
  char buffer[256];
  size_t got;
  while ((got = fread(buffer, 1, sizeof(buffer), file)) > 0) text.append(buffer, got);
  fclose(file);
  return text;
}

void TestTextConversion() {
  Check(platform::ShiftJISConversionOverflow() == platform::ConversionOverflow::kCutAtLastCharacter,
        "a text too long for its field is cut at its last whole character");
  struct Case {
    const char* what;
    const char* shiftJIS;
    const char* utf8;
  } cases[] = {
      {"ASCII passes unchanged", "Error: Could not open document.", "Error: Could not open document."},
      {"the Japanese title", "\x90\x69\x92\xBB\x8F\xF3\x8B\xB5", "\xE9\x80\xB2\xE6\x8D\x97\xE7\x8A\xB6\xE6\xB3\x81"},
      {"the Japanese marker, ASCII and kanji mixed", "[CP_\x8D\x58\x90\x56\x8D\xCF\x82\xDD",
       "[CP_\xE6\x9B\xB4\xE6\x96\xB0\xE6\xB8\x88\xE3\x81\xBF"},
      {"half-width katakana, one byte in, three out", "\xB1\xB2", "\xEF\xBD\xB1\xEF\xBD\xB2"},
      {"a byte that starts no character becomes U+FFFD and the rest survives",
       "a\x80"
       "b",
       "a\xEF\xBF\xBD"
       "b"},
      {"a lead byte at the very end becomes U+FFFD", "ab\x82", "ab\xEF\xBF\xBD"},
      {"the empty text", "", ""},
  };
  for (const Case& c : cases) {
    std::string utf8 = "not touched";
    bool converted = platform::ConvertShiftJISToUTF8(c.shiftJIS, &utf8);
    Check(converted && utf8 == c.utf8, std::string("converts ") + c.what);
  }
  std::string utf8 = "not touched";
  Check(platform::ConvertShiftJISToUTF8(nullptr, &utf8) && utf8.empty(), "no text converts to the empty text");
  Check(gFakeTECConverters == 0, "every converter is disposed of");
}

void TestFiles(const std::string& folder) {
  const std::string log = folder + "/Kestrune.log";
  Check(platform::AppendToFile(log.c_str(), "one\r\n", 5) && ReadAll(log) == "one\r\n",
        "appending creates a missing log");
  Check(platform::AppendToFile(log.c_str(), "two\r\n", 5) && ReadAll(log) == "one\r\ntwo\r\n",
        "appending keeps what the log held");
  Check(!platform::AppendToFile((folder + "/missing/Kestrune.log").c_str(), "x", 1),
        "a log in a missing folder is reported as not written");
  Check(!platform::AppendToFile("", "x", 1), "an empty path is refused");

  const std::string data = folder + "/sample.ai";
  std::string bytes("%!PS\0binary\r\n", 13);
  bytes.append(5000, 'x');
  platform::AppendToFile(data.c_str(), bytes.data(), bytes.size());
  platform::FileReader reader(data.c_str());
  std::string read;
  char buffer[1024];
  size_t got;
  while ((got = reader.Read(buffer, sizeof(buffer))) > 0) read.append(buffer, got);
  Check(reader.IsOpen() && read == bytes, "the reader returns every byte, zero bytes included");
  Check(reader.Read(buffer, sizeof(buffer)) == 0, "the reader returns 0 at the end");
  platform::FileReader missing((folder + "/none.ai").c_str());
  Check(!missing.IsOpen() && missing.Read(buffer, sizeof(buffer)) == 0, "a missing file does not open");

  // Nothing may hold the host's thread or write through a link. A test that fails
  // here by blocking is ended by the script's time limit.
  const std::string fifo = folder + "/pipe.ai";
  mkfifo(fifo.c_str(), 0600);
  platform::FileReader pipeReader(fifo.c_str());
  Check(!pipeReader.IsOpen(), "a FIFO does not open for reading, and opening it does not wait");
  Check(!platform::AppendToFile(fifo.c_str(), "x", 1), "a FIFO is not appended to, and trying does not wait");
  platform::FileReader folderReader(folder.c_str());
  Check(!folderReader.IsOpen(), "a folder does not open for reading");
  Check(!platform::AppendToFile(folder.c_str(), "x", 1), "a folder is not appended to");
  const std::string target = folder + "/elsewhere.txt";
  const std::string link = folder + "/linked.log";
  platform::AppendToFile(target.c_str(), "kept\n", 5);
  Check(symlink(target.c_str(), link.c_str()) == 0 && !platform::AppendToFile(link.c_str(), "x", 1) &&
            ReadAll(target) == "kept\n",
        "a log that is a symbolic link is refused and its target left alone");

  const std::string growing = folder + "/growing.ai";
  platform::AppendToFile(growing.c_str(), "0123456789", 10);
  platform::FileReader growingReader(growing.c_str());
  platform::AppendToFile(growing.c_str(), "more", 4);
  std::string seen;
  while ((got = growingReader.Read(buffer, 3)) > 0) seen.append(buffer, got);
  Check(seen == "0123456789", "reading stops at the size the file had when it was opened");
}

}  // namespace

int main() {
  char folder[] = "/tmp/kestrune-macos-platform-XXXXXX";
  if (mkdtemp(folder) == nullptr) return 2;
  TestTextConversion();
  TestFiles(folder);
  std::string cleanup = std::string("rm -rf '") + folder + "'";
  if (system(cleanup.c_str()) != 0) return 2;
  printf("macOS platform layer: %d passed, %d failed\n", gPassed, gFailed);
  return gFailed == 0 ? 0 : 1;
}
