// Text in fixed-size fields: never written beyond the field, always zero-terminated.
#ifndef KESTRUNE_FIXEDTEXT_H
#define KESTRUNE_FIXEDTEXT_H

#include <cstddef>

// Copies source into a field of capacity bytes. False, with the field left empty,
// when the text (and its terminator) does not fit: a cut path is a wrong path.
bool CopyText(char* field, size_t capacity, const char* source);
// Appends; false, with the field unchanged, when the result would not fit.
bool AppendText(char* field, size_t capacity, const char* source);

#endif
