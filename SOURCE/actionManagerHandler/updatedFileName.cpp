#include "updatedFileName.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "AICharacterEncoding.h"
#include "IAIFilePath.hpp"
#include "actionManagerHandler/activityLog.h"
#include "common/Texts.h"
#include "platform/NameClaim.h"
#include "shellMain/PluginGlobals.h"

namespace {

constexpr char kEnglishMarker[] = "[CP_updated_";
constexpr char kDefaultExtension[] = ".ai";

bool Contains(const char* text, size_t length, const char* marker) {
  size_t markerLength = std::strlen(marker);
  if (markerLength == 0 || markerLength > length) return false;
  return std::string(text, length).find(marker, 0, markerLength) != std::string::npos;
}

// Where the extension's dot stands: only at L-3, L-4 or L-5, so extensions of two to
// four characters are found and nothing else is.
bool FindExtensionDot(const char* path, size_t length, size_t* dot) {
  for (size_t back = 3; back <= 5; ++back) {
    if (back > length) break;
    if (path[length - back] == '.') {
      *dot = length - back;
      return true;
    }
  }
  return false;
}

// Whether the host says the candidate exists. A candidate the host cannot answer for
// counts as taken: a name that might belong to a file is never handed out.
bool CandidateTaken(const char* candidate) {
  try {
    ai::FilePath file;
    file.Set(ai::UnicodeString(candidate, kAIUTF8CharacterEncoding), true);
    return file.Exists(false);
  } catch (...) {
    return true;
  }
}

}  // namespace

void MakeUpdatedNameMarker(ai::int32 language, char* marker) {
  if (marker == nullptr) return;
  if (language == kJapaneseLanguage) {
    ShiftJISToUTF8(TextFor(TextId::kUpdatedNameMarker, kJapaneseLanguage), marker,
                   static_cast<long>(kMarkerFieldBytes - 1));
  } else {
    std::memcpy(marker, kEnglishMarker, sizeof(kEnglishMarker));
  }
}

bool NameCarriesMarker(const char* name, size_t length) {
  if (name == nullptr) return false;
  char japanese[kMarkerFieldBytes];
  MakeUpdatedNameMarker(kJapaneseLanguage, japanese);
  if (japanese[0] != 0 && Contains(name, length, japanese)) return true;
  return Contains(name, length, kEnglishMarker);
}

ai::int16 CheckCPComposition(ai::UnicodeString name) {
  std::string text = name.getInStdString(kAIUTF8CharacterEncoding);
  return NameCarriesMarker(text.data(), text.size()) ? 1 : 0;
}

namespace {

enum class Candidate { kTaken, kChosen, kNotCreated };

// The first candidate the host reports free and choose takes, by the candidate rule
// both callers share; choose may pass a candidate over (kTaken) or stop at it.
template <typename Choose>
CopyNameClaim ChooseCPFileName(char* path, Choose choose) {
  if (path == nullptr || g == nullptr) return CopyNameClaim::kNoName;
  size_t length = strnlen(path, kUpdatedPathBytes);
  if (length >= kUpdatedPathBytes) return CopyNameClaim::kNoName;

  char extension[kExtensionFieldBytes];
  size_t dot = 0;
  if (FindExtensionDot(path, length, &dot)) {
    std::memcpy(extension, path + dot, length - dot + 1);
    path[dot] = 0;
  } else {
    std::memcpy(extension, kDefaultExtension, sizeof(kDefaultExtension));
  }

  char marker[kMarkerFieldBytes];
  MakeUpdatedNameMarker(g->appLanguage, marker);

  char candidate[kUpdatedPathBytes];
  for (int counter = 0; counter <= kLastNameCounter; ++counter) {
    int written = counter == 0
                      ? std::snprintf(candidate, sizeof(candidate), "%s%sAi%d.%d.%d]%s", path, marker,
                                      g->appMajorVersion, g->appMinorVersion, g->appRevision, extension)
                      : std::snprintf(candidate, sizeof(candidate), "%s%sAi%d.%d.%d](%d)%s", path, marker,
                                      g->appMajorVersion, g->appMinorVersion, g->appRevision, counter, extension);
    // A cut candidate has lost its marker or extension; neither it nor a longer one
    // (a later counter) may become the copy's name.
    if (written < 0 || static_cast<size_t>(written) >= sizeof(candidate)) return CopyNameClaim::kNoName;
    if (CandidateTaken(candidate)) continue;
    const Candidate chosen = choose(candidate);
    if (chosen == Candidate::kTaken) continue;
    std::memcpy(path, candidate, static_cast<size_t>(written) + 1);
    return chosen == Candidate::kChosen ? CopyNameClaim::kClaimed : CopyNameClaim::kNotCreated;
  }
  return CopyNameClaim::kNoName;
}

}  // namespace

ai::int16 CreateCPFileName(char* path) {
  return ChooseCPFileName(path, [](const char*) { return Candidate::kChosen; }) == CopyNameClaim::kClaimed ? 1 : 0;
}

// A candidate nobody else holds but that cannot be created (no right to write, no
// room) is not passed over: every later one would fail alike, and the user is told the
// copy could not be saved.
CopyNameClaim ClaimCPFileName(char* path) {
  return ChooseCPFileName(path, [](const char* candidate) {
    switch (platform::ClaimNewFile(candidate)) {
      case platform::ClaimResult::kClaimed:
        return Candidate::kChosen;
      case platform::ClaimResult::kTaken:
        return Candidate::kTaken;
      default:
        return Candidate::kNotCreated;
    }
  });
}
