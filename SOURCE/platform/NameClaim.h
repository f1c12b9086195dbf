// Claiming the name of a file about to be written, so that no one else can take it.
#ifndef KESTRUNE_PLATFORM_NAMECLAIM_H
#define KESTRUNE_PLATFORM_NAMECLAIM_H

namespace platform {

enum class ClaimResult {
  kClaimed,  // an empty file of ours now stands at the name
  kTaken,    // something already stood there (a file, a folder, a link)
  kFailed,   // nothing could be made there (no right to write, no room, a bad path)
};

// Every realisation must: create an empty regular file at the UTF-8 path in one step that fails when anything, a
// dangling link included, stands there, so that of two processes only one can claim a name.
ClaimResult ClaimNewFile(const char* utf8Path);

// Removes a claimed file that is still an empty regular file (nothing was saved into
// it); anything else at the path is left alone. True when the claim is gone.
bool ReleaseClaim(const char* utf8Path);

}  // namespace platform

#endif
