// Basic types, status codes and handles shared by the host and its plug-ins.
#ifndef KESTRUNE_HOST_AITYPES_H
#define KESTRUNE_HOST_AITYPES_H

#include <cstddef>
#include <cstdint>
#include <exception>

namespace ai {
typedef std::int32_t int32;
typedef std::uint32_t uint32;
typedef std::int16_t int16;
typedef std::uint16_t uint16;
typedef std::ptrdiff_t sizediff_t;
}  // namespace ai

#define SPAPI
#define ASAPI
#define AIAPI ASAPI

typedef ai::int32 SPErr;
typedef ai::int32 ASErr;
typedef ASErr AIErr;
typedef ai::uint16 ASUnicode;
typedef ai::uint32 ASUInt32;

// Booleans follow the platform's convention; Linux builds follow Windows.
#if defined(__APPLE__)
typedef unsigned char SPBoolean;
typedef unsigned char ASBoolean;
#else
typedef int SPBoolean;
typedef int ASBoolean;
#endif
typedef ASBoolean AIBoolean;
// One byte on every platform: the newer members (file paths, Unicode strings) answer in it.
typedef unsigned char ASByte;
typedef ASByte AIBool8;

typedef double AIReal;
typedef double AIDouble;
typedef struct _t_AIRealRect {
  AIReal left, top, right, bottom;
} AIRealRect;
typedef struct _t_AIRealPoint {
  AIReal h, v;
} AIRealPoint;
// Host records that only members the plug-in never calls take are left incomplete:
// enough to keep such a member at its slot, too little to call it by mistake.
typedef struct _t_ADMPoint AIPoint;
typedef struct _t_AIRGBColor AIRGBColor;

typedef struct ArtObject* AIArtHandle;
typedef struct _t_AILayerOpaque* AILayerHandle;
typedef struct _t_AIDocument* AIDocumentHandle;
typedef struct _t_AIDocumentViewOpaque* AIDocumentViewHandle;
typedef struct _t_AIWindowOpaque* AIWindowRef;
typedef struct SPPlugin* SPPluginRef;

// Four-character codes hold the first character in the most significant byte.
constexpr ai::int32 AIFourCharCode(const char (&code)[5]) {
  return static_cast<ai::int32>((static_cast<ai::uint32>(static_cast<unsigned char>(code[0])) << 24) |
                                (static_cast<ai::uint32>(static_cast<unsigned char>(code[1])) << 16) |
                                (static_cast<ai::uint32>(static_cast<unsigned char>(code[2])) << 8) |
                                static_cast<ai::uint32>(static_cast<unsigned char>(code[3])));
}

constexpr SPErr kSPNoError = 0;
constexpr AIErr kNoErr = 0;
constexpr AIErr kOutOfMemoryErr = AIFourCharCode("!MEM");
constexpr AIErr kBadParameterErr = AIFourCharCode("PARM");
constexpr AIErr kNotImplementedErr = AIFourCharCode("!IMP");
constexpr AIErr kCanceledErr = AIFourCharCode("STOP");
constexpr AIErr kNoDocumentErr = AIFourCharCode("DOC?");
constexpr AIErr kSPSuiteNotFoundError = AIFourCharCode("S!Fd");
constexpr AIErr kCantHappenErr = AIFourCharCode("CANT");

// Suite versions: macOS hosts publish every "AI" suite at its number plus 1000.
#if defined(__APPLE__)
#define AIAPI_VERSION(x) ((x) + 1000)
#else
#define AIAPI_VERSION(x) (x)
#endif

namespace ai {
// Raised by the string and file-path wrappers when a host call fails.
class Error : public std::exception {
 public:
  explicit Error(AIErr err) : mErr(err) {}
  const char* what() const noexcept override { return "AI Exception"; }
  operator AIErr() const { return mErr; }

 protected:
  AIErr mErr;
};
}  // namespace ai

#endif
