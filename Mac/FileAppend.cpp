#include "platform/FileAppend.h"

#include <stdio.h>

namespace platform {

// A standard stream in mode "a+": every write lands at the end, and a missing log is
// created.
bool AppendToFile(const char* utf8Path, const char* bytes, size_t length) {
  if (utf8Path == nullptr || utf8Path[0] == 0 || (bytes == nullptr && length > 0)) return false;
  FILE* file = fopen(utf8Path, "a+");
  if (file == nullptr) return false;
  bool complete = length == 0 || fwrite(bytes, 1, length, file) == length;
  if (fclose(file) != 0) complete = false;
  return complete;
}

}  // namespace platform
