#include "FixedText.h"

#include <cstring>

bool CopyText(char* field, size_t capacity, const char* source) {
  if (field == nullptr || capacity == 0) return false;
  size_t length = source == nullptr ? 0 : std::strlen(source);
  if (length >= capacity) {
    field[0] = 0;
    return false;
  }
  if (length > 0) std::memcpy(field, source, length);
  field[length] = 0;
  return true;
}

bool AppendText(char* field, size_t capacity, const char* source) {
  if (field == nullptr || capacity == 0) return false;
  size_t used = strnlen(field, capacity);
  size_t length = source == nullptr ? 0 : std::strlen(source);
  if (used >= capacity || length >= capacity - used) return false;
  std::memcpy(field + used, source, length);
  field[used + length] = 0;
  return true;
}
