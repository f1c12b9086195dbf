// Text-engine references, integer and character types, status codes and the
// exception its wrappers raise.
#ifndef KESTRUNE_HOST_ATETYPES_H
#define KESTRUNE_HOST_ATETYPES_H

#include <cstdint>
#include <exception>

// The text engine's own integer and character types live outside namespace ATE.
namespace ATETextDOM {
typedef std::int32_t Int32;
typedef std::uint16_t Unicode;
typedef float Float;
}  // namespace ATETextDOM

namespace ATE {

// One byte, where the text engine takes or gives a truth value.
typedef unsigned char ATEBool8;

typedef struct _TextRange* TextRangeRef;
typedef struct _TextRanges* TextRangesRef;
typedef struct _TextFrame* TextFrameRef;
typedef struct _TextFramesIterator* TextFramesIteratorRef;
typedef struct _CharFeatures* CharFeaturesRef;
typedef struct _CharInspector* CharInspectorRef;
typedef struct _CharStyles* CharStylesRef;
typedef struct _ParaFeatures* ParaFeaturesRef;
typedef struct _ParaInspector* ParaInspectorRef;
typedef struct _ParaStyles* ParaStylesRef;
typedef struct _ParagraphsIterator* ParagraphsIteratorRef;
typedef struct _WordsIterator* WordsIteratorRef;
typedef struct _TextRunsIterator* TextRunsIteratorRef;
typedef struct _Story* StoryRef;
typedef struct _DocumentTextResources* DocumentTextResourcesRef;
typedef struct _Font* FontRef;

enum CollapseDirection : int;

enum ATEErr {
  kNoError = 0,
  kBadParameter,
  kOutOfMemory,
  kOutOfRange,
  kNullPointer,
  kInternalError,
  kMissingSpellingDictionary,
  kMissingHyphenationDictionary
};

// Raised by the text-engine wrappers when a call fails; error is the engine's status.
class Exception : public std::exception {
 public:
  explicit Exception(ATEErr errorCode) : error(errorCode) {}
  const char* what() const noexcept override { return "ATE Exception"; }
  ATEErr error;
};

}  // namespace ATE

#endif
