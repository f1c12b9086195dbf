#include "documents/DocumentFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "documents/DocumentModel.h"
#include "documents/Fonts.h"
#include "suites/FilePaths.h"
#include "documents/PdfWriter.h"
#include "os/CalendarTime.h"
#include "os/Files.h"

namespace simhost {
namespace {

const char kPrivateDataType[] = "/Type /KestrunePrivateData";
constexpr long kPrivateDataFormat = 1;
constexpr double kFontSize = 12;
constexpr double kLeading = 14;

std::uint32_t Crc32(const std::string& bytes) {
  static const auto table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
      std::uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[i] = c;
    }
    return t;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

// A line of text split into pieces per font: Latin-1 text in the standard font,
// everything else through the Japanese CID font, which reads UTF-16.
std::string ShowLine(const std::u16string& line) {
  std::string out, piece;
  int font = 0;
  auto flush = [&] {
    if (piece.empty()) return;
    out += "/F" + std::to_string(font) + " " + PdfNumber(kFontSize) + " Tf " + HexString(piece) + " Tj\n";
    piece.clear();
  };
  for (char16_t unit : line) {
    bool latin = unit < 0x100 && !(unit >= 0x7F && unit < 0xA0);
    int wanted = latin ? 1 : 2;
    if (wanted != font) {
      flush();
      font = wanted;
    }
    if (latin) {
      piece.push_back(static_cast<char>(unit < 0x20 ? 0x20 : unit));
    } else {
      piece.push_back(static_cast<char>(unit >> 8));
      piece.push_back(static_cast<char>(unit & 0xFF));
    }
  }
  flush();
  return out;
}

void ShowText(const std::u16string& text, const Art& art, const Box& crop, std::string* content) {
  double x = crop[0] + art.position.h;
  double y = crop[3] - art.position.v - kFontSize;
  *content += "BT\n" + PdfNumber(kLeading) + " TL\n1 0 0 1 " + PdfNumber(x) + " " + PdfNumber(y) + " Tm\n";
  std::u16string line;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == u'\r' || text[i] == u'\n') {
      *content += ShowLine(line) + "T*\n";
      line.clear();
    } else {
      line.push_back(text[i]);
    }
  }
  *content += "ET\n";
}

void ShowVisible(const Art& art, const Box& crop, std::string* content) {
  if (art.hidden) return;
  if (art.type == kTextFrameArt) ShowText(art.Text(), art, crop, content);
  if (art.type == kLegacyTextArt) ShowText(art.legacyText, art, crop, content);
  for (const auto& child : art.children) ShowVisible(*child, crop, content);
}

std::string PageContent(const Document& document) {
  std::string content;
  for (const auto& layer : document.layers)
    if (layer->visible) ShowVisible(*layer->root, document.cropBox, &content);
  return content;
}

std::string BoxText(const Box& box) {
  return "[" + PdfNumber(box[0]) + " " + PdfNumber(box[1]) + " " + PdfNumber(box[2]) + " " + PdfNumber(box[3]) + "]";
}

std::string PdfDate() {
  os::CalendarTime utc = os::UtcCalendarTime(static_cast<long long>(std::time(nullptr)));
  char text[48];
  std::snprintf(text, sizeof(text), "(D:%04lld%02d%02d%02d%02d%02dZ)", utc.year, utc.month, utc.day, utc.hour,
                utc.minute, utc.second);
  return text;
}

// The number behind "/Key " in a dictionary's text; false when absent or malformed.
bool DictNumber(const std::string& dict, const std::string& key, unsigned long long* value) {
  size_t at = dict.find(key + " ");
  if (at == std::string::npos) return false;
  const char* start = dict.c_str() + at + key.size() + 1;
  if (*start < '0' || *start > '9') return false;
  char* end = nullptr;
  errno = 0;
  *value = std::strtoull(start, &end, 10);
  return errno == 0 && end != start;
}

bool DecodeHex(const std::string& data, std::string* out) {
  out->clear();
  int high = -1;
  for (char c : data) {
    if (c == '>') return high < 0;
    if (c == ' ' || c == '\n' || c == '\r' || c == '\t') continue;
    int digit = (c >= '0' && c <= '9') ? c - '0' : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                  : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
    if (digit < 0) return false;
    if (high < 0) {
      high = digit;
    } else {
      out->push_back(static_cast<char>(high * 16 + digit));
      high = -1;
    }
  }
  return false;  // no end-of-data mark: cut short
}

bool EndsWithEof(const std::string& bytes) {
  size_t end = bytes.find_last_not_of(" \r\n\t");
  return end != std::string::npos && end + 1 >= 5 && bytes.compare(end + 1 - 5, 5, "%%EOF") == 0;
}

AIErr Damaged(std::string* problem, const std::string& why) {
  if (problem != nullptr) *problem = why;
  return kDamagedFileErr;
}

}  // namespace

std::string DocumentFileBytes(const Document& document) {
  PdfWriter pdf;
  int catalog = pdf.Reserve(), pages = pdf.Reserve(), page = pdf.Reserve();
  int latinFont = pdf.Reserve(), japaneseFont = pdf.Reserve(), cidFont = pdf.Reserve(), descriptor = pdf.Reserve();
  int content = pdf.Reserve(), pieceInfo = pdf.Reserve(), privateData = pdf.Reserve(), info = pdf.Reserve();
  auto ref = [](int number) { return std::to_string(number) + " 0 R"; };
  std::string date = PdfDate();

  Box media{{std::min(document.cropBox[0], document.bleedBox[0]), std::min(document.cropBox[1], document.bleedBox[1]),
             std::max(document.cropBox[2], document.bleedBox[2]), std::max(document.cropBox[3], document.bleedBox[3])}};
  pdf.SetObject(catalog, "<< /Type /Catalog /Pages " + ref(pages) + " >>");
  pdf.SetObject(pages, "<< /Type /Pages /Kids [" + ref(page) + "] /Count 1 >>");
  pdf.SetObject(page, "<< /Type /Page /Parent " + ref(pages) + " /MediaBox " + BoxText(media) + " /CropBox " +
                          BoxText(document.cropBox) + " /BleedBox " + BoxText(document.bleedBox) +
                          " /Resources << /Font << /F1 " + ref(latinFont) + " /F2 " + ref(japaneseFont) +
                          " >> >> /Contents " + ref(content) + " /LastModified " + date +
                          " /PieceInfo << /Illustrator " + ref(pieceInfo) + " >> >>");
  pdf.SetObject(latinFont, "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
  pdf.SetObject(japaneseFont, "<< /Type /Font /Subtype /Type0 /BaseFont /KozMinPr6N-Regular /Encoding /UniJIS-UTF16-H"
                              " /DescendantFonts [" + ref(cidFont) + "] >>");
  pdf.SetObject(cidFont, "<< /Type /Font /Subtype /CIDFontType0 /BaseFont /KozMinPr6N-Regular /CIDSystemInfo"
                         " << /Registry (Adobe) /Ordering (Japan1) /Supplement 6 >> /FontDescriptor " +
                             ref(descriptor) + " /DW 1000 >>");
  pdf.SetObject(descriptor, "<< /Type /FontDescriptor /FontName /KozMinPr6N-Regular /Flags 6"
                            " /FontBBox [-437 -340 1147 1317] /ItalicAngle 0 /Ascent 880 /Descent -120"
                            " /CapHeight 742 /StemV 80 >>");
  pdf.SetStream(content, "", PageContent(document));
  pdf.SetObject(pieceInfo, "<< /LastModified " + date + " /Private " + ref(privateData) + " >>");
  std::string model = ModelOf(document).dump();
  pdf.SetStream(privateData,
                std::string(kPrivateDataType) + " /Format " + std::to_string(kPrivateDataFormat) + " /CRC32 " +
                    std::to_string(Crc32(model)) + " /Filter /ASCIIHexDecode",
                HexLines(model) + ">");
  pdf.SetObject(info, "<< /Producer (Kestrune simulated host) >>");
  return pdf.Finish({"%%AI8_CreatorVersion: " + document.creatorVersion}, catalog, info);
}

AIErr WriteDocumentFile(const std::string& path, const Document& document) {
  std::string bytes = DocumentFileBytes(document);
  return os::WriteFileReplacing(FullPathOf(path), bytes) ? kNoErr : kWriteFailedErr;
}

AIErr WriteModelFile(const std::string& path, const nlohmann::json& model, const std::string& defaultVersion,
                     std::string* problem) {
  Fonts fonts;
  std::string why;
  std::unique_ptr<Document> document = DocumentFromModel(model, fonts, defaultVersion, &why);
  if (!document) {
    if (problem != nullptr) *problem = why;
    return kBadParameterErr;
  }
  return WriteDocumentFile(path, *document);
}

AIErr DocumentFromFileBytes(const std::string& bytes, Fonts& fonts, std::unique_ptr<Document>* out,
                            std::string* problem) {
  if (bytes.compare(0, 5, "%PDF-") != 0) {
    if (problem != nullptr) *problem = "not a PDF-compatible document";
    return kForeignFileErr;
  }
  size_t marker = bytes.find(kPrivateDataType);
  if (marker == std::string::npos) {
    if (problem != nullptr) *problem = "no private data of this host";
    return kForeignFileErr;
  }
  if (bytes.find(kPrivateDataType, marker + 1) != std::string::npos) return Damaged(problem, "private data twice");
  if (!EndsWithEof(bytes)) return Damaged(problem, "the file is cut short");
  size_t dictEnd = bytes.find(">>", marker);
  if (dictEnd == std::string::npos) return Damaged(problem, "unreadable private data dictionary");
  std::string dict = bytes.substr(marker, dictEnd - marker);
  unsigned long long format = 0, crc = 0, length = 0;
  if (!DictNumber(dict, "/Format", &format) || !DictNumber(dict, "/CRC32", &crc) ||
      !DictNumber(dict, "/Length", &length))
    return Damaged(problem, "unreadable private data dictionary");
  if (format != kPrivateDataFormat) return Damaged(problem, "private data of an unknown format " + std::to_string(format));
  const std::string streamHead = ">>\nstream\n";
  if (bytes.compare(dictEnd, streamHead.size(), streamHead) != 0) return Damaged(problem, "private data stream missing");
  size_t data = dictEnd + streamHead.size();
  if (length > bytes.size() - data || bytes.compare(data + length, 10, "\nendstream") != 0)
    return Damaged(problem, "private data stream of the wrong length");
  std::string text;
  if (!DecodeHex(bytes.substr(data, length), &text)) return Damaged(problem, "private data is not hex");
  if (Crc32(text) != crc) return Damaged(problem, "private data does not match its checksum");
  nlohmann::json model = nlohmann::json::parse(text, nullptr, false);
  if (model.is_discarded()) return Damaged(problem, "private data is not JSON");
  std::string why;
  std::unique_ptr<Document> document = DocumentFromModel(model, fonts, "", &why);
  if (!document) return Damaged(problem, "private data holds a bad model: " + why);
  *out = std::move(document);
  return kNoErr;
}

AIErr ReadDocumentFile(const std::string& path, Fonts& fonts, std::unique_ptr<Document>* out, std::string* problem) {
  std::ifstream in;
  if (os::KindOfPath(path, true) == os::PathKind::kRegularFile) in.open(os::NativePath(path), std::ios::binary);
  if (!in.is_open()) {
    if (problem != nullptr) *problem = "cannot read " + path;
    return kFileNotFoundErr;
  }
  std::stringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) {
    if (problem != nullptr) *problem = "cannot read " + path;
    return kFileNotFoundErr;
  }
  return DocumentFromFileBytes(bytes.str(), fonts, out, problem);
}

}  // namespace simhost
