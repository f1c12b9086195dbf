// The document file: the model survives a file, defaults fill a partial model, the
// file is a PDF that qpdf accepts, and what is not this host's document, or is
// damaged, is refused with its own code.
#include <cstdlib>
#include <filesystem>

#include "documents/DocumentFile.h"
#include "DocumentFixture.h"
#include "documents/Fonts.h"

namespace documents_test {
namespace {

using simhost::Document;

std::unique_ptr<Document> FromModel(const json& model, std::string* problem = nullptr) {
  static simhost::Fonts fonts;
  std::string why;
  auto document = simhost::DocumentFromModel(model, fonts, "28.1.0", &why);
  if (problem != nullptr) *problem = why;
  return document;
}

AIErr FromBytes(const std::string& bytes, std::string* problem = nullptr) {
  simhost::Fonts fonts;
  std::unique_ptr<Document> document;
  return simhost::DocumentFromFileBytes(bytes, fonts, &document, problem);
}

size_t Occurrences(const std::string& haystack, const std::string& needle) {
  size_t count = 0;
  for (size_t at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + 1)) ++count;
  return count;
}

// A complete model: every key spelled out, as describe prints it.
json CompleteModel() {
  return json::parse(R"({
    "creatorVersion": "27.3.1", "cropBox": [0, 0, 595.276, 841.89], "bleedBox": [-9, -9, 604.276, 850.89],
    "layers": [
      {"name": "本文", "visible": true, "editable": false, "art": [
        {"type": "group", "locked": true, "hidden": false, "selected": false, "position": [1.5, -2], "children": [
          {"type": "textFrame", "locked": false, "hidden": true, "selected": true, "position": [72, 144],
           "kind": 7, "layoutVersion": "24.0.0", "defaultFont": "Base",
           "runs": [{"text": "Hello\rworld ", "font": "DejaVuSans"}, {"text": "日本語😀", "font": null}]}]},
        {"type": "legacyText", "locked": false, "hidden": false, "selected": false, "position": [0, 0],
         "text": "old"},
        {"type": "path", "locked": false, "hidden": false, "selected": true, "position": [10, 20]}]},
      {"name": "Empty", "visible": false, "editable": true, "art": []}]})");
}

TEST(DocumentModel, ACompleteModelSurvivesTheFile) {
  json model = CompleteModel();
  std::unique_ptr<Document> document = FromModel(model);
  ASSERT_TRUE(document);
  simhost::Fonts fonts;
  std::unique_ptr<Document> reread;
  std::string problem;
  ASSERT_EQ(simhost::DocumentFromFileBytes(simhost::DocumentFileBytes(*document), fonts, &reread, &problem), kNoErr)
      << problem;
  EXPECT_EQ(json::parse(simhost::ModelOf(*reread).dump()), model);
}

TEST(DocumentModel, KeysLeftOutTakeTheirDefaults) {
  json partial = json::parse(R"({"layers": [{"art": [
      {"type": "textFrame", "runs": [{"text": "x"}]}, {"type": "group"}, {"type": "legacyText"}]}]})");
  std::unique_ptr<Document> document = FromModel(partial);
  ASSERT_TRUE(document);
  json expected = json::parse(R"({"creatorVersion": "28.1.0", "cropBox": [0, 0, 612, 792],
    "bleedBox": [0, 0, 612, 792], "layers": [{"name": "Layer 1", "visible": true, "editable": true, "art": [
      {"type": "textFrame", "locked": false, "hidden": false, "selected": false, "position": [0, 0], "kind": 0,
       "layoutVersion": "28.1.0", "defaultFont": null, "runs": [{"text": "x", "font": null}]},
      {"type": "group", "locked": false, "hidden": false, "selected": false, "position": [0, 0], "children": []},
      {"type": "legacyText", "locked": false, "hidden": false, "selected": false, "position": [0, 0],
       "text": ""}]}]})");
  EXPECT_EQ(json::parse(simhost::ModelOf(*document).dump()), expected);
  EXPECT_EQ(json::parse(simhost::ModelOf(*FromModel(json::object())).dump())["layers"].size(), 1u);
  std::unique_ptr<Document> bleedLess = FromModel(json{{"cropBox", {10, 10, 100, 100}}});
  EXPECT_EQ(bleedLess->bleedBox, bleedLess->cropBox);
}

TEST(DocumentModel, BadModelsAreRefusedNamingThePlace) {
  json deep = json{{"type", "path"}};
  for (int i = 0; i < simhost::kMaxGroupDepth + 1; ++i) deep = json{{"type", "group"}, {"children", {deep}}};
  struct Case {
    json model;
    const char* message;
  } cases[] = {
      {json::array(), "must be an object"},
      {json{{"creatorversion", "1.2.3"}}, "unknown key \"creatorversion\""},
      {json{{"creatorVersion", "28.1"}}, "creatorVersion: must read X.Y.Z"},
      {json{{"creatorVersion", "28.1.0b"}}, "creatorVersion"},
      {json{{"cropBox", {0, 0, 612}}}, "cropBox: must be four numbers"},
      {json{{"cropBox", {612, 0, 0, 792}}}, "cropBox: must have left < right"},
      {json{{"bleedBox", {0, 0, 2e6, 792}}}, "bleedBox[2]: must be a number between"},
      {json{{"layers", json::array()}}, "layers: must be a list of at least one layer"},
      {json{{"layers", {{{"visible", "yes"}}}}}, "layers[0].visible: must be true or false"},
      {json{{"layers", {{{"art", {{{"type", "circle"}}}}}}}}, "layers[0].art[0].type: must be"},
      {json{{"layers", {{{"art", {{{"type", "path"}, {"children", json::array()}}}}}}}},
       "layers[0].art[0]: unknown key \"children\""},
      {json{{"layers", {{{"art", {{{"type", "textFrame"}, {"kind", 1.5}}}}}}}}, "kind: must be a whole number"},
      {json{{"layers", {{{"art", {{{"type", "textFrame"}, {"kind", 4294967296LL}}}}}}}}, "kind: must fit in 32 bits"},
      {json{{"layers", {{{"art", {{{"type", "textFrame"}, {"runs", {{{"text", "a"}, {"font", ""}}}}}}}}}}},
       "runs[0].font: must be a font name or null"},
      {json{{"layers", {{{"art", {{{"type", "textFrame"}, {"layoutVersion", "x"}}}}}}}}, "layoutVersion"},
      {json{{"layers", {{{"art", {{{"type", "path"}, {"position", {1}}}}}}}}}, "position: must be two numbers"},
      {json{{"layers", {{{"art", {deep}}}}}}, "groups nest deeper than 100"},
  };
  for (const Case& c : cases) {
    std::string problem;
    EXPECT_FALSE(FromModel(c.model, &problem)) << c.model.dump();
    EXPECT_NE(problem.find(c.message), std::string::npos) << problem << " for " << c.model.dump();
  }
}

TEST(DocumentFile, ModelTextNeverFormsTheTokensAFileIsScannedFor) {
  const std::string tokens[] = {"/CropBox", "/BleedBox", "%%AI8_CreatorVersion:", "Adobe Photoshop CS",
                                "/Type /KestrunePrivateData"};
  std::string bait;
  for (const std::string& token : tokens) bait += token + " [1 2 3 4] 9.9.9\r";
  json model = {{"layers",
                 {{{"name", bait},
                   {"art",
                    {{{"type", "textFrame"}, {"defaultFont", bait}, {"runs", {{{"text", bait}, {"font", bait}}}}},
                     {{"type", "legacyText"}, {"text", bait}}}}}}}};
  std::string bytes = simhost::DocumentFileBytes(*FromModel(model));
  for (const std::string& token : tokens)
    EXPECT_EQ(Occurrences(bytes, token), token == "Adobe Photoshop CS" ? 0u : 1u) << token;
  EXPECT_EQ(bytes.find("%%AI8_CreatorVersion: 28.1.0\n"), bytes.find('\n', bytes.find('\n') + 1) + 1)
      << "the creator comment is the third line";
  EXPECT_NE(bytes.find("/CropBox [0 0 612 792] /BleedBox [0 0 612 792]"), std::string::npos);
  EXPECT_EQ(FromBytes(bytes), kNoErr);
}

TEST(DocumentFile, ForeignAndDamagedFilesAreRefusedWithTheirCodes) {
  std::string good = simhost::DocumentFileBytes(*FromModel(CompleteModel()));
  size_t data = good.find("stream\n", good.find("KestrunePrivateData")) + 7;
  auto with = [&good](size_t at, size_t length, const std::string& replacement) {
    std::string bytes = good;
    bytes.replace(at, length, replacement);
    return bytes;
  };
  std::string flipped = good;
  flipped[data + 10] = flipped[data + 10] == '0' ? '1' : '0';
  std::string pdfWithoutPrivateData = good.substr(0, good.find("KestrunePrivateData")) + "Other >>\nendobj\n%%EOF\n";
  struct Case {
    const char* what;
    std::string bytes;
    AIErr code;
  } cases[] = {
      {"empty", "", simhost::kForeignFileErr},
      {"text", "Not a document\n", simhost::kForeignFileErr},
      {"another PDF", pdfWithoutPrivateData, simhost::kForeignFileErr},
      {"cut short", good.substr(0, good.size() / 2 + good.size() / 4), simhost::kDamagedFileErr},
      {"no end", good.substr(0, good.rfind("%%EOF")), simhost::kDamagedFileErr},
      {"a digit changed", flipped, simhost::kDamagedFileErr},
      {"not hex", with(data, 1, "Z"), simhost::kDamagedFileErr},
      {"wrong length", with(good.find("/Length", good.find("KestrunePrivateData")), 8, "/Length 1"),
       simhost::kDamagedFileErr},
      {"unknown format", with(good.find("/Format 1"), 9, "/Format 2"), simhost::kDamagedFileErr},
      {"twice", good + good, simhost::kDamagedFileErr},
  };
  for (const Case& c : cases) {
    std::string problem;
    EXPECT_EQ(FromBytes(c.bytes, &problem), c.code) << c.what;
    EXPECT_FALSE(problem.empty()) << c.what;
  }
}

TEST(DocumentFile, ABadModelBehindAGoodChecksumIsDamaged) {
  // Written as this host would, but holding a model no document has.
  std::string good = simhost::DocumentFileBytes(*FromModel(json::object()));
  std::string model = R"({"layers": []})";
  const char hex[] = "0123456789ABCDEF";
  std::string digits;
  for (unsigned char c : model) {
    digits.push_back(hex[c >> 4]);
    digits.push_back(hex[c & 15]);
  }
  digits += ">";
  size_t head = good.find("KestrunePrivateData");
  size_t data = good.find("stream\n", head) + 7;
  size_t end = good.find("\nendstream", data);
  std::string bytes = good.substr(0, data) + digits + good.substr(end);
  uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char c : model) {
    crc ^= c;
    for (int k = 0; k < 8; ++k) crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
  }
  size_t crcAt = bytes.find("/CRC32 ") + 7;
  bytes.replace(crcAt, bytes.find(' ', crcAt) - crcAt, std::to_string(crc ^ 0xFFFFFFFFu));
  size_t lengthAt = bytes.find("/Length ", head) + 8;
  bytes.replace(lengthAt, bytes.find(' ', lengthAt) - lengthAt, std::to_string(digits.size()));
  std::string problem;
  EXPECT_EQ(FromBytes(bytes, &problem), simhost::kDamagedFileErr);
  EXPECT_NE(problem.find("bad model"), std::string::npos) << problem;
}

class DocumentFileOnDisk : public DocumentTest {};

TEST_F(DocumentFileOnDisk, QpdfAcceptsTheFile) {
  std::string path = WriteModel("checked.ai", CompleteModel());
  std::string command = "qpdf --check '" + path + "' > '" + PathIn("qpdf.out") + "' 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << testing_support::ReadFile(PathIn("qpdf.out"));
}

TEST_F(DocumentFileOnDisk, WritingReplacesAFileWholeOrLeavesIt) {
  std::unique_ptr<Document> document = FromModel(CompleteModel());
  EXPECT_EQ(simhost::WriteDocumentFile(PathIn("no/such/folder/x.ai"), *document), simhost::kWriteFailedErr);
  std::string path = PathIn("x.ai");
  testing_support::WriteFile(path, "old bytes");
  ASSERT_EQ(simhost::WriteDocumentFile(path, *document), kNoErr);
  EXPECT_EQ(FromBytes(testing_support::ReadFile(path)), kNoErr);
  ASSERT_EQ(simhost::WriteDocumentFile(Folder(), *document), simhost::kWriteFailedErr) << "a folder is no file";
  std::string problem;
  EXPECT_EQ(simhost::WriteModelFile(PathIn("bad.ai"), json{{"layers", 1}}, "28.1.0", &problem), kBadParameterErr);
  EXPECT_NE(problem.find("layers"), std::string::npos) << problem;
  std::unique_ptr<Document> reread;
  simhost::Fonts fonts;
  EXPECT_EQ(simhost::ReadDocumentFile(Folder(), fonts, &reread, nullptr), simhost::kFileNotFoundErr);
  EXPECT_EQ(simhost::ReadDocumentFile(PathIn("absent.ai"), fonts, &reread, nullptr), simhost::kFileNotFoundErr);
  // No temporary file is left behind by the failed writes.
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(Folder()))
    entries += entry.path().filename() != "" ? 1 : 0;
  EXPECT_EQ(entries, 1);
}

// A file is read a piece at a time: the private data's mark, a second one, and the
// "%%EOF" behind many blanks are found wherever the edges of the pieces cut them.
TEST_F(DocumentFileOnDisk, AFileIsReadInPiecesWhereverTheirEdgesFall) {
  const std::string good = simhost::DocumentFileBytes(*FromModel(CompleteModel()));
  const std::string mark = "/Type /KestrunePrivateData";
  const size_t headEnd = good.find('\n') + 1;
  const size_t piece = simhost::kDocumentReadPiece;
  simhost::Fonts fonts;
  std::unique_ptr<Document> document;
  std::string problem;
  for (size_t cut : {size_t{0}, size_t{1}, mark.size() - 1, mark.size()}) {
    SCOPED_TRACE(cut);
    // A comment line behind the header moves the mark so that the first piece ends cut
    // bytes into it.
    const size_t pad = piece - cut - good.find(mark) - 2;
    const std::string bytes = good.substr(0, headEnd) + "%" + std::string(pad, ' ') + "\n" + good.substr(headEnd);
    ASSERT_EQ(bytes.find(mark), piece - cut);
    testing_support::WriteFile(PathIn("pieces.ai"), bytes);
    EXPECT_EQ(simhost::ReadDocumentFile(PathIn("pieces.ai"), fonts, &document, &problem), kNoErr) << problem;
    // The search for a second mark starts behind the first; its first piece ends cut
    // bytes into this one.
    const size_t second = bytes.find(mark) + 1 + piece - cut;
    testing_support::WriteFile(PathIn("pieces.ai"), bytes + std::string(second - bytes.size(), ' ') + mark);
    EXPECT_EQ(simhost::ReadDocumentFile(PathIn("pieces.ai"), fonts, &document, &problem), simhost::kDamagedFileErr);
    EXPECT_EQ(problem, "private data twice");
  }
  testing_support::WriteFile(PathIn("pieces.ai"), good + std::string(piece + 2, '\n'));
  EXPECT_EQ(simhost::ReadDocumentFile(PathIn("pieces.ai"), fonts, &document, &problem), kNoErr) << problem;
}

}  // namespace
}  // namespace documents_test
