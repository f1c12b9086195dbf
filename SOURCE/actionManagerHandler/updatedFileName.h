// Names of updated copies: the source's stem, a marker, "Ai", the host version, "]",
// an optional "(counter)" and the source's extension, e.g. flyer[CP_updated_Ai28.1.0](1).ai.
#ifndef KESTRUNE_UPDATEDFILENAME_H
#define KESTRUNE_UPDATEDFILENAME_H

#include <cstddef>

#include "AITypes.h"
#include "IAIUnicodeString.h"

constexpr size_t kUpdatedPathBytes = 512;  // the caller's path field
constexpr size_t kMarkerFieldBytes = 64;   // a marker in its UTF-8 form
constexpr size_t kExtensionFieldBytes = 8;
constexpr int kLastNameCounter = 99;  // candidates: no counter, then 1 to 99

// The marker written by a host of the given language (1 Japanese, any other English),
// in the UTF-8 form used in names, into marker (kMarkerFieldBytes).
void MakeUpdatedNameMarker(ai::int32 language, char* marker);

// True when a UTF-8 name holds either marker anywhere (byte-wise, case-sensitive).
bool NameCarriesMarker(const char* name, size_t length);

// 1 when a file name carries either marker, whatever the host language, else 0.
// Raises ai::Error when the host cannot convert the name.
ai::int16 CheckCPComposition(ai::UnicodeString name);

// Turns the source path in the caller's field (UTF-8, kUpdatedPathBytes) into the path
// of its updated copy: the first candidate that does not exist yet (a candidate the host
// cannot answer for counts as taken). 1 with the field holding that path; 0 when none
// is free or a candidate would not fit in the field, the field then holding the stem.
// A field that is not zero-terminated is refused (0) and left as it is.
ai::int16 CreateCPFileName(char* path);

// How ClaimCPFileName ended.
enum class CopyNameClaim {
  kClaimed,     // the field holds the updated path, and an empty file of ours stands there
  kNoName,      // as CreateCPFileName's 0: every candidate is taken, or none fits
  kNotCreated,  // the field holds the first free candidate, but nothing could be made there
};

// CreateCPFileName for a copy on disk: each free candidate is claimed, by creating it
// in a step that fails when anything stands there, before it is handed out. Two runs
// over one folder (two workstations, or one user twice) can then never choose the same
// copy: a candidate someone claimed first counts as taken. The host's save replaces the
// empty claim; whoever claimed it releases it (platform::ReleaseClaim) when the save does
// not happen.
CopyNameClaim ClaimCPFileName(char* path);

#endif
