#include "documents/DocumentFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>

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
    int digit = (c >= '0' && c <= '9')   ? c - '0'
                : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                                         : -1;
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
  pdf.SetObject(japaneseFont,
                "<< /Type /Font /Subtype /Type0 /BaseFont /KozMinPr6N-Regular /Encoding /UniJIS-UTF16-H"
                " /DescendantFonts [" +
                    ref(cidFont) + "] >>");
  pdf.SetObject(cidFont,
                "<< /Type /Font /Subtype /CIDFontType0 /BaseFont /KozMinPr6N-Regular /CIDSystemInfo"
                " << /Registry (Adobe) /Ordering (Japan1) /Supplement 6 >> /FontDescriptor " +
                    ref(descriptor) + " /DW 1000 >>");
  pdf.SetObject(descriptor,
                "<< /Type /FontDescriptor /FontName /KozMinPr6N-Regular /Flags 6"
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

namespace {

// Where a document's bytes come from: all of them in memory, or a file read in pieces.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual unsigned long long Size() const = 0;
  // The bytes [offset, offset + count) as far as they exist, into out; false when they
  // cannot be read.
  virtual bool Read(unsigned long long offset, size_t count, std::string* out) = 0;
};

class MemorySource : public ByteSource {
 public:
  explicit MemorySource(const std::string& bytes) : bytes_(bytes) {}
  unsigned long long Size() const override { return bytes_.size(); }
  bool Read(unsigned long long offset, size_t count, std::string* out) override {
    *out = offset < bytes_.size() ? bytes_.substr(static_cast<size_t>(offset), count) : std::string();
    return true;
  }

 private:
  const std::string& bytes_;
};

class FileSource : public ByteSource {
 public:
  explicit FileSource(std::ifstream& in) : in_(in) {
    in_.seekg(0, std::ios::end);
    const std::streamoff end = in_.tellg();
    size_ = end > 0 ? static_cast<unsigned long long>(end) : 0;
  }
  unsigned long long Size() const override { return size_; }
  bool Read(unsigned long long offset, size_t count, std::string* out) override {
    out->clear();
    if (offset >= size_) return true;
    const unsigned long long rest = size_ - offset;
    out->resize(static_cast<size_t>(rest < count ? rest : count));
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(offset));
    in_.read(&(*out)[0], static_cast<std::streamsize>(out->size()));
    return !in_.bad() && static_cast<size_t>(in_.gcount()) == out->size();
  }

 private:
  std::ifstream& in_;
  unsigned long long size_ = 0;
};

// Where text occurs in [from, end of source), looking through pieces that overlap by
// its length less one; npos when it does not, or the source cannot be read.
constexpr unsigned long long kNotFound = ~0ull;
unsigned long long FindIn(ByteSource& source, const std::string& text, unsigned long long from, bool* readable) {
  std::string piece;
  for (unsigned long long at = from; at < source.Size(); at += kDocumentReadPiece - (text.size() - 1)) {
    if (!source.Read(at, kDocumentReadPiece, &piece)) {
      *readable = false;
      return kNotFound;
    }
    const size_t found = piece.find(text);
    if (found != std::string::npos) return at + found;
    if (piece.size() < kDocumentReadPiece) break;
  }
  return kNotFound;
}

// Whether the last bytes other than blanks are "%%EOF", looking back a piece at a time.
bool EndsWithEof(ByteSource& source, bool* readable) {
  std::string piece;
  unsigned long long end = source.Size();
  while (end > 0) {
    const unsigned long long start = end > kDocumentReadPiece ? end - kDocumentReadPiece : 0;
    if (!source.Read(start, static_cast<size_t>(end - start), &piece)) {
      *readable = false;
      return false;
    }
    const size_t last = piece.find_last_not_of(" \r\n\t");
    if (last != std::string::npos) {
      const unsigned long long lastAt = start + last;
      if (lastAt < 4) return false;
      std::string tail;
      if (!source.Read(lastAt - 4, 5, &tail)) *readable = false;
      return tail == "%%EOF";
    }
    end = start;
  }
  return false;
}

AIErr Unreadable(std::string* problem) {
  if (problem != nullptr) *problem = "cannot read the file";
  return kFileNotFoundErr;
}

// The private data dictionary of a document is one short line; a longer one is not ours.
constexpr size_t kDictionaryLimit = 4096;

AIErr DocumentFrom(ByteSource& source, Fonts& fonts, std::unique_ptr<Document>* out, std::string* problem) {
  std::string head;
  if (!source.Read(0, 5, &head)) return Unreadable(problem);
  if (head != "%PDF-") {
    if (problem != nullptr) *problem = "not a PDF-compatible document";
    return kForeignFileErr;
  }
  bool readable = true;
  const unsigned long long marker = FindIn(source, kPrivateDataType, 0, &readable);
  if (!readable) return Unreadable(problem);
  if (marker == kNotFound) {
    if (problem != nullptr) *problem = "no private data of this host";
    return kForeignFileErr;
  }
  const bool twice = FindIn(source, kPrivateDataType, marker + 1, &readable) != kNotFound;
  if (!readable) return Unreadable(problem);
  if (twice) return Damaged(problem, "private data twice");
  const bool ended = EndsWithEof(source, &readable);
  if (!readable) return Unreadable(problem);
  if (!ended) return Damaged(problem, "the file is cut short");

  std::string window;
  if (!source.Read(marker, kDictionaryLimit, &window)) return Unreadable(problem);
  const size_t dictLength = window.find(">>");
  if (dictLength == std::string::npos) return Damaged(problem, "unreadable private data dictionary");
  std::string dict = window.substr(0, dictLength);
  unsigned long long format = 0, crc = 0, length = 0;
  if (!DictNumber(dict, "/Format", &format) || !DictNumber(dict, "/CRC32", &crc) ||
      !DictNumber(dict, "/Length", &length))
    return Damaged(problem, "unreadable private data dictionary");
  if (format != kPrivateDataFormat)
    return Damaged(problem, "private data of an unknown format " + std::to_string(format));
  const std::string streamHead = ">>\nstream\n";
  if (window.compare(dictLength, streamHead.size(), streamHead) != 0)
    return Damaged(problem, "private data stream missing");
  const unsigned long long data = marker + dictLength + streamHead.size();
  const std::string streamEnd = "\nendstream";
  if (data > source.Size() || length > source.Size() - data)
    return Damaged(problem, "private data stream of the wrong length");
  // Checked before anything of it is read: the stream is held whole to be decoded.
  if (length > kMaxPrivateDataBytes)
    return Damaged(problem, "private data of " + std::to_string(length) + " bytes, more than this host reads");
  std::string stream;
  if (!source.Read(data, static_cast<size_t>(length) + streamEnd.size(), &stream)) return Unreadable(problem);
  if (stream.compare(static_cast<size_t>(length), streamEnd.size(), streamEnd) != 0)
    return Damaged(problem, "private data stream of the wrong length");
  stream.resize(static_cast<size_t>(length));
  std::string text;
  if (!DecodeHex(stream, &text)) return Damaged(problem, "private data is not hex");
  if (Crc32(text) != crc) return Damaged(problem, "private data does not match its checksum");
  nlohmann::json model = nlohmann::json::parse(text, nullptr, false);
  if (model.is_discarded()) return Damaged(problem, "private data is not JSON");
  std::string why;
  std::unique_ptr<Document> document = DocumentFromModel(model, fonts, "", &why);
  if (!document) return Damaged(problem, "private data holds a bad model: " + why);
  *out = std::move(document);
  return kNoErr;
}

}  // namespace

AIErr DocumentFromFileBytes(const std::string& bytes, Fonts& fonts, std::unique_ptr<Document>* out,
                            std::string* problem) {
  MemorySource source(bytes);
  return DocumentFrom(source, fonts, out, problem);
}

AIErr ReadDocumentFile(const std::string& path, Fonts& fonts, std::unique_ptr<Document>* out, std::string* problem) {
  std::ifstream in;
  if (os::KindOfPath(path, true) == os::PathKind::kRegularFile) in.open(os::NativePath(path), std::ios::binary);
  if (!in.is_open()) {
    if (problem != nullptr) *problem = "cannot read " + path;
    return kFileNotFoundErr;
  }
  FileSource source(in);
  const AIErr err = DocumentFrom(source, fonts, out, problem);
  if (err == kFileNotFoundErr && problem != nullptr) *problem = "cannot read " + path;
  return err;
}

}  // namespace simhost
