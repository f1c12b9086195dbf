// The program's texts. Each is stored twice: Japanese as Shift-JIS bytes and English
// as ASCII; the host's language picks one. They are written once, in UTF-8, in
// Texts.def, which also gives TextId its enumerators.
#ifndef KESTRUNE_TEXTS_H
#define KESTRUNE_TEXTS_H

#include <cstddef>

#include "AITypes.h"

enum class TextId {
#define KSR_TEXT(id, kind, japanese, english) id,
#include "common/Texts.def"
#undef KSR_TEXT
  kTextCount
};

// The pieces of the bulk question, in the order they are joined.
constexpr TextId kBulkQuestionPieces[] = {TextId::kBulkQuestionCanceled, TextId::kBulkQuestionNotUpdated,
                                          TextId::kBulkQuestionEnd, TextId::kBulkQuestionChoices};

// The text in the language code given (1 is Japanese, anything else English).
const char* TextFor(TextId id, ai::int32 language);
// The text in the running host's language.
const char* Text(TextId id);

// True for the texts that hold one "%d" for a number of files (kind Count in Texts.def).
bool TextTakesCount(TextId id);
// Formats a text that takes a count, in the running host's language, into a field of
// capacity bytes. False, with the field empty, for any other text or when the result
// does not fit.
bool FormatCountText(char* field, size_t capacity, TextId id, ai::int32 count);

#endif
