// The Document, Document List, Document View and Cloud Document suites.
#include <cmath>

#include "AICloudDocument.h"
#include "AIDocument.h"
#include "AIDocumentList.h"
#include "AIDocumentView.h"
#include "documents/Documents.h"
#include "suites/FilePaths.h"
#include "core/Host.h"
#include "core/Lending.h"
#include "core/SuiteRegistry.h"
#include "suites/Strings.h"

namespace simhost {
namespace {

constexpr AIReal kMinZoom = 1.0 / 32;
constexpr AIReal kMaxZoom = 64.0;

Documents& Docs() { return Host::Current().documents(); }

AIErr GetDocument(AIDocumentHandle* document) {
  if (document == nullptr) return kBadParameterErr;
  *document = HandleOf(Docs().current());
  return *document == nullptr ? kNoDocumentErr : kNoErr;
}

AIErr GetDocumentFileSpecification(ai::FilePath& file) {
  Document* document = Docs().current();
  if (document == nullptr) return kNoDocumentErr;
  if (document->path.empty()) return kDocumentHasNoFileErr;
  AssignPath(file, document->path);
  return kNoErr;
}

AIErr SetDocumentModified(AIBoolean modified) {
  Document* document = Docs().current();
  if (document == nullptr) return kNoDocumentErr;
  document->modified = modified != 0;
  return kNoErr;
}

AIErr GetDocumentModified(AIBoolean* modified) {
  if (modified == nullptr) return kBadParameterErr;
  Document* document = Docs().current();
  if (document == nullptr) return kNoDocumentErr;
  *modified = document->modified;
  return kNoErr;
}

AIErr RedrawDocument() {
  if (Docs().current() == nullptr) return kNoDocumentErr;
  ++Docs().redraws;
  return kNoErr;
}

AIErr SyncDocument() {
  if (Docs().current() == nullptr) return kNoDocumentErr;
  ++Docs().syncs;
  return kNoErr;
}

AIBoolean IsCloudAIDocument() {
  Document* document = Docs().current();
  return document != nullptr && document->IsCloud();
}

// The name the document goes by: a cloud document's cloud name, a file's name, or
// an untitled document's title.
AIErr GetDocumentFileName(ai::UnicodeString& name) {
  Document* document = Docs().current();
  if (document == nullptr) return kNoDocumentErr;
  AssignUtf8(name, document->IsCloud()       ? document->cloudName
                   : !document->path.empty() ? FileNameOf(document->path)
                                             : document->title);
  return kNoErr;
}

AIErr Count(ai::int32* count) {
  if (count == nullptr) return kBadParameterErr;
  *count = static_cast<ai::int32>(Docs().open().size());
  return kNoErr;
}

AIErr GetNthDocument(AIDocumentHandle* document, ai::int32 index) {
  if (document == nullptr) return kBadParameterErr;
  *document = nullptr;
  if (index < 0 || static_cast<size_t>(index) >= Docs().open().size()) return kBadParameterErr;
  *document = HandleOf(Docs().open()[static_cast<size_t>(index)]);
  return kNoErr;
}

AIErr Close(AIDocumentHandle handle) {
  Document* document = Docs().Find(handle);
  if (document == nullptr) return kBadParameterErr;
  return Docs().Close(document);
}

// A null handle stands for the current view of the current document.
AIErr ViewOf(AIDocumentViewHandle handle, View** view) {
  if (handle == nullptr) {
    Document* document = Docs().current();
    if (document == nullptr) return kNoDocumentErr;
    *view = document->views[document->currentView].get();
    return kNoErr;
  }
  *view = Docs().Find(handle);
  return *view == nullptr ? kBadParameterErr : kNoErr;
}

AIErr GetNthDocumentView(ai::int32 n, AIDocumentViewHandle* view) {
  if (view == nullptr) return kBadParameterErr;
  *view = nullptr;
  Document* document = Docs().current();
  if (document == nullptr) return kNoDocumentErr;
  if (n == 0) {
    *view = HandleOf(document->views[document->currentView].get());
    return kNoErr;
  }
  if (n < 0 || static_cast<size_t>(n) > document->views.size()) return kBadParameterErr;
  *view = HandleOf(document->views[static_cast<size_t>(n - 1)].get());
  return kNoErr;
}

AIErr CountDocumentViews(ai::int32* count) {
  if (count == nullptr) return kBadParameterErr;
  Document* document = Docs().current();
  *count = document == nullptr ? 0 : static_cast<ai::int32>(document->views.size());
  return document == nullptr ? kNoDocumentErr : kNoErr;
}

AIErr GetDocumentViewCenter(AIDocumentViewHandle handle, AIRealPoint* center) {
  if (center == nullptr) return kBadParameterErr;
  View* view = nullptr;
  if (AIErr err = ViewOf(handle, &view)) return err;
  *center = view->center;
  return kNoErr;
}

AIErr SetDocumentViewCenter(AIDocumentViewHandle handle, const AIRealPoint* center) {
  if (center == nullptr || !std::isfinite(center->h) || !std::isfinite(center->v)) return kBadParameterErr;
  View* view = nullptr;
  if (AIErr err = ViewOf(handle, &view)) return err;
  view->center = *center;
  return kNoErr;
}

AIErr GetDocumentViewZoom(AIDocumentViewHandle handle, AIReal* zoom) {
  if (zoom == nullptr) return kBadParameterErr;
  View* view = nullptr;
  if (AIErr err = ViewOf(handle, &view)) return err;
  *zoom = view->zoom;
  return kNoErr;
}

// The application keeps the zoom between 1/32 and 64 and the centre where it was.
AIErr SetDocumentViewZoom(AIDocumentViewHandle handle, AIReal zoom) {
  if (!std::isfinite(zoom) || zoom <= 0) return kBadParameterErr;
  View* view = nullptr;
  if (AIErr err = ViewOf(handle, &view)) return err;
  view->zoom = std::fmin(std::fmax(zoom, kMinZoom), kMaxZoom);
  return kNoErr;
}

AIErr SaveToCloud(const ai::UnicodeString& cloudPath) {
  Document* document = Docs().current();
  if (document == nullptr) return kNoDocumentErr;
  return Docs().SaveToCloud(document, Utf8Of(cloudPath));
}

}  // namespace

void PublishDocumentSuites(SuiteRegistry& registry) {
  using D = AIDocumentSuite;
  registry.Publish(Lend<D>(kAIDocumentSuite, kAIDocumentSuiteVersion,
                           Fails<&D::GetDocumentFileSpecification, GetDocumentFileSpecification>(),
                           Fails<&D::GetDocumentModified, GetDocumentModified>(),
                           Fails<&D::SetDocumentModified, SetDocumentModified>(),
                           Fails<&D::RedrawDocument, RedrawDocument>(), Fails<&D::GetDocument, GetDocument>(),
                           Fails<&D::SyncDocument, SyncDocument>(), Answers<&D::IsCloudAIDocument, IsCloudAIDocument>(),
                           Fails<&D::GetDocumentFileName, GetDocumentFileName>()));
  using L = AIDocumentListSuite;
  registry.Publish(Lend<L>(kAIDocumentListSuite, kAIDocumentListSuiteVersion, Fails<&L::Count, Count>(),
                           Fails<&L::GetNthDocument, GetNthDocument>(), Fails<&L::Close, Close>()));
  using V = AIDocumentViewSuite;
  registry.Publish(Lend<V>(
      kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, Fails<&V::GetDocumentViewCenter, GetDocumentViewCenter>(),
      Fails<&V::SetDocumentViewCenter, SetDocumentViewCenter>(), Fails<&V::GetDocumentViewZoom, GetDocumentViewZoom>(),
      Fails<&V::SetDocumentViewZoom, SetDocumentViewZoom>(), Fails<&V::CountDocumentViews, CountDocumentViews>(),
      Fails<&V::GetNthDocumentView, GetNthDocumentView>()));
  registry.Publish(Lend<AICloudDocumentSuite>(kAICloudDocumentSuite, kAICloudDocumentSuiteVersion,
                                              Fails<&AICloudDocumentSuite::SaveToCloud, SaveToCloud>()));
  PublishArtSuites(registry);
  PublishTextSuites(registry);
}

}  // namespace simhost
