// The host's documents: the open documents in window order (the current one
// first), opening, creating, saving and closing them as the application does, with
// its notifications, and the look-up of the handles a plug-in hands back.
#ifndef KESTRUNE_SIMHOST_DOCUMENTS_H
#define KESTRUNE_SIMHOST_DOCUMENTS_H

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "AITypes.h"
#include "documents/ArtTree.h"
#include "documents/Fonts.h"
#include "documents/TextEngine.h"

namespace simhost {

class Actions;
class SuiteRegistry;

// Document queries that have no answer.
constexpr AIErr kDocumentHasNoFileErr = AIFourCharCode("NSav");  // never saved to a file
constexpr AIErr kArtNotSelectableErr = AIFourCharCode("NSel");   // the host's rules forbid selecting it

class Documents {
 public:
  Documents();
  ~Documents();
  Documents(const Documents&) = delete;
  Documents& operator=(const Documents&) = delete;

  Fonts& fonts() { return fonts_; }
  TextEngine& text() { return text_; }

  // Open documents, the current (frontmost) one first.
  const std::vector<Document*>& open() const { return order_; }
  Document* current() const { return order_.empty() ? nullptr : order_.front(); }

  // A new, untitled document with one empty layer. Notifies new, then active view.
  Document* New();
  // Takes a document built elsewhere (e.g. from a model) as a new, untitled one.
  Document* Add(std::unique_ptr<Document> document);
  // Opens a document file as the current document. Notifies opened, then active
  // view. A file already open is only brought to the front. Codes of DocumentFile.h.
  AIErr Open(const std::string& path, Document** opened = nullptr);
  // Opens a document of the cloud folder by its cloud name.
  AIErr OpenCloud(const std::string& name, Document** opened = nullptr);
  // Closes a document; a modified one is first asked about: Yes saves it (an
  // untitled one cannot be: kCanceledErr, it stays open), No discards the changes,
  // Cancel keeps it open (kCanceledErr).
  // Notifies closed, then active view when another document comes to the front.
  AIErr Close(Document* document);
  void Activate(Document* document);
  // Makes one of the document's views its current view (notifies when it changes
  // the current document's active view).
  bool SetCurrentView(Document* document, size_t index);

  // Writes the document to a file, which becomes its file, with the running host
  // version as creator; clears the modified flag and notifies saved.
  AIErr SaveAs(Document* document, const std::string& path);
  // Saves a document where it lives: its file or its cloud name.
  AIErr Save(Document* document);
  // Writes the document into the cloud folder under a relative path, which becomes
  // its cloud name; as SaveAs otherwise.
  AIErr SaveToCloud(Document* document, const std::string& cloudPath);

  // Where cloud documents live; $KESTRUNE_CLOUD_FOLDER, else a folder under the
  // system's temporary folder.
  std::string cloudFolder;
  // Every file written by a save, in order.
  const std::vector<std::string>& savedFiles() const { return saved_; }
  // Why the last open, save or host event on documents failed.
  std::string lastProblem;
  int redraws = 0;
  int syncs = 0;

  // Handles from a plug-in: the live object, or null for anything else. Art is
  // known from when its document opens: the tree keeps its shape while it is open.
  Document* Find(AIDocumentHandle handle) const;
  Layer* Find(AILayerHandle handle) const;
  Art* Find(AIArtHandle handle) const;
  View* Find(AIDocumentViewHandle handle) const;

 private:
  Document* Adopt(std::unique_ptr<Document> document);
  AIErr Write(Document* document, const std::string& path);
  void Track(Document& document, bool live);
  std::vector<std::unique_ptr<Document>> documents_;
  std::vector<Document*> order_;
  Fonts fonts_;
  TextEngine text_;
  std::unordered_set<const void*> liveArt_;
  std::vector<std::string> saved_;
  int untitled_ = 0;
};

inline AIDocumentHandle HandleOf(Document* document) { return reinterpret_cast<AIDocumentHandle>(document); }
inline AILayerHandle HandleOf(Layer* layer) { return reinterpret_cast<AILayerHandle>(layer); }
inline AIArtHandle HandleOf(Art* art) { return reinterpret_cast<AIArtHandle>(art); }
inline AIDocumentViewHandle HandleOf(View* view) { return reinterpret_cast<AIDocumentViewHandle>(view); }

// Sends a document notification through the current host's notifiers.
void NotifyDocuments(const char* type);

// Publishes every suite on documents: Document, Document List, Document View and
// Cloud Document here, the Layer and Art suites (ArtSuites.cpp), the Text Frame and
// Font suites and the text-engine suites (TextSuites.cpp).
void PublishDocumentSuites(SuiteRegistry& registry);
void PublishArtSuites(SuiteRegistry& registry);
void PublishTextSuites(SuiteRegistry& registry);
// The host's own events on documents: "adobe_move", "adobe_saveDocumentAs",
// "adobe_openDocument".
void DefineDocumentEvents(Actions& actions);

}  // namespace simhost

#endif
