// The .ai header inspection: creator tokens, box entries and their numbers, read in
// chunks. A plain whole-text reading of the same rules serves as the reference, so that
// tokens and boxes falling across chunk boundaries are checked everywhere.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "pluginHandler/AISuiteVariables.h"
#include "DirectPlugin.h"
#include "PlatformExpectations.h"
#include "TestHost.h"
#include "pdf_chaeck_utility/pdf_chaeck_utility.h"

namespace fs = std::filesystem;

namespace {

using testing_support::TempFolder;

struct Boxes {
  double bleed[4];
  double crop[4];
};

bool operator==(const AIRealRect& rect, const std::vector<double>& numbers) {
  return numbers.size() == 4 && rect.left == numbers[0] && rect.top == numbers[1] && rect.right == numbers[2] &&
         rect.bottom == numbers[3];
}

std::vector<double> Numbers(const AIRealRect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// ---- The reference: the rules read literally over the whole text. ----

double ReferenceNumber(const std::string& token) {
  size_t i = 0;
  while (i < token.size() && std::strchr("\t\n\v\f\r", token[i]) != nullptr && token[i] != 0) ++i;
  size_t start = i;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
  size_t digits = 0;
  while (i < token.size() && isdigit(static_cast<unsigned char>(token[i]))) ++i, ++digits;
  if (i < token.size() && token[i] == '.') {
    ++i;
    while (i < token.size() && isdigit(static_cast<unsigned char>(token[i]))) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  return std::strtod(token.substr(start, i - start).c_str(), nullptr);
}

void ReferenceBox(const std::string& text, size_t at, double numbers[4]) {
  for (int n = 0; n < 4; ++n) numbers[n] = 0;
  size_t end = std::min(text.size(), at + 256);
  bool inside = false;
  size_t i = at;
  int index = 0;
  for (;;) {
    std::string token;
    bool ended = false;
    for (;;) {
      if (i >= end || text[i] == 0 || text[i] == ']') {
        ended = true;
        break;
      }
      char c = text[i];
      if (c == '[') {
        inside = true;
        ++i;
      } else if (!inside) {
        ++i;
      } else if (c == ' ') {
        while (i < end && text[i] == ' ') ++i;
        break;
      } else {
        if (token.size() < 255) token += c;
        ++i;
      }
    }
    if (index < 4) numbers[index] = ReferenceNumber(token);
    ++index;
    if (ended) return;
  }
}

PDF_CHECK_INFO Reference(const std::string& text) {
  PDF_CHECK_INFO info{};
  size_t n = text.size();
  auto at = [&](size_t p, const char* token) {
    size_t length = std::strlen(token);
    return p + length <= n && text.compare(p, length, token) == 0;
  };
  for (size_t p = 0; p < n; ++p) {
    if (at(p, "%%AI8_CreatorVersion:")) {
      size_t q = p + 21;
      while (q < n && text[q] == ' ') ++q;
      std::string copy;
      while (q < n && copy.size() < 79 && text[q] != 0) copy += text[q++];
      size_t cut = 0, points = 0;
      while (cut < copy.size() && (isdigit(static_cast<unsigned char>(copy[cut])) || copy[cut] == '.')) {
        if (copy[cut] == '.' && ++points == 2) break;
        ++cut;
      }
      copy.resize(cut);
      size_t point = copy.find('.');
      auto value = [](const std::string& digits) {
        long long v = 0;
        for (char c : digits) v = std::min<long long>(v * 10 + (c - '0'), 2147483647LL);
        return static_cast<ai::int32>(v);
      };
      info.creatorMajor = value(copy.substr(0, point));
      if (point != std::string::npos) info.creatorMinor = value(copy.substr(point + 1));
      break;
    }
    if (at(p, "%%Creator: Adobe Photoshop")) {
      info.creatorKind = 1;
      break;
    }
    if (at(p, "<stEvt:softwareAgent>Adobe Photoshop Elements")) {
      info.creatorKind = 2;
      break;
    }
    if (at(p, "<stEvt:softwareAgent>Adobe Photoshop CC")) {
      info.creatorKind = 3;
      break;
    }
    if (at(p + 1, "Adobe Photoshop CS")) {
      info.creatorKind = 4;
      break;
    }
  }
  // Segments: they end at a line break, at a "/" other than their first byte, or at the end.
  size_t start = 0;
  while (start < n) {
    double numbers[4];
    if (at(start, "/BleedBox")) {
      ReferenceBox(text, start, numbers);
      info.bleedBox = AIRealRect{numbers[0], numbers[1], numbers[2], numbers[3]};
    } else if (at(start, "/CropBox")) {
      ReferenceBox(text, start, numbers);
      info.cropBox = AIRealRect{numbers[0], numbers[1], numbers[2], numbers[3]};
    }
    size_t e = start;
    bool lineBreak = false;
    for (; e < n; ++e) {
      if (text[e] == '\r' || text[e] == '\n') {
        lineBreak = true;
        break;
      }
      if (text[e] == '/' && e != start) break;
    }
    if (e >= n) break;
    if (lineBreak) {
      ++e;
      if (e < n && (text[e] == '\r' || text[e] == '\n')) ++e;
    }
    start = e;
  }
  return info;
}

// ---- Running the scanner. ----

PDF_CHECK_INFO ScanInPieces(const std::string& text, size_t chunk, size_t piece) {
  PDFHeaderScanner scanner(chunk);
  EXPECT_TRUE(scanner.IsReady());
  for (size_t at = 0; at < text.size(); at += piece) scanner.Feed(text.data() + at, std::min(piece, text.size() - at));
  PDF_CHECK_INFO info;
  std::memset(&info, 0x5A, sizeof(info));
  scanner.Finish(&info);
  return info;
}

void ExpectSame(const PDF_CHECK_INFO& actual, const PDF_CHECK_INFO& expected, const std::string& context) {
  EXPECT_EQ(actual.creatorMajor, expected.creatorMajor) << context;
  EXPECT_EQ(actual.creatorMinor, expected.creatorMinor) << context;
  EXPECT_EQ(actual.creatorKind, expected.creatorKind) << context;
  EXPECT_EQ(Numbers(actual.bleedBox), Numbers(expected.bleedBox)) << context;
  EXPECT_EQ(Numbers(actual.cropBox), Numbers(expected.cropBox)) << context;
}

class PdfInspectionTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(folder.path().empty()); }

  PDF_CHECK_INFO Inspect(const std::string& content) {
    std::string path = folder.path() + "/file" + std::to_string(files++) + ".ai";
    std::ofstream(path, std::ios::binary) << content;
    PDF_CHECK_INFO info;
    std::memset(&info, 0x5A, sizeof(info));
    PDFGetInformation(testing_support::PathText(path).c_str(), &info);
    ExpectSame(info, Reference(content), "reference for " + content.substr(0, 60));
    return info;
  }

  testing_support::DirectPlugin plugin;
  TempFolder folder;
  int files = 0;
};

TEST_F(PdfInspectionTest, TrimAreaOnlyForEarlyVersionsWhoseBoxesDifferByMoreThanOne) {
  const std::string boxes = "\n/BleedBox [0 0 612 792]\n/CropBox [18 18 594 774]\n";
  PDF_CHECK_INFO old = Inspect("%!PS-Adobe-3.0\n%%AI8_CreatorVersion: 13.0.0\n" + boxes);
  EXPECT_EQ(old.creatorMajor, 13);
  EXPECT_EQ(old.creatorMinor, 0);
  EXPECT_TRUE(old.bleedBox == std::vector<double>({0, 0, 612, 792}));
  EXPECT_TRUE(old.cropBox == std::vector<double>({18, 18, 594, 774}));
  EXPECT_TRUE(PDFIncludesTrimArea(&old));
  PDF_CHECK_INFO current = Inspect("%!PS-Adobe-3.0\n%%AI8_CreatorVersion: 14.0.0\n" + boxes);
  EXPECT_EQ(current.creatorMajor, 14);
  EXPECT_FALSE(PDFIncludesTrimArea(&current));

  struct Case {
    ai::int32 major;
    AIRealRect bleed, crop;
    bool hasBleed, hasCrop;
    bool trim;
  };
  const Case cases[] = {
      {13, {0, 0, 612, 792}, {1, 1, 611, 791}, true, true, false},   // exactly 1.0 everywhere
      {13, {0, 0, 612, 792}, {0, 0, 612, 793.5}, true, true, true},  // 1.5 in one place
      // A box that is not in the file is no trim area: without a crop box the crop
      // area is the media box (common in files of versions 12 and 13).
      {12, {0, 0, 612, 792}, {0, 0, 0, 0}, true, false, false},
      {1, {0, 0, 0, 0}, {0, 0, 595.276, 841.89}, false, true, false},
      {0, {0, 0, 612, 792}, {18, 18, 594, 774}, true, true, false},  // no creator version
      {14, {0, 0, 612, 792}, {18, 18, 594, 774}, true, true, false},
      {-3, {0, 0, 612, 792}, {18, 18, 594, 774}, true, true, false},
  };
  for (const Case& c : cases) {
    PDF_CHECK_INFO info{};
    info.creatorMajor = c.major;
    info.bleedBox = c.bleed;
    info.cropBox = c.crop;
    info.hasBleedBox = c.hasBleed;
    info.hasCropBox = c.hasCrop;
    EXPECT_EQ(PDFIncludesTrimArea(&info), c.trim) << c.major << " " << c.crop.bottom;
  }
  EXPECT_FALSE(PDFIncludesTrimArea(nullptr));
}

// Bytes shaped like files of host version 12: CR line ends, boxes with no space
// before "[", long and slightly negative reals, and the creator comment some 50 KB in,
// behind an XMP packet.
TEST_F(PdfInspectionTest, RealShapedFilesOfVersion12) {
  std::string head =
      "%PDF-1.5\r%\xE2\xE3\xCF\xD3\r2 0 obj\r<</Length 51200/Subtype/XML/Type/Metadata>>stream\r"
      "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\r"
      "<stEvt:softwareAgent>Adobe Illustrator CS2</stEvt:softwareAgent>\r";
  while (head.size() < 50 * 1024) head += std::string(60, ' ') + "\r";
  head +=
      "<?xpacket end=\"w\"?>\rendstream\rendobj\r4 0 obj\r<</Length 90>>stream\r%!PS-Adobe-3.0 \r"
      "%%Creator: Adobe Illustrator(R) 12.0\r%%AI8_CreatorVersion: 12.0.0\rendstream\rendobj\r";
  PDF_CHECK_INFO bleedOnly = Inspect(head +
                                     "5 0 obj\r<</ArtBox[30.0 -0.0000457764 581.9999390 761.9999847]"
                                     "/BleedBox[0.0 -0.0000457764 612.0 792.0]/MediaBox[0.0 0.0 612.0 792.0]>>\r");
  EXPECT_EQ(bleedOnly.creatorMajor, 12);
  EXPECT_TRUE(bleedOnly.hasBleedBox);
  EXPECT_FALSE(bleedOnly.hasCropBox);
  EXPECT_DOUBLE_EQ(bleedOnly.bleedBox.top, -0.0000457764);
  EXPECT_FALSE(PDFIncludesTrimArea(&bleedOnly)) << "no crop box: the crop area is the media box";
  PDF_CHECK_INFO trim = Inspect(head +
                                "5 0 obj\r<</BleedBox[0.0 -0.0000457764 612.0 792.0]"
                                "/CropBox[18.0000000000 18.0 594.0 774.0]>>\r");
  EXPECT_TRUE(trim.hasCropBox);
  EXPECT_TRUE(PDFIncludesTrimArea(&trim));
  PDF_CHECK_INFO same = Inspect(head +
                                "5 0 obj\r<</BleedBox[0.0 -0.0000457764 612.0 792.0]"
                                "/CropBox[0.0 0.0 612.0000000001 792.0]>>\r");
  EXPECT_FALSE(PDFIncludesTrimArea(&same));
}

TEST_F(PdfInspectionTest, TheFirstCreatorTokenDecides) {
  struct Case {
    std::string text;
    ai::int32 major, minor, kind;
  };
  const Case cases[] = {
      {"%%Creator: Adobe Photoshop 7\n%%AI8_CreatorVersion: 12.0\n", 0, 0, 1},
      {"%%AI8_CreatorVersion: 12.0\n%%Creator: Adobe Photoshop 7\n", 12, 0, 0},
      {"x<stEvt:softwareAgent>Adobe Photoshop Elements 9</stEvt>", 0, 0, 2},
      {"x<stEvt:softwareAgent>Adobe Photoshop CC 2019</stEvt>", 0, 0, 3},
      {"<stEvt:softwareAgent>Adobe Photoshop CS6 (Windows)", 0, 0, 4},
      {"Adobe Photoshop CS5\n%%AI8_CreatorVersion: 9\n", 9, 0, 0},  // never at the first byte
      {" Adobe Photoshop CS5\n%%AI8_CreatorVersion: 9\n", 0, 0, 4},
      {"%%AI8_CreatorVersion:     28.0\n", 28, 0, 0},
      {"%%AI8_CreatorVersion: 24.1.2\n", 24, 1, 0},
      {"%%AI8_CreatorVersion: 13\n", 13, 0, 0},
      {"%%AI8_CreatorVersion: v13\n", 0, 0, 0},
      {"%%AI8_CreatorVersion:\t13\n", 0, 0, 0},  // only spaces are skipped
      {"%%AI8_CreatorVersion: .5\n", 0, 5, 0},
      {"%%AI8_CreatorVersion: 7.\n", 7, 0, 0},
      {"%%AI8_CreatorVersion: 99999999999999999999.3\n", 2147483647, 3, 0},
      {std::string("%%AI8_CreatorVersion: 1\0"
                   "5\n",
                   27),
       1, 0, 0},
      {"%%AI8_CreatorVersion: 12", 12, 0, 0},  // the file ends in the number
      {"%%AI8_CreatorVersion:", 0, 0, 0},
      {"%%AI8_CreatorVersion", 0, 0, 0},
      {"%%Creator: Adobe Photosho", 0, 0, 0},
      {"no creator at all", 0, 0, 0},
      {std::string("\0\0%%Creator: Adobe Photoshop", 28), 0, 0, 1},  // zero bytes do not end the scan
  };
  for (const Case& c : cases) {
    PDF_CHECK_INFO info = Inspect(c.text);
    EXPECT_EQ(info.creatorMajor, c.major) << c.text;
    EXPECT_EQ(info.creatorMinor, c.minor) << c.text;
    EXPECT_EQ(info.creatorKind, c.kind) << c.text;
  }
  // 79 bytes of version text at most.
  PDF_CHECK_INFO capped = Inspect("%%AI8_CreatorVersion: " + std::string(78, '0') + "12");
  EXPECT_EQ(capped.creatorMajor, 1);
}

TEST_F(PdfInspectionTest, BoxNumbersFollowTheReaderRules) {
  struct Case {
    std::string text;
    std::vector<double> crop;
  };
  const Case cases[] = {
      {"/CropBox [0 0 595.276 841.89]", {0, 0, 595.276, 841.89}},
      {"/CropBoxes [1 2 3 4]", {1, 2, 3, 4}},
      {"/CropBox [ 1 2 3 4]", {0, 1, 2, 3}},  // a space behind "[" is an empty token
      {"/CropBox [1  2   3 4 ]", {1, 2, 3, 4}},
      {"/CropBox [1\t2 3 4 5]", {1, 3, 4, 5}},        // a tab does not separate
      {"/CropBox\n[10 20\n30 40]", {10, 20, 40, 0}},  // neither does a line break
      {"/CropBox [-1.5 +2 .5 7.]", {-1.5, 2, 0.5, 7}},
      {"/CropBox [1e5 0x10 inf 12abc]", {1, 0, 0, 12}},
      {"/CropBox [1 2 3 4 5 6]", {1, 2, 3, 4}},
      {"/CropBox 5 0 R /MediaBox [0 0 9 9]", {0, 0, 9, 9}},  // the next bracket within reach
      {"/CropBox 5 0 R", {0, 0, 0, 0}},
      {"/CropBox ] [1 2 3 4]", {0, 0, 0, 0}},
      {"/CropBox " + std::string(250, ' ') + "[1 2 3 4]", {0, 0, 0, 0}},
      {"/CropBox " + std::string(240, ' ') + "[1 2 3 4]", {1, 2, 3, 0}},  // 256 bytes from "/"
      {std::string("/CropBox [1 2\0 3 4]", 19), {1, 2, 0, 0}},
      {"/CropBox [0 0 612", {0, 0, 612, 0}},  // cut by the end of the file
      {"/CropBox [0 0 6", {0, 0, 6, 0}},
      {"/CropBox [", {0, 0, 0, 0}},
      {"/CropBo", {0, 0, 0, 0}},
      {"/CropBox [1 2 3 4] /CropBox [5 6 7 8]", {5, 6, 7, 8}},  // the last entry wins
      {"/CropBox [5 6 7 8]\r\n\r\n/CropBox[9 9 9 9]/BleedBox[1 1 1 1]", {9, 9, 9, 9}},
      {"/CropBox [" + std::string(300, '9') + "]", {std::stod(std::string(246, '9')), 0, 0, 0}},
  };
  for (const Case& c : cases) {
    PDF_CHECK_INFO info = Inspect(c.text);
    EXPECT_EQ(Numbers(info.cropBox), c.crop) << c.text;
  }
  PDF_CHECK_INFO both = Inspect("/BleedBox [1 2 3 4]\n/CropBox [5 6 7 8]\n/BleedBox [9 10 11 12]");
  EXPECT_TRUE(both.bleedBox == std::vector<double>({9, 10, 11, 12}));
  EXPECT_TRUE(both.cropBox == std::vector<double>({5, 6, 7, 8}));
}

TEST_F(PdfInspectionTest, EmptyAndUnopenableFilesGiveAnAllZeroRecord) {
  const auto missing = testing_support::PathText("/nonexistent/file.ai");
  const auto none = testing_support::PathText("");
  for (const PlatformPathChar* path : {missing.c_str(), none.c_str(), static_cast<const PlatformPathChar*>(nullptr)}) {
    PDF_CHECK_INFO info;
    std::memset(&info, 0x5A, sizeof(info));
    PDFGetInformation(path, &info);
    PDF_CHECK_INFO zero{};
    EXPECT_EQ(std::memcmp(&info, &zero, sizeof(info)), 0);
  }
  PDF_CHECK_INFO empty = Inspect("");
  PDF_CHECK_INFO zero{};
  EXPECT_EQ(std::memcmp(&empty, &zero, sizeof(empty)), 0);
  PDF_CHECK_INFO folderInfo;
  PDFGetInformation(testing_support::PathText(folder.path()).c_str(), &folderInfo);
  EXPECT_EQ(std::memcmp(&folderInfo, &zero, sizeof(zero)), 0);
  PDFGetInformation(testing_support::PathText(folder.path()).c_str(), nullptr);
}

// A Real Math suite that records what it is asked to set.
std::vector<std::vector<double>> gRectSets;
void RecordRectSet(AIRealRect* rect, AIReal left, AIReal top, AIReal right, AIReal bottom) {
  gRectSets.push_back({left, top, right, bottom});
  rect->left = left;
  rect->top = top;
  rect->right = right;
  rect->bottom = bottom;
}

TEST_F(PdfInspectionTest, RectanglesAreSetThroughTheRealMathSuiteAndStillWithoutIt) {
  AIRealMathSuite recording{};
  recording.AIRealRectSet = RecordRectSet;
  const AIRealMathSuite* lent = sRealMath;
  sRealMath = &recording;
  gRectSets.clear();
  PDF_CHECK_INFO info = Inspect("/CropBox [1 2 3 4] /BleedBox [5 6 7 8] /CropBox [9 10 11 12]");
  EXPECT_EQ(gRectSets, (std::vector<std::vector<double>>{{5, 6, 7, 8}, {9, 10, 11, 12}}));

  sRealMath = nullptr;
  info = Inspect("/CropBox [1 2 3 4] /BleedBox [5 6 7 8]");
  EXPECT_TRUE(info.cropBox == std::vector<double>({1, 2, 3, 4}));
  EXPECT_TRUE(info.bleedBox == std::vector<double>({5, 6, 7, 8}));
  sRealMath = lent;
}

TEST_F(PdfInspectionTest, TokensAcrossChunkBoundariesAreFoundWhereverTheyStand) {
  const std::string creator = "%%AI8_CreatorVersion: 12.3.4";
  const std::string box = "/CropBox [18 18 594 774]";
  const std::string bleed = "/BleedBox [0 0 612 792]";
  for (size_t chunk : {1u, 2u, 7u, 21u, 30u, 64u, 300u}) {
    for (size_t offset = 0; offset < 40; ++offset) {
      std::string text = std::string(offset, 'q') + creator + " " + bleed + std::string(offset % 7, '\n') + box;
      ExpectSame(ScanInPieces(text, chunk, chunk), Reference(text), "chunk " + std::to_string(chunk));
      PDF_CHECK_INFO info = ScanInPieces(text, chunk, 3);
      EXPECT_EQ(info.creatorMajor, 12);
      EXPECT_EQ(info.creatorMinor, 3);
      EXPECT_TRUE(info.cropBox == std::vector<double>({18, 18, 594, 774}));
    }
  }
  // "Adobe Photoshop CS" at the start of a later chunk is still one position late.
  std::string late = "abc" + std::string("Adobe Photoshop CS");
  for (size_t chunk : {1u, 2u, 3u, 4u}) EXPECT_EQ(ScanInPieces(late, chunk, 1).creatorKind, 4);
}

// Text made of pieces that meet the rules' corners, glued in random order.
std::string RandomText(std::mt19937& random) {
  static const std::vector<std::string> pieces = {"%%AI8_CreatorVersion:",
                                                  "%%AI8_CreatorVersion: 13.0.0",
                                                  "%%AI8_CreatorVersion:   24.1.2\n",
                                                  "%%AI8_CreatorVer",
                                                  "%%Creator: Adobe Photoshop",
                                                  "%%Creator: Adobe",
                                                  "Adobe Photoshop CS",
                                                  "<stEvt:softwareAgent>Adobe Photoshop Elements",
                                                  "<stEvt:softwareAgent>Adobe Photoshop CC",
                                                  "<stEvt:softwareAgent>Adobe Photoshop ",
                                                  "/CropBox",
                                                  "/BleedBox",
                                                  "/CropBox [0 0 595.276 841.89]",
                                                  "/BleedBox[ 1 2 3 4]",
                                                  "/CropBox\n[1\t2 3 4 5]",
                                                  "/CropBox 5 0 R",
                                                  "/CropBoxes [9 9 9 9]",
                                                  "/BleedBox [-3 .5 7. 8",
                                                  "[",
                                                  "]",
                                                  " ",
                                                  "    ",
                                                  "\r\n",
                                                  "\n\r",
                                                  "\r\r",
                                                  "\n",
                                                  "/",
                                                  "/Type /Page",
                                                  std::string(1, '\0'),
                                                  "12",
                                                  "3.25",
                                                  "x",
                                                  "Box",
                                                  "//",
                                                  "/Crop",
                                                  std::string(200, ' '),
                                                  "0 0 612 792"};
  std::string text;
  std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(0, 60);
  int count = length(random);
  for (int i = 0; i < count; ++i) text += pieces[pick(random)];
  return text;
}

TEST_F(PdfInspectionTest, ChunkedScanAgreesWithTheWholeTextReadingOnRandomTexts) {
  std::mt19937 random(20261209);
  const size_t chunks[] = {1, 5, 45, 46, 257, 300, 4096};
  for (int round = 0; round < 1500; ++round) {
    std::string text = RandomText(random);
    PDF_CHECK_INFO expected = Reference(text);
    for (size_t chunk : chunks) {
      if (chunk == 1 && round % 8 != 0) continue;
      size_t piece = 1 + random() % 97;
      ExpectSame(ScanInPieces(text, chunk, piece), expected,
                 "round " + std::to_string(round) + " chunk " + std::to_string(chunk));
      if (HasFailure()) return;
    }
  }
}

TEST_F(PdfInspectionTest, AFileLargerThanAChunkIsReadWholeWithinBoundedMemory) {
  // Tokens straddle the first two chunk boundaries; the last box is cut by the end.
  std::string content(3 * kPDFChunkBytes + 100, '.');
  const std::string creator = "%%AI8_CreatorVersion: 11.0";
  const std::string first = "/CropBox [1 2 3 4]";
  const std::string bleed = "/BleedBox [0 0 612 792]";
  content.replace(kPDFChunkBytes - 10, creator.size(), creator);
  content.replace(2 * kPDFChunkBytes - 4, first.size(), first);
  content.replace(2 * kPDFChunkBytes + 40, bleed.size(), bleed);
  const std::string last = "/CropBox [18 18 594";
  content.replace(content.size() - last.size(), last.size(), last);
  PDF_CHECK_INFO info = Inspect(content);
  EXPECT_EQ(info.creatorMajor, 11);
  EXPECT_TRUE(info.bleedBox == std::vector<double>({0, 0, 612, 792}));
  EXPECT_TRUE(info.cropBox == std::vector<double>({18, 18, 594, 0}));
  EXPECT_TRUE(PDFIncludesTrimArea(&info));
}

}  // namespace
