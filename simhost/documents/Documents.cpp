#include "documents/Documents.h"

#include <algorithm>
#include <filesystem>

#include "AINotifier.h"
#include "documents/DocumentFile.h"
#include "suites/FilePaths.h"
#include "os/Files.h"
#include "os/Process.h"
#include "core/Host.h"
#include "suites/Notifiers.h"
#include "suites/UserInterface.h"

namespace simhost {
namespace {

std::string DefaultCloudFolder() {
  std::string configured = os::EnvironmentValue("KESTRUNE_CLOUD_FOLDER");
  if (!configured.empty()) return configured;
  return os::Utf8Path(os::NativePath(os::TemporaryFolder()) / "kestrune-cloud");
}

// Absolute and without "." or ".." steps, so that one file has one name.
std::string NormalPath(const std::string& path) {
  return os::Utf8Path(os::NativePath(FullPathOf(path)).lexically_normal());
}

// A cloud path stays inside the cloud folder: relative, no "..", no empty steps, and
// no drive ("C:..."); every separator of the system counts ('\\' too on Windows).
bool IsCloudPath(const std::string& cloudPath) {
  if (cloudPath.empty() || cloudPath.find(':') != std::string::npos) return false;
  std::string step;
  for (size_t at = 0; at <= cloudPath.size(); ++at) {
    if (at < cloudPath.size() && !os::IsPathSeparator(cloudPath[at])) {
      step.push_back(cloudPath[at]);
      continue;
    }
    if (step.empty() || step == "." || step == "..") return false;
    step.clear();
  }
  return true;
}

// The cloud path's file, its steps joined with the system's separator.
std::string CloudFile(const std::string& cloudFolder, const std::string& cloudPath) {
  std::string path = cloudFolder + os::PathSeparator();
  for (char c : cloudPath) path.push_back(os::IsPathSeparator(c) ? os::PathSeparator() : c);
  return path;
}

std::string RunningVersion() { return Host::Current().VersionString(); }

}  // namespace

void NotifyDocuments(const char* type) {
  if (Host::HasCurrent()) Host::Current().notifiers().Notify(type);
}

Documents::Documents() : cloudFolder(DefaultCloudFolder()) {}

Documents::~Documents() = default;

Document* Documents::Adopt(std::unique_ptr<Document> document) {
  if (document->views.empty()) document->AddView();
  if (document->currentView >= document->views.size()) document->currentView = 0;
  documents_.push_back(std::move(document));
  Document* adopted = documents_.back().get();
  order_.insert(order_.begin(), adopted);
  Track(*adopted, true);
  return adopted;
}

void Documents::Track(Document& document, bool live) {
  ForEachArt(document, [&](Art& art) {
    if (live) {
      liveArt_.insert(&art);
    } else {
      liveArt_.erase(&art);
    }
  });
}

Document* Documents::New() {
  auto document = std::make_unique<Document>();
  document->creatorVersion = RunningVersion();
  document->AddLayer("Layer 1");
  return Add(std::move(document));
}

Document* Documents::Add(std::unique_ptr<Document> document) {
  if (document->layers.empty()) document->AddLayer("Layer 1");
  if (document->title.empty() && document->path.empty() && document->cloudName.empty())
    document->title = "Untitled-" + std::to_string(++untitled_);
  Document* added = Adopt(std::move(document));
  NotifyDocuments(kAIDocumentNewNotifier);
  NotifyDocuments(kAIDocumentViewActiveViewChangedNotifier);
  return added;
}

AIErr Documents::Open(const std::string& path, Document** opened) {
  if (opened != nullptr) *opened = nullptr;
  if (path.empty()) {
    lastProblem = "no file named";
    return kFileNotFoundErr;
  }
  std::string full = NormalPath(path);
  for (Document* document : order_) {
    if (!document->IsCloud() && document->path == full) {
      Activate(document);
      if (opened != nullptr) *opened = document;
      return kNoErr;
    }
  }
  std::unique_ptr<Document> document;
  std::string problem;
  AIErr err = ReadDocumentFile(full, fonts_, &document, &problem);
  if (err != kNoErr) {
    lastProblem = full + ": " + problem;
    return err;
  }
  document->path = full;
  document->title = FileNameOf(full);
  Document* adopted = Adopt(std::move(document));
  if (opened != nullptr) *opened = adopted;
  NotifyDocuments(kAIDocumentOpenedNotifier);
  NotifyDocuments(kAIDocumentViewActiveViewChangedNotifier);
  return kNoErr;
}

AIErr Documents::OpenCloud(const std::string& name, Document** opened) {
  if (opened != nullptr) *opened = nullptr;
  if (!IsCloudPath(name)) {
    lastProblem = "not a cloud document name: \"" + name + "\"";
    return kBadParameterErr;
  }
  for (Document* document : order_) {
    if (document->cloudName == name) {
      Activate(document);
      if (opened != nullptr) *opened = document;
      return kNoErr;
    }
  }
  std::unique_ptr<Document> document;
  std::string problem;
  AIErr err = ReadDocumentFile(CloudFile(cloudFolder, name), fonts_, &document, &problem);
  if (err != kNoErr) {
    lastProblem = "cloud document " + name + ": " + problem;
    return err;
  }
  document->cloudName = name;
  document->title = FileNameOf(name);
  Document* adopted = Adopt(std::move(document));
  if (opened != nullptr) *opened = adopted;
  NotifyDocuments(kAIDocumentOpenedNotifier);
  NotifyDocuments(kAIDocumentViewActiveViewChangedNotifier);
  return kNoErr;
}

AIErr Documents::Close(Document* document) {
  if (Find(HandleOf(document)) == nullptr) return kBadParameterErr;
  if (document->modified) {
    const Answer answer = Host::Current().ui().Ask(
        DialogKind::Question, "Save changes to the document \"" + document->title + "\" before closing?");
    if (answer == Answer::kCancel) return kCanceledErr;
    if (answer == Answer::kYes) {
      if (!document->IsCloud() && document->path.empty()) {
        lastProblem = document->title + " has no file to save to";
        return kCanceledErr;
      }
      if (AIErr err = Save(document)) return err;
    }
  }
  bool wasCurrent = document == current();
  text_.Detach(*document);
  Track(*document, false);
  order_.erase(std::remove(order_.begin(), order_.end(), document), order_.end());
  documents_.erase(std::remove_if(documents_.begin(), documents_.end(),
                                  [document](const std::unique_ptr<Document>& held) { return held.get() == document; }),
                   documents_.end());
  NotifyDocuments(kAIDocumentClosedNotifier);
  if (wasCurrent && current() != nullptr) NotifyDocuments(kAIDocumentViewActiveViewChangedNotifier);
  return kNoErr;
}

void Documents::Activate(Document* document) {
  if (Find(HandleOf(document)) == nullptr || document == current()) return;
  order_.erase(std::remove(order_.begin(), order_.end(), document), order_.end());
  order_.insert(order_.begin(), document);
  NotifyDocuments(kAIDocumentViewActiveViewChangedNotifier);
}

bool Documents::SetCurrentView(Document* document, size_t index) {
  if (Find(HandleOf(document)) == nullptr || index >= document->views.size()) return false;
  if (document->currentView == index) return true;
  document->currentView = index;
  if (document == current()) NotifyDocuments(kAIDocumentViewActiveViewChangedNotifier);
  return true;
}

AIErr Documents::Write(Document* document, const std::string& path) {
  std::string previous = document->creatorVersion;
  document->creatorVersion = RunningVersion();
  if (AIErr err = WriteDocumentFile(path, *document)) {
    document->creatorVersion = previous;
    lastProblem = "cannot write " + path;
    return err;
  }
  saved_.push_back(path);
  document->modified = false;
  return kNoErr;
}

AIErr Documents::SaveAs(Document* document, const std::string& path) {
  if (Find(HandleOf(document)) == nullptr) return kBadParameterErr;
  if (path.empty()) {
    lastProblem = "no file named";
    return kBadParameterErr;
  }
  std::string full = NormalPath(path);
  if (AIErr err = Write(document, full)) return err;
  document->path = full;
  document->cloudName.clear();
  document->title = FileNameOf(full);
  NotifyDocuments(kAIDocumentSavedNotifier);
  return kNoErr;
}

AIErr Documents::Save(Document* document) {
  if (Find(HandleOf(document)) == nullptr) return kBadParameterErr;
  if (document->IsCloud()) return SaveToCloud(document, document->cloudName);
  if (document->path.empty()) {
    lastProblem = document->title + " has no file to save to";
    return kDocumentHasNoFileErr;
  }
  return SaveAs(document, document->path);
}

AIErr Documents::SaveToCloud(Document* document, const std::string& cloudPath) {
  if (Find(HandleOf(document)) == nullptr) return kBadParameterErr;
  if (!IsCloudPath(cloudPath)) {
    lastProblem = "not a cloud document name: \"" + cloudPath + "\"";
    return kBadParameterErr;
  }
  std::string path = CloudFile(cloudFolder, cloudPath);
  std::error_code failed;
  std::filesystem::create_directories(os::NativePath(path).parent_path(), failed);
  if (failed) {
    lastProblem = "cannot make the cloud folder " + cloudFolder;
    return kWriteFailedErr;
  }
  if (AIErr err = Write(document, path)) return err;
  document->cloudName = cloudPath;
  document->path.clear();
  document->title = FileNameOf(cloudPath);
  NotifyDocuments(kAIDocumentSavedNotifier);
  return kNoErr;
}

// Documents, their layers and views are few; art is looked up in its own table.
Document* Documents::Find(AIDocumentHandle handle) const {
  for (Document* document : order_)
    if (HandleOf(document) == handle) return document;
  return nullptr;
}

Layer* Documents::Find(AILayerHandle handle) const {
  for (Document* document : order_)
    for (const auto& layer : document->layers)
      if (HandleOf(layer.get()) == handle) return layer.get();
  return nullptr;
}

Art* Documents::Find(AIArtHandle handle) const {
  return liveArt_.count(handle) ? reinterpret_cast<Art*>(handle) : nullptr;
}

View* Documents::Find(AIDocumentViewHandle handle) const {
  for (Document* document : order_)
    for (const auto& view : document->views)
      if (HandleOf(view.get()) == handle) return view.get();
  return nullptr;
}

}  // namespace simhost
