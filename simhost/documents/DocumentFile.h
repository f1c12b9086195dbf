// Document files: PDF-compatible .ai files. The page shows the document's text, the
// header carries the creator version and the page its crop and bleed boxes, and the
// host's private data holds the whole model. simhost/README.md describes the format.
#ifndef KESTRUNE_SIMHOST_DOCUMENTFILE_H
#define KESTRUNE_SIMHOST_DOCUMENTFILE_H

#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "AITypes.h"
#include "documents/ArtTree.h"

namespace simhost {

class Fonts;

// Why a document file cannot be opened or written.
constexpr AIErr kFileNotFoundErr = AIFourCharCode("NFil");  // no such file, or it cannot be read
constexpr AIErr kForeignFileErr = AIFourCharCode("Frgn");   // not a document of this host
constexpr AIErr kDamagedFileErr = AIFourCharCode("Dmgd");   // this host's document, but damaged
constexpr AIErr kWriteFailedErr = AIFourCharCode("WrEr");   // the file could not be written

// The bytes of the document's file.
std::string DocumentFileBytes(const Document& document);
// Writes the file whole or not at all: an existing file is replaced only once the
// new one is complete.
AIErr WriteDocumentFile(const std::string& path, const Document& document);

// A document file straight from a JSON model (see DocumentModel.h); a bad model is
// kBadParameterErr with the reason in problem.
AIErr WriteModelFile(const std::string& path, const nlohmann::json& model, const std::string& defaultVersion,
                     std::string* problem);

// A file is read in pieces of this size, never whole: what cannot be a document is
// refused after its first bytes, and a huge file costs time, not memory.
constexpr size_t kDocumentReadPiece = 1 << 20;
// The most private data (the model's hex) a document may hold; it is decoded in memory.
constexpr unsigned long long kMaxPrivateDataBytes = 16ull << 20;

// Reads a document back; on failure one of the codes above and, in problem, why.
AIErr DocumentFromFileBytes(const std::string& bytes, Fonts& fonts, std::unique_ptr<Document>* out,
                            std::string* problem);
AIErr ReadDocumentFile(const std::string& path, Fonts& fonts, std::unique_ptr<Document>* out, std::string* problem);

}  // namespace simhost

#endif
