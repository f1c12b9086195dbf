// Text-engine references, status codes and the exception its wrappers raise.
#ifndef KESTRUNE_HOST_ATETYPES_H
#define KESTRUNE_HOST_ATETYPES_H

#include <cstdint>
#include <exception>

namespace ATE {

namespace ATETextDOM {
typedef std::int32_t Int32;
typedef std::uint16_t Unicode;
}  // namespace ATETextDOM

typedef struct _TextRange* TextRangeRef;
typedef struct _TextFrame* TextFrameRef;
typedef struct _CharFeatures* CharFeaturesRef;
typedef struct _Font* FontRef;

enum ATEErr {
  kNoError = 0,
  kBadParameter,
  kOutOfMemory,
  kOutOfRange,
  kNullPointer,
  kInternalError,
  kMissingSpellingDictionary,
  kMissingHyphenationDictionary,
  kUnknownError
};

class Exception : public std::exception {
 public:
  explicit Exception(ATEErr errorCode) : error(errorCode) {}
  const char* what() const noexcept override { return "ATE Exception"; }
  ATEErr error;
};

}  // namespace ATE

#endif
