// Documents as the application keeps them: new, open, current, close with its
// question, views, cloud documents, and the notifications each step sends.
#include <cmath>

#include "AIDocument.h"
#include "AIDocumentList.h"
#include "AIDocumentView.h"
#include "AIUnicodeString.h"
#include "AINotifier.h"
#include "documents/DocumentFile.h"
#include "DocumentFixture.h"
#include "suites/Strings.h"
#include "suites/UserInterface.h"

namespace documents_test {
namespace {

using simhost::Document;
using simhost::HandleOf;

const std::string kNew = kAIDocumentNewNotifier;
const std::string kOpened = kAIDocumentOpenedNotifier;
const std::string kClosed = kAIDocumentClosedNotifier;
const std::string kSaved = kAIDocumentSavedNotifier;
const std::string kView = kAIDocumentViewActiveViewChangedNotifier;
typedef std::vector<std::string> Notes;

class DocumentListTest : public DocumentTest {
 protected:
  DocumentListTest() { docs().cloudFolder = PathIn("cloud"); }
  const AIDocumentSuite* document = AcquireSuite<AIDocumentSuite>(host(), kAIDocumentSuite, kAIDocumentSuiteVersion);
  const AIDocumentListSuite* list =
      AcquireSuite<AIDocumentListSuite>(host(), kAIDocumentListSuite, kAIDocumentListSuiteVersion);
  const AIDocumentViewSuite* views =
      AcquireSuite<AIDocumentViewSuite>(host(), kAIDocumentViewSuite, kAIDocumentViewSuiteVersion);

  AIDocumentHandle Current() {
    AIDocumentHandle handle = reinterpret_cast<AIDocumentHandle>(1);
    document->GetDocument(&handle);
    return handle;
  }
};

TEST_F(DocumentListTest, NewOpenAndCloseKeepTheCurrentDocumentAndNotify) {
  EXPECT_EQ(Current(), nullptr);
  AIDocumentHandle none = nullptr;
  EXPECT_EQ(document->GetDocument(&none), kNoDocumentErr);
  EXPECT_EQ(document->RedrawDocument(), kNoDocumentErr);

  Document* untitled = docs().New();
  EXPECT_EQ(untitled->title, "Untitled-1");
  EXPECT_EQ(NewNotifications(), (Notes{kNew, kView}));
  std::string path = WriteModel("a.ai", json{{"layers", {{{"art", {TextFrame("a")}}}}}});
  Document* opened = nullptr;
  ASSERT_EQ(docs().Open(path, &opened), kNoErr);
  EXPECT_EQ(NewNotifications(), (Notes{kOpened, kView}));
  EXPECT_EQ(Current(), HandleOf(opened));
  EXPECT_EQ(opened->title, "a.ai");

  Document* again = nullptr;
  ASSERT_EQ(docs().Open(PathIn("./a.ai"), &again), kNoErr);
  EXPECT_EQ(again, opened) << "a file already open is not opened twice";
  EXPECT_TRUE(NewNotifications().empty());

  ai::int32 count = 0;
  list->Count(&count);
  EXPECT_EQ(count, 2);
  AIDocumentHandle second = nullptr;
  list->GetNthDocument(&second, 1);
  EXPECT_EQ(second, HandleOf(untitled));
  EXPECT_EQ(list->GetNthDocument(&second, 2), kBadParameterErr);

  ASSERT_EQ(list->Close(HandleOf(opened)), kNoErr);
  EXPECT_EQ(NewNotifications(), (Notes{kClosed, kView}));
  EXPECT_EQ(Current(), HandleOf(untitled));
  EXPECT_EQ(list->Close(HandleOf(opened)), kBadParameterErr) << "closed already";
  ASSERT_EQ(list->Close(HandleOf(untitled)), kNoErr);
  EXPECT_EQ(NewNotifications(), (Notes{kClosed})) << "no document comes to the front";
  EXPECT_EQ(Current(), nullptr);
  EXPECT_TRUE(host().ui().dialogs().empty()) << "nothing was modified, so nothing was asked";
}

TEST_F(DocumentListTest, ClosingAModifiedDocumentAsksAndSavesOnlyOnYes) {
  std::string path = WriteModel("keep.ai", json{{"creatorVersion", "20.0.0"}});
  std::string original = testing_support::ReadFile(path);
  struct Case {
    bool answer;
    bool rewritten;
  } cases[] = {{false, false}, {true, true}};
  for (const Case& c : cases) {
    Document* opened = nullptr;
    ASSERT_EQ(docs().Open(path, &opened), kNoErr);
    document->SetDocumentModified(true);
    host().ui().QueueAnswer(c.answer);
    ASSERT_EQ(docs().Close(opened), kNoErr);
    ASSERT_EQ(host().ui().DialogsOf(simhost::DialogKind::Question).size(), c.answer ? 2u : 1u);
    EXPECT_EQ(testing_support::ReadFile(path) != original, c.rewritten) << c.answer;
  }
  simhost::Fonts fonts;
  std::unique_ptr<Document> reread;
  ASSERT_EQ(simhost::ReadDocumentFile(path, fonts, &reread, nullptr), kNoErr);
  EXPECT_EQ(reread->creatorVersion, "28.1.0") << "saved by the running host";

  Document* untitled = docs().New();
  untitled->modified = true;
  host().ui().QueueAnswer(true);
  EXPECT_EQ(docs().Close(untitled), kCanceledErr) << "there is no file to save it to";
  EXPECT_EQ(docs().current(), untitled);
}

TEST_F(DocumentListTest, ModifiedFlagAndFileOfTheCurrentDocument) {
  docs().New();
  AIBoolean modified = true;
  document->GetDocumentModified(&modified);
  EXPECT_FALSE(modified);
  document->SetDocumentModified(true);
  document->GetDocumentModified(&modified);
  EXPECT_TRUE(modified);
  EXPECT_FALSE(document->IsCloudAIDocument());
  int before = docs().redraws;
  EXPECT_EQ(document->RedrawDocument(), kNoErr);
  EXPECT_EQ(document->SyncDocument(), kNoErr);
  EXPECT_EQ(docs().redraws, before + 1);
  EXPECT_EQ(docs().syncs, 1);
  // The name the document goes by: its title, then its file's name, then its cloud name.
  // The string is the host's alone here: this test links no wrapper to destroy it.
  alignas(ai::UnicodeString) unsigned char storage[sizeof(ai::UnicodeString)] = {};
  ai::UnicodeString& name = *reinterpret_cast<ai::UnicodeString*>(storage);
  EXPECT_EQ(document->GetDocumentFileName(name), kNoErr);
  EXPECT_EQ(simhost::Utf8Of(name), docs().current()->title);
  docs().current()->path = PathIn("sub/flyer.ai");
  EXPECT_EQ(document->GetDocumentFileName(name), kNoErr);
  EXPECT_EQ(simhost::Utf8Of(name), "flyer.ai");
  docs().current()->path.clear();
  docs().current()->cloudName = "work/x.aic";
  EXPECT_TRUE(document->IsCloudAIDocument());
  EXPECT_EQ(document->GetDocumentFileName(name), kNoErr);
  EXPECT_EQ(simhost::Utf8Of(name), "work/x.aic");
  simhost::Assign(name, U"");
  ASSERT_EQ(docs().Close(docs().current()), kNoErr);
  EXPECT_FALSE(document->IsCloudAIDocument());
  EXPECT_EQ(document->GetDocumentFileName(name), kNoDocumentErr);
  EXPECT_EQ(simhost::Utf8Of(name), "") << "nothing written without a document";
  AcquireSuite<AIUnicodeStringSuite>(host(), kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion)->Destroy(name);
}

TEST_F(DocumentListTest, ViewsOfTheCurrentDocument) {
  Document* doc = docs().New();
  doc->AddView();
  NewNotifications();
  AIDocumentViewHandle current = nullptr, first = nullptr, second = nullptr, beyond = nullptr;
  ASSERT_EQ(views->GetNthDocumentView(0, &current), kNoErr);
  views->GetNthDocumentView(1, &first);
  views->GetNthDocumentView(2, &second);
  EXPECT_EQ(current, first);
  EXPECT_NE(first, second);
  EXPECT_EQ(views->GetNthDocumentView(3, &beyond), kBadParameterErr);
  ai::int32 count = 0;
  views->CountDocumentViews(&count);
  EXPECT_EQ(count, 2);

  ASSERT_TRUE(docs().SetCurrentView(doc, 1));
  EXPECT_EQ(NewNotifications(), (Notes{kView}));
  views->GetNthDocumentView(0, &current);
  EXPECT_EQ(current, second);

  AIRealPoint center{7000, 7000}, read{0, 0};
  views->SetDocumentViewCenter(current, &center);
  views->GetDocumentViewCenter(nullptr, &read);  // null: the current view
  EXPECT_EQ(read.h, 7000);
  struct {
    AIReal asked, kept;
  } zooms[] = {{64.0, 64.0}, {100.0, 64.0}, {0.001, 1.0 / 32}, {2.5, 2.5}};
  for (const auto& z : zooms) {
    ASSERT_EQ(views->SetDocumentViewZoom(current, z.asked), kNoErr);
    AIReal zoom = 0;
    views->GetDocumentViewZoom(current, &zoom);
    EXPECT_EQ(zoom, z.kept) << z.asked;
  }
  EXPECT_EQ(views->SetDocumentViewZoom(current, 0), kBadParameterErr);
  EXPECT_EQ(views->SetDocumentViewZoom(current, std::nan("")), kBadParameterErr);
  AIRealPoint nowhere{std::nan(""), 0};
  EXPECT_EQ(views->SetDocumentViewCenter(current, &nowhere), kBadParameterErr);
  views->GetDocumentViewCenter(current, &read);
  EXPECT_EQ(read.h, 7000) << "refused calls change nothing";
  EXPECT_EQ(views->GetDocumentViewZoom(reinterpret_cast<AIDocumentViewHandle>(doc), &read.h), kBadParameterErr);
}

TEST_F(DocumentListTest, CloudDocumentsLiveInTheCloudFolder) {
  Document* doc = Add(json{{"layers", {{{"art", {TextFrame("cloud text")}}}}}});
  NewNotifications();
  ASSERT_EQ(docs().SaveToCloud(doc, "poster.aic"), kNoErr);
  EXPECT_EQ(NewNotifications(), (Notes{kSaved}));
  EXPECT_TRUE(doc->IsCloud());
  EXPECT_EQ(doc->cloudName, "poster.aic");
  EXPECT_TRUE(doc->path.empty());
  EXPECT_TRUE(document->IsCloudAIDocument());
  EXPECT_FALSE(doc->modified);
  EXPECT_EQ(docs().savedFiles().back(), PathIn("cloud/poster.aic"));

  // Written with the system's own separator too ('\\' on Windows), or with a drive.
  const std::string escapes[] = {"",
                                 "../escape.aic",
                                 "/abs.aic",
                                 "a//b.aic",
                                 "dir/",
                                 "C:escape.aic",
                                 testing_support::Native("../escape.aic"),
                                 testing_support::Native("/abs.aic")};
  for (const std::string& bad : escapes) EXPECT_EQ(docs().SaveToCloud(doc, bad), kBadParameterErr) << bad;
  EXPECT_EQ(doc->cloudName, "poster.aic");

  ASSERT_EQ(docs().Close(doc), kNoErr);
  Document* reopened = nullptr;
  ASSERT_EQ(docs().OpenCloud("poster.aic", &reopened), kNoErr);
  EXPECT_EQ(reopened->cloudName, "poster.aic");
  EXPECT_EQ(reopened->layers[0]->root->children[0]->Text(), u"cloud text");
  EXPECT_EQ(docs().OpenCloud("nothing.aic"), simhost::kFileNotFoundErr);
}

}  // namespace
}  // namespace documents_test
