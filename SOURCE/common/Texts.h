// The program's texts. Each is stored twice: Japanese as Shift-JIS bytes and English
// as ASCII; the host's language picks one.
#ifndef KESTRUNE_TEXTS_H
#define KESTRUNE_TEXTS_H

#include "AITypes.h"

enum class TextId {
  kMenuGroupTitle,
  kMenuSaveAs,
  kMenuBulkUpdate,
  kMenuBulkUpdateRecursive,
  kActionSaveAsTitle,
  kTextCount
};

// The text in the language code given (1 is Japanese, anything else English).
const char* TextFor(TextId id, ai::int32 language);
// The text in the running host's language.
const char* Text(TextId id);

#endif
