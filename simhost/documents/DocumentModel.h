// The JSON model of a document: what `new-document` reads, `describe` prints and
// the private data of a document file holds. simhost/README.md gives the schema.
#ifndef KESTRUNE_SIMHOST_DOCUMENTMODEL_H
#define KESTRUNE_SIMHOST_DOCUMENTMODEL_H

#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "documents/ArtTree.h"

namespace simhost {

class Fonts;

// Groups nest at most this deep; coordinates stay within this magnitude.
constexpr int kMaxGroupDepth = 100;
constexpr double kMaxCoordinate = 1.0e6;

// Builds a document from a model, taking the defaults for keys left out;
// defaultVersion stands in for a missing creatorVersion. On a bad model: null, and
// a message naming the place ("layers[0].art[2].kind: ...").
std::unique_ptr<Document> DocumentFromModel(const nlohmann::json& model, Fonts& fonts,
                                            const std::string& defaultVersion, std::string* error);
// The complete model of a document, every key spelled out, in schema order.
nlohmann::ordered_json ModelOf(const Document& document);

// "X.Y.Z" with one to four digits per number.
bool IsVersionText(const std::string& text);

std::u16string Utf16FromUtf8(const std::string& utf8);
// Unpaired surrogates become U+FFFD.
std::string Utf8FromUtf16(const std::u16string& utf16);

}  // namespace simhost

#endif
