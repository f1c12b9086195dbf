#include "activityLog.h"

#include <cstdio>
#include <cstring>

#include "AICharacterEncoding.h"
#include "IAIFilePath.hpp"
#include "platform/Clock.h"
#include "platform/FileAppend.h"
#include "platform/PathRules.h"
#include "shellMain/PluginGlobals.h"

namespace {

constexpr size_t kLogFileNameLength = sizeof(kLogFileName) - 1;
constexpr char kShortenedMark[] = "...";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Copies text into a field, cut behind its last whole character when it is too long.
void CopyCut(const char* text, size_t length, char* field, size_t capacity) {
  size_t kept = WholeUTF8Prefix(text, length, capacity - 1);
  std::memcpy(field, text, kept);
  field[kept] = 0;
}

// A name too long for its field keeps its end, which tells the file apart, behind "...".
void CopyKeepingEnd(const std::string& name, char* field, size_t capacity) {
  if (name.size() < capacity) {
    std::memcpy(field, name.c_str(), name.size() + 1);
    return;
  }
  const size_t markLength = sizeof(kShortenedMark) - 1;
  size_t start = name.size() - (capacity - 1 - markLength);
  for (int step = 0; step < 3 && start < name.size() && IsContinuationByte(name[start]); ++step) ++start;
  std::memcpy(field, kShortenedMark, markLength);
  std::memcpy(field + markLength, name.c_str() + start, name.size() - start + 1);
}

// The text behind the last separator: what the host gives as the file name.
std::string NameAfterLastSeparator(const char* path) {
  const char* slash = std::strrchr(path, platform::PathSeparator());
  return slash == nullptr ? std::string(path) : std::string(slash + 1);
}

// Field 3 of a line: the file name of the updated copy. The path is taken whole: cut
// to a field first, a long one would lose the very name wanted here.
void UpdatedCopyName(const char* updatedPath, char* field) {
  std::string name;
  try {
    ai::FilePath file;
    file.Set(ai::UnicodeString(updatedPath, kAIUTF8CharacterEncoding), true);
    name = file.GetFileName(false).getInStdString(kAIUTF8CharacterEncoding);
  } catch (...) {
    // The line is still worth writing; the name is plain to find without the host.
    name = NameAfterLastSeparator(updatedPath);
  }
  CopyCut(name.c_str(), name.size(), field, kLogFieldBytes);
}

}  // namespace

size_t WholeUTF8Prefix(const char* text, size_t length, size_t limit) {
  if (length <= limit) return length;
  size_t cut = limit;
  // A character is at most four bytes; a longer run of continuation bytes is not
  // UTF-8 and is cut where it stands.
  for (int step = 0; step < 3 && cut > 0 && IsContinuationByte(text[cut]); ++step) --cut;
  return IsContinuationByte(text[cut]) ? limit : cut;
}

void FitConvertedText(const std::string& utf8, char* destination, long capacity, platform::ConversionOverflow rule) {
  if (destination == nullptr || capacity <= 0) return;
  destination[0] = 0;
  size_t room = static_cast<size_t>(capacity);
  if (utf8.size() < room) {
    std::memcpy(destination, utf8.c_str(), utf8.size() + 1);
    return;
  }
  if (rule == platform::ConversionOverflow::kYieldNothing) return;
  CopyCut(utf8.data(), utf8.size(), destination, room);
}

void ShiftJISToUTF8(const char* source, char* destination, long capacity) {
  if (destination == nullptr || capacity <= 0) return;
  destination[0] = 0;
  try {
    std::string utf8;
    if (!platform::ConvertShiftJISToUTF8(source, &utf8)) return;
    FitConvertedText(utf8, destination, capacity, platform::ShiftJISConversionOverflow());
  } catch (...) {
    destination[0] = 0;
  }
}

namespace {

// The length of the UTF-8 character at text[0, length), or 0 when it is not one
// (a stray continuation byte, a cut or overlong sequence, a surrogate, beyond U+10FFFF).
size_t CharacterLength(const unsigned char* text, size_t length) {
  const unsigned char lead = text[0];
  if (lead < 0x80) return 1;
  size_t size;
  unsigned long value;
  if (lead >= 0xC2 && lead <= 0xDF) {
    size = 2;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    size = 3;
    value = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    size = 4;
    value = lead & 0x07;
  } else {
    return 0;
  }
  if (size > length) return 0;
  for (size_t i = 1; i < size; ++i) {
    if ((text[i] & 0xC0) != 0x80) return 0;
    value = (value << 6) | (text[i] & 0x3F);
  }
  const unsigned long smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < smallest[size] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  return size;
}

}  // namespace

void RelativeLogName(const char* logPath, const std::string& full, char* out) {
  if (out == nullptr) return;
  out[0] = 0;
  std::string prefix;
  if (logPath != nullptr) prefix.assign(logPath, strnlen(logPath, kLogFieldBytes));
  if (prefix.size() > kLogFileNameLength &&
      prefix.compare(prefix.size() - kLogFileNameLength, kLogFileNameLength, kLogFileName) == 0)
    prefix.resize(prefix.size() - kLogFileNameLength);

  std::string name;
  if (full.size() > prefix.size() && full.compare(0, prefix.size(), prefix) == 0) name = full.substr(prefix.size());
  if (name.empty()) name = full;
  CopyKeepingEnd(name, out, kLogFieldBytes);
}

std::string ValidUTF8(const char* text, size_t length) {
  static const char kReplacement[] = "\xEF\xBF\xBD";
  std::string valid;
  valid.reserve(length);
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
  size_t i = 0;
  while (i < length) {
    size_t size = CharacterLength(bytes + i, length - i);
    if (size == 0) {
      valid.append(kReplacement);
      ++i;
    } else {
      valid.append(text + i, size);
      i += size;
    }
  }
  return valid;
}

void LogNameFromPath(const char* utf8Path, char* out) {
  if (out == nullptr) return;
  out[0] = 0;
  if (utf8Path == nullptr) return;
  RelativeLogName(g != nullptr ? g->logFilePath : nullptr, ValidUTF8(utf8Path, std::strlen(utf8Path)), out);
}

void GetCPLogFileName(ai::UnicodeString fullPath, char* out) {
  if (out == nullptr) return;
  out[0] = 0;
  RelativeLogName(g != nullptr ? g->logFilePath : nullptr, fullPath.getInStdString(kAIUTF8CharacterEncoding), out);
}

std::string CSVField(const char* text) {
  std::string field = "\"";
  if (text != nullptr) {
    for (const char* quote; (quote = std::strchr(text, '"')) != nullptr; text = quote + 1)
      field.append(text, static_cast<size_t>(quote - text) + 1).append("\"");
    field.append(text);
  }
  field.append("\"");
  return field;
}

bool AppendLogLine(const char* logPath, const char* documentName, const char* updatedPath, const char* message) {
  if (logPath == nullptr || logPath[0] == 0 || documentName == nullptr || documentName[0] == 0) return false;
  try {
    char document[kLogFieldBytes];
    const std::string validName = ValidUTF8(documentName, std::strlen(documentName));
    CopyCut(validName.c_str(), validName.size(), document, sizeof(document));
    char updated[kLogFieldBytes] = "";
    if (updatedPath != nullptr && updatedPath[0] != 0) UpdatedCopyName(updatedPath, updated);
    char text[kLogFieldBytes];
    ShiftJISToUTF8(message != nullptr ? message : "", text, static_cast<long>(sizeof(text)));

    platform::LocalTime now = platform::CurrentLocalTime();
    char stamp[64];
    int length = std::snprintf(stamp, sizeof(stamp), "%4.4d-%2.2d-%2.2d %2.2d:%2.2d:%2.2d", now.year, now.month,
                               now.day, now.hour, now.minute, now.second);
    if (length < 0 || static_cast<size_t>(length) >= sizeof(stamp)) return false;
    // The fields are data, never a format; a name whose quotes are doubled may take
    // twice its field, so the line is no fixed buffer.
    const std::string line =
        CSVField(stamp) + "," + CSVField(document) + "," + CSVField(updated) + "," + CSVField(text) + "\r\n";
    return platform::AppendToFile(logPath, line.data(), line.size());
  } catch (...) {
    return false;  // a line that cannot be made is lost like one that cannot be written
  }
}

bool LogLinesDue(ai::int32 actionMode, ai::int16 timerBusy) {
  return actionMode == kActionModeBulkSave || timerBusy != 0;
}

bool WriteDebugMessage(const char* logPath, const char* documentName, const char* updatedPath, const char* message) {
  if (g == nullptr || !LogLinesDue(g->actionMode, g->timerBusy)) return true;
  return AppendLogLine(logPath, documentName, updatedPath, message);
}

bool MakeLogFilePath(const char* folder, char* out) {
  if (out == nullptr) return false;
  out[0] = 0;
  if (folder == nullptr || folder[0] == 0) return false;
  const char separator = platform::PathSeparator();
  size_t length = std::strlen(folder);
  while (length > 0 && folder[length - 1] == separator) --length;
  if (length + 1 + kLogFileNameLength >= kLogFieldBytes) return false;
  std::memcpy(out, folder, length);
  out[length] = separator;
  std::memcpy(out + length + 1, kLogFileName, kLogFileNameLength + 1);
  return true;
}
