// Inspection of an .ai file's raw bytes before it is opened: which program made it
// (the "%%AI8_CreatorVersion:" comment or a Photoshop marker, whichever comes first) and
// the last "/BleedBox" and "/CropBox" entries. A file is read in bounded chunks, so the
// memory used does not grow with the file.
#ifndef KESTRUNE_PDF_CHAECK_UTILITY_H
#define KESTRUNE_PDF_CHAECK_UTILITY_H

#include <cstddef>
#include <cstdint>

#include "AITypes.h"
#include "platform/PathRules.h"

struct PDF_CHECK_INFO {
  ai::int32 creatorMajor;  // behind "%%AI8_CreatorVersion:" when that came first, else 0
  ai::int32 creatorMinor;
  ai::int32 creatorKind;  // the Photoshop marker that came first (kCreator...), else 0
  AIRealRect bleedBox;    // the last entry's four numbers in file order, else zeros
  AIRealRect cropBox;
  bool hasBleedBox;  // a "/BleedBox" entry was found
  bool hasCropBox;   // a "/CropBox" entry was found
};

constexpr ai::int32 kCreatorNotPhotoshop = 0;
constexpr ai::int32 kCreatorPhotoshop = 1;          // "%%Creator: Adobe Photoshop"
constexpr ai::int32 kCreatorPhotoshopElements = 2;  // "<stEvt:softwareAgent>Adobe Photoshop Elements"
constexpr ai::int32 kCreatorPhotoshopCC = 3;        // "<stEvt:softwareAgent>Adobe Photoshop CC"
constexpr ai::int32 kCreatorPhotoshopCS = 4;        // "Adobe Photoshop CS"

constexpr size_t kPDFChunkBytes = 1 << 20;               // read at a time
constexpr size_t kPDFBoxWindowBytes = 256;               // a box entry's numbers lie within these from its "/"
constexpr size_t kPDFVersionTextBytes = 80;              // the creator version's text, terminator included
constexpr size_t kPDFOverlapBytes = kPDFBoxWindowBytes;  // kept from one chunk to the next

// Fills info completely; a file that cannot be opened or read, or an empty one, leaves it
// all zero. The rectangles are set through the Real Math suite when it is held.
void PDFGetInformation(const PlatformPathChar* path, PDF_CHECK_INFO* info);

// A file made by version 1 to 13 whose bleed and crop boxes differ by more than 1.0 in
// any of the four numbers: it still holds a trim area and is not to be opened. Both
// boxes must stand in the file: a file without a crop box has, by PDF rules, its media
// box as crop area, and those files (common from versions 12 and 13) hold no trim area.
bool PDFIncludesTrimArea(const PDF_CHECK_INFO* info);

// The scan itself, fed a file's bytes front to back in pieces of any size. It holds one
// chunk and the overlap, never more.
class PDFHeaderScanner {
 public:
  explicit PDFHeaderScanner(size_t chunkBytes = kPDFChunkBytes);
  ~PDFHeaderScanner();
  PDFHeaderScanner(const PDFHeaderScanner&) = delete;
  PDFHeaderScanner& operator=(const PDFHeaderScanner&) = delete;

  // False when its buffer could not be allocated; it then reports nothing.
  bool IsReady() const { return buffer_ != nullptr; }
  // Where the next bytes go and how many fit; Commit tells how many were put there.
  char* Space(size_t* room);
  void Commit(size_t count);
  void Feed(const char* bytes, size_t count);
  // Ends the text and fills info (all of it).
  void Finish(PDF_CHECK_INFO* info);

 private:
  enum class CreatorState { kSearching, kSkippingSpaces, kReadingVersion, kDone };

  void Process(bool atEnd);
  void ScanCreator(size_t limit);
  void ReadVersion();
  void ScanBoxes(size_t limit);

  char* buffer_ = nullptr;
  size_t capacity_ = 0;
  size_t filled_ = 0;
  std::uint64_t base_ = 0;  // file offset of buffer_[0]
  bool finished_ = false;

  CreatorState creatorState_ = CreatorState::kSearching;
  ai::int32 creatorKind_ = kCreatorNotPhotoshop;
  std::uint64_t versionCursor_ = 0;  // file offset of the next byte of the version text
  char versionText_[kPDFVersionTextBytes] = {};
  size_t versionLength_ = 0;
  bool versionHasPoint_ = false;

  bool bleedFound_ = false;
  bool cropFound_ = false;
  char bleedWindow_[kPDFBoxWindowBytes] = {};
  char cropWindow_[kPDFBoxWindowBytes] = {};
  size_t bleedWindowLength_ = 0;
  size_t cropWindowLength_ = 0;
};

#endif
