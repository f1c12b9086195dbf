// The Document, Document List, Document View and Cloud Document suites.
#include <cmath>

#include "AICloudDocument.h"
#include "AIDocument.h"
#include "AIDocumentList.h"
#include "AIDocumentView.h"
#include "documents/Documents.h"
#include "suites/FilePaths.h"
#include "core/Host.h"
#include "suites/Strings.h"
#include "core/SuiteRegistry.h"

namespace simhost {
namespace {

constexpr AIReal kMinZoom = 1.0 / 32;
constexpr AIReal kMaxZoom = 64.0;

Documents& Docs() { return Host::Current().documents(); }

AIErr GetDocument(AIDocumentHandle* document) {
  if (AIErr err = Fault("AIDocumentSuite.GetDocument")) return err;
  if (document == nullptr) return kBadParameterErr;
  *document = HandleOf(Docs().current());
  return *document == nullptr ? kNoDocumentErr : kNoErr;
}

AIErr GetDocumentFileSpecification(ai::FilePath& file) {
  if (AIErr err = Fault("AIDocumentSuite.GetDocumentFileSpecification")) return err;
  Document* document = Docs().current();
  if (document == nullptr) return kNoDocumentErr;
  if (document->path.empty()) return kDocumentHasNoFileErr;
  AssignPath(file, document->path);
  return kNoErr;
}

AIErr SetDocumentModified(AIBoolean modified) {
  if (AIErr err = Fault("AIDocumentSuite.SetDocumentModified")) return err;
  Document* document = Docs().current();
  if (document == nullptr) return kNoDocumentErr;
  document->modified = modified != 0;
  return kNoErr;
}

AIErr GetDocumentModified(AIBoolean* modified) {
  if (AIErr err = Fault("AIDocumentSuite.GetDocumentModified")) return err;
  if (modified == nullptr) return kBadParameterErr;
  Document* document = Docs().current();
  if (document == nullptr) return kNoDocumentErr;
  *modified = document->modified;
  return kNoErr;
}

AIErr RedrawDocument() {
  if (AIErr err = Fault("AIDocumentSuite.RedrawDocument")) return err;
  if (Docs().current() == nullptr) return kNoDocumentErr;
  ++Docs().redraws;
  return kNoErr;
}

AIErr SyncDocument() {
  if (AIErr err = Fault("AIDocumentSuite.SyncDocument")) return err;
  if (Docs().current() == nullptr) return kNoDocumentErr;
  ++Docs().syncs;
  return kNoErr;
}

AIBoolean IsCloudDocument() {
  if (Fault("AIDocumentSuite.IsCloudDocument")) return false;
  Document* document = Docs().current();
  return document != nullptr && document->IsCloud();
}

AIErr GetCloudDocumentName(ai::UnicodeString& name) {
  if (AIErr err = Fault("AIDocumentSuite.GetCloudDocumentName")) return err;
  Document* document = Docs().current();
  if (document == nullptr) return kNoDocumentErr;
  if (!document->IsCloud()) return kNotCloudDocumentErr;
  AssignUtf8(name, document->cloudName);
  return kNoErr;
}

const AIDocumentSuite kDocumentSuite = {GetDocument,      GetDocumentFileSpecification, SetDocumentModified,
                                        GetDocumentModified, RedrawDocument,             SyncDocument,
                                        IsCloudDocument,  GetCloudDocumentName};

AIErr Count(ai::int32* count) {
  if (AIErr err = Fault("AIDocumentListSuite.Count")) return err;
  if (count == nullptr) return kBadParameterErr;
  *count = static_cast<ai::int32>(Docs().open().size());
  return kNoErr;
}

AIErr GetNthDocument(AIDocumentHandle* document, ai::int32 index) {
  if (AIErr err = Fault("AIDocumentListSuite.GetNthDocument")) return err;
  if (document == nullptr) return kBadParameterErr;
  *document = nullptr;
  if (index < 0 || static_cast<size_t>(index) >= Docs().open().size()) return kBadParameterErr;
  *document = HandleOf(Docs().open()[static_cast<size_t>(index)]);
  return kNoErr;
}

AIErr Close(AIDocumentHandle handle) {
  if (AIErr err = Fault("AIDocumentListSuite.Close")) return err;
  Document* document = Docs().Find(handle);
  if (document == nullptr) return kBadParameterErr;
  return Docs().Close(document);
}

const AIDocumentListSuite kDocumentListSuite = {Count, GetNthDocument, Close};

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
  if (AIErr err = Fault("AIDocumentViewSuite.GetNthDocumentView")) return err;
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
  if (AIErr err = Fault("AIDocumentViewSuite.CountDocumentViews")) return err;
  if (count == nullptr) return kBadParameterErr;
  Document* document = Docs().current();
  *count = document == nullptr ? 0 : static_cast<ai::int32>(document->views.size());
  return document == nullptr ? kNoDocumentErr : kNoErr;
}

AIErr GetDocumentViewCenter(AIDocumentViewHandle handle, AIRealPoint* center) {
  if (AIErr err = Fault("AIDocumentViewSuite.GetDocumentViewCenter")) return err;
  if (center == nullptr) return kBadParameterErr;
  View* view = nullptr;
  if (AIErr err = ViewOf(handle, &view)) return err;
  *center = view->center;
  return kNoErr;
}

AIErr SetDocumentViewCenter(AIDocumentViewHandle handle, const AIRealPoint* center) {
  if (AIErr err = Fault("AIDocumentViewSuite.SetDocumentViewCenter")) return err;
  if (center == nullptr || !std::isfinite(center->h) || !std::isfinite(center->v)) return kBadParameterErr;
  View* view = nullptr;
  if (AIErr err = ViewOf(handle, &view)) return err;
  view->center = *center;
  return kNoErr;
}

AIErr GetDocumentViewZoom(AIDocumentViewHandle handle, AIReal* zoom) {
  if (AIErr err = Fault("AIDocumentViewSuite.GetDocumentViewZoom")) return err;
  if (zoom == nullptr) return kBadParameterErr;
  View* view = nullptr;
  if (AIErr err = ViewOf(handle, &view)) return err;
  *zoom = view->zoom;
  return kNoErr;
}

// The application keeps the zoom between 1/32 and 64 and the centre where it was.
AIErr SetDocumentViewZoom(AIDocumentViewHandle handle, AIReal zoom) {
  if (AIErr err = Fault("AIDocumentViewSuite.SetDocumentViewZoom")) return err;
  if (!std::isfinite(zoom) || zoom <= 0) return kBadParameterErr;
  View* view = nullptr;
  if (AIErr err = ViewOf(handle, &view)) return err;
  view->zoom = std::fmin(std::fmax(zoom, kMinZoom), kMaxZoom);
  return kNoErr;
}

const AIDocumentViewSuite kDocumentViewSuite = {GetNthDocumentView,    CountDocumentViews,  GetDocumentViewCenter,
                                                SetDocumentViewCenter, GetDocumentViewZoom, SetDocumentViewZoom};

AIErr SaveToCloud(const ai::UnicodeString& cloudPath) {
  if (AIErr err = Fault("AICloudDocumentSuite.SaveToCloud")) return err;
  Document* document = Docs().current();
  if (document == nullptr) return kNoDocumentErr;
  return Docs().SaveToCloud(document, Utf8Of(cloudPath));
}

const AICloudDocumentSuite kCloudDocumentSuite = {SaveToCloud};

}  // namespace

void PublishDocumentSuites(SuiteRegistry& registry) {
  registry.Publish(kAIDocumentSuite, kAIDocumentSuiteVersion, &kDocumentSuite);
  registry.Publish(kAIDocumentListSuite, kAIDocumentListSuiteVersion, &kDocumentListSuite);
  registry.Publish(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, &kDocumentViewSuite);
  registry.Publish(kAICloudDocumentSuite, kAICloudDocumentSuiteVersion, &kCloudDocumentSuite);
  PublishArtSuites(registry);
  PublishTextSuites(registry);
}

}  // namespace simhost
