// Appending to a file that no handle is kept open on.
#ifndef KESTRUNE_PLATFORM_FILEAPPEND_H
#define KESTRUNE_PLATFORM_FILEAPPEND_H

#include <cstddef>

namespace platform {

// Opens the file at a UTF-8 path for appending (creating it when missing), writes the
// bytes at its end and closes it again. False when it cannot be opened or not every
// byte was written.
// Every realisation must: write only to a regular or new file, never block, never write through a link or junction.
bool AppendToFile(const char* utf8Path, const char* bytes, size_t length);

}  // namespace platform

#endif
