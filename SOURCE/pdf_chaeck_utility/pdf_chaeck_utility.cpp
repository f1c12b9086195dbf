#include "pdf_chaeck_utility.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "pluginHandler/AISuiteVariables.h"
#include "decimalNumber.h"
#include "platform/FileReader.h"

namespace {

// A creator token, compared at a scan position plus its offset. Each holds a capital
// "A" (of "AI8" or "Adobe") at anchor, which the scan looks for first.
struct CreatorToken {
  const char* text;
  size_t length;
  ai::int32 kind;  // -1 for the version comment
  size_t offset;
  size_t anchor;
};

constexpr ai::int32 kVersionComment = -1;
constexpr char kVersionToken[] = "%%AI8_CreatorVersion:";

// In the order they are compared at one position. "Adobe Photoshop CS" has always been
// compared one byte further on, so it is never found at a file's first byte.
const CreatorToken kCreatorTokens[] = {
    {kVersionToken, sizeof(kVersionToken) - 1, kVersionComment, 0, 2},
    {"%%Creator: Adobe Photoshop", 26, kCreatorPhotoshop, 0, 11},
    {"<stEvt:softwareAgent>Adobe Photoshop Elements", 45, kCreatorPhotoshopElements, 0, 21},
    {"<stEvt:softwareAgent>Adobe Photoshop CC", 39, kCreatorPhotoshopCC, 0, 21},
    {"Adobe Photoshop CS", 18, kCreatorPhotoshopCS, 1, 0},
};
constexpr size_t kLongestCreatorToken = 45;
constexpr size_t kLatestAnchor = 21;  // the largest anchor plus offset

constexpr char kBleedBoxToken[] = "/BleedBox";
constexpr char kCropBoxToken[] = "/CropBox";
constexpr size_t kBleedBoxLength = sizeof(kBleedBoxToken) - 1;
constexpr size_t kCropBoxLength = sizeof(kCropBoxToken) - 1;

static_assert(kPDFBoxWindowBytes <= kDecimalNumberMaxChars, "every token of a box window must be readable");
static_assert(kPDFOverlapBytes >= kLongestCreatorToken + 1 && kPDFOverlapBytes >= kPDFBoxWindowBytes,
              "a chunk's last position must see a whole token and a whole box window");

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The digits' decimal value, held at the largest 32-bit value rather than overflowing.
ai::int32 DigitsValue(const char* digits, size_t length) {
  const ai::int32 most = std::numeric_limits<ai::int32>::max();
  ai::int32 value = 0;
  for (size_t i = 0; i < length && IsDigit(digits[i]); ++i) {
    int digit = digits[i] - '0';
    if (value > (most - digit) / 10) return most;
    value = value * 10 + digit;
  }
  return value;
}

// The longest leading decimal number of a token, with a point as the decimal separator
// whatever the process's locale; anything else gives 0. Tabs and line breaks ahead of it
// are passed over, as the C library's reading of numbers does.
double LeadingNumber(const char* token, size_t length) {
  size_t i = 0;
  while (i < length &&
         (token[i] == '\t' || token[i] == '\n' || token[i] == '\v' || token[i] == '\f' || token[i] == '\r'))
    ++i;
  bool negative = false;
  if (i < length && (token[i] == '+' || token[i] == '-')) {
    negative = token[i] == '-';
    ++i;
  }
  size_t start = i;
  size_t digits = 0;
  while (i < length && IsDigit(token[i])) ++i, ++digits;
  if (i < length && token[i] == '.') {
    ++i;
    while (i < length && IsDigit(token[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  double value = DecimalValue(token + start, i - start);
  return negative ? -value : value;
}

// The four numbers of a box entry from the text at its "/": tokens inside the first
// brackets, separated by spaces only, up to the first "]", a zero byte or the window's end.
void ReadBoxNumbers(const char* window, size_t length, double numbers[4]) {
  for (int n = 0; n < 4; ++n) numbers[n] = 0.0;
  if (length > kPDFBoxWindowBytes) length = kPDFBoxWindowBytes;
  bool insideBrackets = false;
  size_t index = 0;
  size_t tokenNumber = 0;
  char token[kPDFBoxWindowBytes];
  for (;;) {
    size_t tokenLength = 0;
    bool readingEnds = false;
    for (;;) {
      if (index >= length || window[index] == 0 || window[index] == ']') {
        readingEnds = true;
        break;
      }
      char c = window[index];
      if (c == '[') {
        insideBrackets = true;
        ++index;
        continue;
      }
      if (!insideBrackets) {
        ++index;
        continue;
      }
      if (c == ' ') {
        while (index < length && window[index] == ' ') ++index;
        break;
      }
      if (tokenLength < kPDFBoxWindowBytes - 1) token[tokenLength++] = c;
      ++index;
    }
    if (tokenNumber < 4) numbers[tokenNumber] = LeadingNumber(token, tokenLength);
    ++tokenNumber;
    if (readingEnds) return;
  }
}

void SetRect(AIRealRect* rect, const double numbers[4]) {
  if (sRealMath != nullptr && sRealMath->AIRealRectSet != nullptr) {
    sRealMath->AIRealRectSet(rect, numbers[0], numbers[1], numbers[2], numbers[3]);
    return;
  }
  // Without the suite the numbers are still the file's: a box left at zero could hide
  // a trim area.
  rect->left = numbers[0];
  rect->top = numbers[1];
  rect->right = numbers[2];
  rect->bottom = numbers[3];
}

}  // namespace

PDFHeaderScanner::PDFHeaderScanner(size_t chunkBytes) {
  if (chunkBytes == 0) chunkBytes = 1;
  if (chunkBytes > std::numeric_limits<size_t>::max() - kPDFOverlapBytes) return;
  capacity_ = chunkBytes + kPDFOverlapBytes;
  buffer_ = static_cast<char*>(std::malloc(capacity_));
  if (buffer_ == nullptr) capacity_ = 0;
}

PDFHeaderScanner::~PDFHeaderScanner() { std::free(buffer_); }

char* PDFHeaderScanner::Space(size_t* room) {
  if (buffer_ == nullptr || finished_) {
    *room = 0;
    return nullptr;
  }
  if (filled_ == capacity_) Process(false);
  *room = capacity_ - filled_;
  return buffer_ + filled_;
}

void PDFHeaderScanner::Commit(size_t count) {
  if (buffer_ == nullptr || finished_) return;
  if (count > capacity_ - filled_) count = capacity_ - filled_;
  filled_ += count;
}

void PDFHeaderScanner::Feed(const char* bytes, size_t count) {
  while (count > 0) {
    size_t room = 0;
    char* space = Space(&room);
    if (space == nullptr || room == 0) return;
    size_t taken = count < room ? count : room;
    std::memcpy(space, bytes, taken);
    Commit(taken);
    bytes += taken;
    count -= taken;
  }
}

// Scans every position below the limit: all the buffer at the end of the text, else all
// but the overlap, so that a token or box window starting at a scanned position is whole.
void PDFHeaderScanner::Process(bool atEnd) {
  size_t limit = atEnd ? filled_ : (filled_ > kPDFOverlapBytes ? filled_ - kPDFOverlapBytes : 0);
  ScanCreator(limit);
  ReadVersion();
  ScanBoxes(limit);
  std::memmove(buffer_, buffer_ + limit, filled_ - limit);
  filled_ -= limit;
  base_ += limit;
}

// The earliest position below the limit at which a creator token stands. Rather than
// comparing five tokens at every byte, the scan goes from one "A" to the next (every
// token holds one at a known place) and looks back from each to where a token would begin.
void PDFHeaderScanner::ScanCreator(size_t limit) {
  if (creatorState_ != CreatorState::kSearching) return;
  size_t end = limit + kLatestAnchor;
  if (end > filled_) end = filled_;
  bool found = false;
  size_t best = 0;
  const CreatorToken* bestToken = nullptr;
  size_t from = 0;
  while (from < end) {
    const void* hit = std::memchr(buffer_ + from, 'A', end - from);
    if (hit == nullptr) break;
    size_t a = static_cast<size_t>(static_cast<const char*>(hit) - buffer_);
    // No token found behind this "A" can stand before the best one found so far.
    if (found && a > best + kLatestAnchor) break;
    from = a + 1;
    for (const CreatorToken& token : kCreatorTokens) {
      if (a < token.anchor + token.offset) continue;  // would begin in a chunk already scanned
      size_t start = a - token.anchor;
      size_t position = start - token.offset;
      if (position >= limit || (found && position >= best)) continue;
      if (start + token.length > filled_ || std::memcmp(buffer_ + start, token.text, token.length) != 0) continue;
      found = true;
      best = position;
      bestToken = &token;
    }
  }
  if (!found) return;
  if (bestToken->kind == kVersionComment) {
    creatorState_ = CreatorState::kSkippingSpaces;
    versionCursor_ = base_ + best + bestToken->offset + bestToken->length;
  } else {
    creatorKind_ = bestToken->kind;
    creatorState_ = CreatorState::kDone;
  }
}

// The version text: spaces skipped, then digits and at most one point, up to 79 bytes.
// It is read as far as the bytes at hand go and goes on with the next chunk.
void PDFHeaderScanner::ReadVersion() {
  while (creatorState_ == CreatorState::kSkippingSpaces || creatorState_ == CreatorState::kReadingVersion) {
    if (versionCursor_ >= base_ + filled_) return;
    char c = buffer_[versionCursor_ - base_];
    if (creatorState_ == CreatorState::kSkippingSpaces) {
      if (c == ' ') {
        ++versionCursor_;
        continue;
      }
      creatorState_ = CreatorState::kReadingVersion;
    }
    bool point = c == '.';
    if (versionLength_ >= kPDFVersionTextBytes - 1 || (!IsDigit(c) && !point) || (point && versionHasPoint_)) {
      creatorState_ = CreatorState::kDone;
      return;
    }
    versionHasPoint_ = versionHasPoint_ || point;
    versionText_[versionLength_++] = c;
    ++versionCursor_;
  }
}

// Both box tokens end in "x", rare in page descriptions and compressed data alike, so
// the scan goes from one "x" to the next and looks back for a token.
void PDFHeaderScanner::ScanBoxes(size_t limit) {
  const size_t longest = kBleedBoxLength;
  size_t end = limit + longest - 1;
  if (end > filled_) end = filled_;
  bool bleedHere = false;
  bool cropHere = false;
  size_t bleedAt = 0;
  size_t cropAt = 0;
  size_t from = 0;
  while (from < end) {
    const void* hit = std::memchr(buffer_ + from, 'x', end - from);
    if (hit == nullptr) break;
    size_t x = static_cast<size_t>(static_cast<const char*>(hit) - buffer_);
    from = x + 1;
    if (x + 1 >= kCropBoxLength && x + 1 - kCropBoxLength < limit &&
        std::memcmp(buffer_ + x + 1 - kCropBoxLength, kCropBoxToken, kCropBoxLength) == 0) {
      cropHere = true;
      cropAt = x + 1 - kCropBoxLength;
    } else if (x + 1 >= kBleedBoxLength && x + 1 - kBleedBoxLength < limit &&
               std::memcmp(buffer_ + x + 1 - kBleedBoxLength, kBleedBoxToken, kBleedBoxLength) == 0) {
      bleedHere = true;
      bleedAt = x + 1 - kBleedBoxLength;
    }
  }
  // Only the last entry of each kind counts; keep its window before the chunk goes.
  if (cropHere) {
    cropFound_ = true;
    cropWindowLength_ = filled_ - cropAt < kPDFBoxWindowBytes ? filled_ - cropAt : kPDFBoxWindowBytes;
    std::memcpy(cropWindow_, buffer_ + cropAt, cropWindowLength_);
  }
  if (bleedHere) {
    bleedFound_ = true;
    bleedWindowLength_ = filled_ - bleedAt < kPDFBoxWindowBytes ? filled_ - bleedAt : kPDFBoxWindowBytes;
    std::memcpy(bleedWindow_, buffer_ + bleedAt, bleedWindowLength_);
  }
}

void PDFHeaderScanner::Finish(PDF_CHECK_INFO* info) {
  if (info == nullptr) return;
  *info = PDF_CHECK_INFO{};
  if (buffer_ == nullptr) return;
  if (!finished_) {
    Process(true);
    finished_ = true;
    if (creatorState_ != CreatorState::kSearching) creatorState_ = CreatorState::kDone;
  }

  if (creatorKind_ != kCreatorNotPhotoshop) {
    info->creatorKind = creatorKind_;
  } else if (versionLength_ > 0) {
    const char* point = static_cast<const char*>(std::memchr(versionText_, '.', versionLength_));
    size_t majorLength = point != nullptr ? static_cast<size_t>(point - versionText_) : versionLength_;
    info->creatorMajor = DigitsValue(versionText_, majorLength);
    if (point != nullptr) info->creatorMinor = DigitsValue(point + 1, versionLength_ - majorLength - 1);
  }

  double numbers[4];
  if (bleedFound_) {
    ReadBoxNumbers(bleedWindow_, bleedWindowLength_, numbers);
    SetRect(&info->bleedBox, numbers);
    info->hasBleedBox = true;
  }
  if (cropFound_) {
    ReadBoxNumbers(cropWindow_, cropWindowLength_, numbers);
    SetRect(&info->cropBox, numbers);
    info->hasCropBox = true;
  }
}

void PDFGetInformation(const PlatformPathChar* path, PDF_CHECK_INFO* info) {
  if (info == nullptr) return;
  *info = PDF_CHECK_INFO{};
  if (path == nullptr) return;
  platform::FileReader file(path);
  if (!file.IsOpen()) return;
  PDFHeaderScanner scanner;
  if (!scanner.IsReady()) return;
  for (;;) {
    size_t room = 0;
    char* space = scanner.Space(&room);
    if (space == nullptr || room == 0) break;
    size_t got = file.Read(space, room);
    if (got == 0) break;
    scanner.Commit(got);
  }
  scanner.Finish(info);
}

bool PDFIncludesTrimArea(const PDF_CHECK_INFO* info) {
  if (info == nullptr || info->creatorMajor < 1 || info->creatorMajor > 13) return false;
  if (!info->hasBleedBox || !info->hasCropBox) return false;
  const AIReal bleed[4] = {info->bleedBox.left, info->bleedBox.top, info->bleedBox.right, info->bleedBox.bottom};
  const AIReal crop[4] = {info->cropBox.left, info->cropBox.top, info->cropBox.right, info->cropBox.bottom};
  for (int i = 0; i < 4; ++i)
    if (std::fabs(bleed[i] - crop[i]) > 1.0) return true;
  return false;
}
