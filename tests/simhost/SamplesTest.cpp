// The sample set: every file is written, the documents open (all but the damaged
// one), and between them they reach each outcome of the save command but "no name".
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

#include "os/Files.h"
#include "documents/DocumentFile.h"
#include "DocumentFixture.h"
#include "documents/Samples.h"
#include "PlatformExpectations.h"

namespace documents_test {
namespace {

using simhost::Art;
using simhost::Document;

// The outcome the save command's checks give a document: missing fonts first, then
// legacy text, then no text.
std::string OutcomeOf(const Document& document) {
  bool legacy = false, missing = false;
  int frames = 0;
  simhost::ForEachArt(document, [&](Art& art) {
    legacy = legacy || art.type == kLegacyTextArt;
    if (art.type != kTextFrameArt || art.kind < 0 || art.kind > 2) return;
    ++frames;
    std::u16string text = art.Text();
    for (size_t i = 0; i < text.size(); ++i) {
      simhost::Font* font = art.EffectiveFontAt(i);
      if (text[i] > 32 && text[i] != 0x3000 && font != nullptr && !font->installed) missing = true;
    }
  });
  if (missing) return "missing fonts";
  if (legacy) return "legacy text";
  return frames == 0 ? "no text" : "saved";
}

class SamplesTest : public DocumentTest {
 protected:
  SamplesTest() {
    for (const char* font : simhost::kSampleMissingFonts) docs().fonts().SetInstalled(font, false);
  }
};

TEST_F(SamplesTest, TheSetReachesEveryOutcomeAndHoldsWhatAScanMustSkip) {
  std::vector<std::string> written;
  std::string problem;
  ASSERT_TRUE(simhost::WriteSamples(Folder(), "28.1.0", &written, &problem)) << problem;
  std::vector<simhost::Sample> set = simhost::SampleSet("28.1.0");
  ASSERT_EQ(written.size(), set.size());

  std::map<std::string, std::string> outcomes;
  bool hiddenLockedLayer = false, lockedInHidden = false, lockedArt = false, hiddenArt = false;
  for (const simhost::Sample& sample : set) {
    std::string path = PathIn(sample.path);
    ASSERT_TRUE(std::filesystem::exists(simhost::os::NativePath(path))) << sample.path;
    std::unique_ptr<Document> document;
    AIErr opened = simhost::ReadDocumentFile(path, docs().fonts(), &document, &problem);
    if (sample.form == simhost::Sample::Form::Damaged) {
      EXPECT_EQ(opened, simhost::kDamagedFileErr) << sample.path;
      continue;
    }
    if (sample.form == simhost::Sample::Form::Plain) {
      EXPECT_EQ(opened, simhost::kForeignFileErr) << sample.path;
      continue;
    }
    ASSERT_EQ(opened, kNoErr) << sample.path << ": " << problem;
    outcomes[sample.path] = OutcomeOf(*document);
    for (auto& layer : document->layers) hiddenLockedLayer |= !layer->visible && !layer->editable;
    simhost::ForEachArt(*document, [&](Art& art) {
      lockedArt |= art.locked && art.parent != nullptr;
      hiddenArt |= art.hidden;
      lockedInHidden |= art.locked && art.type == kGroupArt && art.parent != nullptr && art.parent->hidden;
    });
    EXPECT_EQ(testing_support::PdfStructureProblem(path), "") << sample.path;
  }
  EXPECT_EQ(outcomes["flyer.ai"], "saved");
  EXPECT_EQ(outcomes["チラシ.ai"], "saved");
  EXPECT_EQ(outcomes["subfolder/brochure.ai"], "saved");
  EXPECT_EQ(outcomes["missing-fonts.ai"], "missing fonts");
  EXPECT_EQ(outcomes["legacy-text.ai"], "legacy text");
  EXPECT_EQ(outcomes["no-text.ai"], "no text");
  EXPECT_TRUE(hiddenLockedLayer && lockedInHidden && lockedArt && hiddenArt);
  for (const char* skipped :
       {"notes.txt", ".hidden.ai", "flyer[CP_updated_Ai28.1.0].ai", "チラシ[CP_更新済みAi27.9.0].ai", "poster.eps"})
    EXPECT_TRUE(std::filesystem::exists(simhost::os::NativePath(PathIn(skipped)))) << skipped;
}

TEST_F(SamplesTest, TheTrimAreaFilesComeFromVersion13WithBoxesApart) {
  std::string problem;
  ASSERT_TRUE(simhost::WriteSamples(Folder(), "28.1.0", nullptr, &problem)) << problem;
  for (const char* name : {"trim-area.ai", "trim-area-edge.ai"}) {
    std::string bytes = testing_support::ReadFile(PathIn(name));
    EXPECT_NE(bytes.find("%%AI8_CreatorVersion: 13.0.0\n"), std::string::npos) << name;
    std::unique_ptr<Document> document;
    ASSERT_EQ(simhost::ReadDocumentFile(PathIn(name), docs().fonts(), &document, nullptr), kNoErr);
    double widest = 0;
    for (int i = 0; i < 4; ++i) widest = std::max(widest, std::abs(document->bleedBox[i] - document->cropBox[i]));
    EXPECT_GT(widest, 1.0) << name;
  }
}

TEST_F(SamplesTest, AnUpdatedCopyIsNamedForTheHostVersion) {
  std::vector<simhost::Sample> set = simhost::SampleSet("27.8.1");
  bool found = false;
  for (const auto& sample : set) found |= sample.path == "flyer[CP_updated_Ai27.8.1].ai";
  EXPECT_TRUE(found);
}

TEST_F(SamplesTest, WritingOverAnExistingSetWritesNothing) {
  std::string problem;
  ASSERT_TRUE(simhost::WriteSamples(Folder(), "28.1.0", nullptr, &problem));
  std::filesystem::remove(PathIn("flyer.ai"));
  std::string before = testing_support::ReadFile(PathIn("no-text.ai"));
  EXPECT_FALSE(simhost::WriteSamples(Folder(), "28.1.0", nullptr, &problem));
  EXPECT_NE(problem.find("exists already"), std::string::npos) << problem;
  EXPECT_FALSE(std::filesystem::exists(PathIn("flyer.ai"))) << "checked before anything is written";
  EXPECT_EQ(testing_support::ReadFile(PathIn("no-text.ai")), before);
}

}  // namespace
}  // namespace documents_test
