// The kestrune-host program's document commands, run as a user runs them.
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "DocumentFixture.h"
#include "Program.h"
#include "os/Files.h"

namespace documents_test {
namespace {

struct Result {
  int status = -1;
  std::string out, err;
};

// "KESTRUNE_SAVEAS returned MiFn 0x4d69466e", or "... returned 0 0x00000000".
bool IsResultLine(const std::string& out) {
  const std::string head = "KESTRUNE_SAVEAS returned ";
  size_t at = out.find(head);
  if (at == std::string::npos) return false;
  std::string rest = out.substr(at + head.size());
  if (rest == "0 0x00000000\n") return true;
  if (rest.size() != 16 || rest.compare(4, 3, " 0x") != 0 || rest[15] != '\n') return false;
  for (size_t i = 7; i < 15; ++i)
    if (!std::isxdigit(static_cast<unsigned char>(rest[i])) || std::isupper(static_cast<unsigned char>(rest[i])))
      return false;
  return true;
}

class HostProgramTest : public DocumentTest {
 protected:
  Result Run(const std::vector<std::string>& args) {
    std::vector<std::string> all = {"--plugin", KESTRUNE_PLUGIN_PATH};
    all.insert(all.end(), args.begin(), args.end());
    testing_support::ProgramRun run = testing_support::RunProgram(KESTRUNE_HOST_PROGRAM, all);
    return Result{run.exitStatus, run.out, run.err};
  }
  // The files of the test's folder.
  std::set<std::string> Files() {
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(simhost::os::NativePath(Folder())))
      files.insert(simhost::os::Utf8Path(entry.path()));
    return files;
  }
};

TEST_F(HostProgramTest, DescribeGivesBackTheModelNewDocumentWrote) {
  json model = json::parse(R"({"creatorVersion": "26.0.0", "cropBox": [0, 0, 595.276, 841.89],
    "layers": [{"name": "レイヤー", "editable": false, "art": [
      {"type": "textFrame", "kind": 1, "position": [10.5, 20],
       "runs": [{"text": "文字\rline", "font": "DejaVuSans"}, {"text": "x"}]},
      {"type": "group", "hidden": true, "children": [{"type": "path", "locked": true}]}]}]})");
  testing_support::WriteFile(PathIn("model.json"), model.dump());
  Result wrote = Run({"new-document", PathIn("model.json"), PathIn("チラシ.ai")});
  ASSERT_EQ(wrote.status, 0) << wrote.err;
  Result described = Run({"describe", PathIn("チラシ.ai")});
  ASSERT_EQ(described.status, 0) << described.err;
  json expected = model;
  expected["bleedBox"] = expected["cropBox"];
  json& layer = expected["layers"][0];
  layer["visible"] = true;
  json& frame = layer["art"][0];
  frame.update(json{{"locked", false},
                    {"hidden", false},
                    {"selected", false},
                    {"layoutVersion", "26.0.0"},
                    {"defaultFont", nullptr}});
  frame["runs"][1]["font"] = nullptr;
  json& group = layer["art"][1];
  group.update(json{{"locked", false}, {"selected", false}, {"position", {0, 0}}});
  group["children"][0].update(json{{"hidden", false}, {"selected", false}, {"position", {0, 0}}});
  EXPECT_EQ(json::parse(described.out), expected);

  // describe(new-document(m)) is a fixed point.
  testing_support::WriteFile(PathIn("again.json"), described.out);
  ASSERT_EQ(Run({"new-document", PathIn("again.json"), PathIn("again.ai")}).status, 0);
  EXPECT_EQ(json::parse(Run({"describe", PathIn("again.ai")}).out), expected);
}

TEST_F(HostProgramTest, BadInputIsRefusedWithAReasonAndNothingIsOverwritten) {
  testing_support::WriteFile(PathIn("bad.json"), R"({"layers": [{"art": [{"type": "blob"}]}]})");
  testing_support::WriteFile(PathIn("broken.json"), "{\"layers\": [");
  testing_support::WriteFile(PathIn("good.json"), "{}");
  testing_support::WriteFile(PathIn("taken.ai"), "keep me");
  // Numbers beyond a double, or beyond any integer, once aborted the program.
  testing_support::WriteFile(PathIn("huge.json"), R"({"cropBox": [0, 0, 1e999, 792]})");
  testing_support::WriteFile(PathIn("tiny.json"), R"({"cropBox": [0, 0, -1e999, 792]})");
  testing_support::WriteFile(PathIn("kind.json"),
                             R"({"layers": [{"art": [{"type": "textFrame", "kind": 99999999999999999999999}]}]})");
  struct Case {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"new-document", PathIn("bad.json"), PathIn("x.ai")}, "layers[0].art[0].type"},
      {{"new-document", PathIn("broken.json"), PathIn("x.ai")}, "is not JSON"},
      {{"new-document", PathIn("absent.json"), PathIn("x.ai")}, "cannot read"},
      {{"new-document", PathIn("huge.json"), PathIn("x.ai")}, "is not JSON"},
      {{"new-document", PathIn("tiny.json"), PathIn("x.ai")}, "is not JSON"},
      {{"new-document", PathIn("kind.json"), PathIn("x.ai")}, "layers[0].art[0].kind"},
      {{"new-document", PathIn("good.json"), PathIn("taken.ai")}, "exists already"},
      {{"describe", PathIn("taken.ai")}, "Frgn 0x4672676e"},
      {{"describe", PathIn("absent.ai")}, "NFil"},
      {{"play", PathIn("absent.ai")}, "NFil"},
      {{"save-as", PathIn("taken.ai")}, "cannot open"},
      {{"describe"}, "usage"},
  };
  for (const Case& c : cases) {
    Result result = Run(c.args);
    EXPECT_EQ(result.status, c.args.size() == 1 ? 2 : 1) << c.args[0] << ": " << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << c.args[0] << ": " << result.err;
  }
  EXPECT_EQ(testing_support::ReadFile(PathIn("taken.ai")), "keep me");
  EXPECT_FALSE(std::filesystem::exists(PathIn("x.ai")));
}

TEST_F(HostProgramTest, MakeSamplesWritesTheSetOnceAndDescribeReadsIt) {
  Result made = Run({"make-samples", PathIn("samples")});
  ASSERT_EQ(made.status, 0) << made.err;
  EXPECT_NE(made.out.find("flyer[CP_updated_Ai28.1.0].ai"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(simhost::os::NativePath(PathIn("samples/subfolder/パンフレット.ai"))));
  Result again = Run({"make-samples", PathIn("samples")});
  EXPECT_EQ(again.status, 1);
  EXPECT_NE(again.err.find("exists already"), std::string::npos);
  Result damaged = Run({"describe", PathIn("samples/damaged.ai")});
  EXPECT_EQ(damaged.status, 1);
  EXPECT_NE(damaged.err.find("Dmgd"), std::string::npos) << damaged.err;
}

TEST_F(HostProgramTest, FontsAreInstalledAsFontconfigAndTheOptionsSay) {
  ASSERT_EQ(Run({"make-samples", PathIn("samples")}).status, 0);
  std::string file = PathIn("samples/missing-fonts.ai");
  Result plain = Run({"fonts", file});
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_NE(plain.out.find("installed  DejaVuSans\n"), std::string::npos) << plain.out;
  EXPECT_NE(plain.out.find("missing    KestruneMissing-Regular\n"), std::string::npos) << plain.out;
  Result overridden =
      Run({"--missing-font", "DejaVuSans", "--installed-font", "KestruneMissing-Regular", "--installed-font",
           "KestruneGhost-Bold", "--missing-font", "KestruneGhost-Bold", "fonts", file});
  EXPECT_NE(overridden.out.find("missing    DejaVuSans\n"), std::string::npos) << overridden.out;
  EXPECT_NE(overridden.out.find("installed  KestruneMissing-Regular\n"), std::string::npos) << overridden.out;
  EXPECT_NE(overridden.out.find("missing    KestruneGhost-Bold\n"), std::string::npos) << "missing wins";
}

TEST_F(HostProgramTest, PlayAndSaveAsLeaveTheSourceAsItWas) {
  ASSERT_EQ(Run({"make-samples", PathIn("samples")}).status, 0);
  std::string source = PathIn("samples/flyer.ai");
  std::string before = testing_support::ReadFile(source);
  std::set<std::string> files = Files();

  // Declined, or not offered at all: either way nothing is written.
  Result declined = Run({"--no", "save-as", source});
  EXPECT_TRUE(declined.status == 0 || declined.err.find("is disabled for") != std::string::npos) << declined.err;
  EXPECT_EQ(Files(), files);

  Result played = Run({"play", source});
  ASSERT_EQ(played.status, 0) << played.err;
  EXPECT_TRUE(IsResultLine(played.out)) << played.out;
  EXPECT_EQ(testing_support::ReadFile(source), before);
}

}  // namespace
}  // namespace documents_test
