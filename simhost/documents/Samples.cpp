#include "documents/Samples.h"

#include <filesystem>
#include <fstream>

#include "documents/DocumentFile.h"
#include "documents/DocumentModel.h"
#include "documents/Fonts.h"
#include "os/Files.h"

namespace simhost {

const char* const kSampleInstalledFonts[2] = {"DejaVuSans", "DejaVuSerif"};
const char* const kSampleMissingFonts[2] = {"KestruneMissing-Regular", "KestruneGhost-Bold"};

namespace {

using nlohmann::json;

json Run(const std::string& text, const char* font) {
  return json{{"text", text}, {"font", font == nullptr ? json(nullptr) : json(font)}};
}

json Frame(int kind, double x, double y, json runs, const std::string& layoutVersion) {
  return json{{"type", "textFrame"},
              {"kind", kind},
              {"position", {x, y}},
              {"runs", std::move(runs)},
              {"layoutVersion", layoutVersion}};
}

json With(json object, const char* key, json value) {
  object[key] = std::move(value);
  return object;
}

json Path(double x, double y) { return json{{"type", "path"}, {"position", {x, y}}}; }

json Group(json children) { return json{{"type", "group"}, {"children", std::move(children)}}; }

json Layer(const std::string& name, json art, bool visible = true, bool editable = true) {
  return json{{"name", name}, {"visible", visible}, {"editable", editable}, {"art", std::move(art)}};
}

json Model(const std::string& version, json layers) {
  return json{{"creatorVersion", version},
              {"cropBox", {0, 0, 612, 792}},
              {"bleedBox", {0, 0, 612, 792}},
              {"layers", std::move(layers)}};
}

const char* const kSans = kSampleInstalledFonts[0];
const char* const kSerif = kSampleInstalledFonts[1];
const char* const kMissing = kSampleMissingFonts[0];
const char* const kGhost = kSampleMissingFonts[1];

// Every kind of frame, locked and hidden objects and layers, and a frame of another
// kind whose missing font does not count.
json Flyer(const std::string& version) {
  return Model(
      version,
      json::array({
          Layer(
              "Text",
              json::array({
                  Frame(0, 72, 72, json::array({Run("Summer Sale", kSans)}), version),
                  Frame(1, 72, 120, json::array({Run("All week long, ", kSans), Run("every store.", kSerif)}), version),
                  Frame(2, 72, 200, json::array({Run("Along the path", kSans)}), version),
                  With(Frame(0, 72, 260, json::array({Run("Locked caption", kSans)}), version), "locked", true),
                  With(Frame(0, 72, 300, json::array({Run("Hidden caption", kSans)}), version), "hidden", true),
                  With(Frame(0, 72, 340, json::array({Run("Default font", nullptr)}), version), "defaultFont", kSerif),
                  Frame(0, 72, 380, json::array({Run(" \t\xE3\x80\x80\r", kMissing)}), version),
                  Frame(3, 72, 420, json::array({Run("Another kind", kMissing)}), version),
                  With(Path(300, 300), "selected", true),
              })),
          Layer("Notes",
                json::array({
                    With(Group(json::array({
                             With(Group(json::array({Frame(
                                      0, 72, 500, json::array({Run("Inside locked in hidden", kSans)}), version)})),
                                  "locked", true),
                             Path(90, 520),
                         })),
                         "hidden", true),
                })),
          Layer("Background",
                json::array({Frame(0, 72, 700, json::array({Run("Printed on recycled paper", kSerif)}), version),
                             With(Path(0, 0), "locked", true)}),
                false, false),
      }));
}

json MissingFonts(const std::string& version) {
  return Model(
      version,
      json::array({Layer(
          "Layer 1", json::array({
                         Frame(0, 72, 72, json::array({Run("Grand ", kSans), Run("Opening", kMissing)}), version),
                         Group(json::array({Group(
                             json::array({Frame(1, 72, 140, json::array({Run("Deep inside", kGhost)}), version)}))})),
                         json{{"type", "legacyText"}, {"position", {72, 300}}, {"text", "Old text as well"}},
                     }))}));
}

json LegacyText(const std::string& version) {
  return Model(
      version,
      json::array(
          {Layer("Layer 1", json::array({
                                json{{"type", "legacyText"}, {"position", {72, 72}}, {"text", "Made with version 10"}},
                                Frame(0, 72, 140, json::array({Run("Current text too", kSans)}), version),
                            }))}));
}

json NoText(const std::string& version) {
  return Model(
      version,
      json::array({
          Layer("Shapes",
                json::array({Path(10, 10), Group(json::array({Path(20, 20), With(Path(30, 30), "hidden", true)}))})),
          Layer("Empty", json::array()),
      }));
}

json Japanese(const std::string& version) {
  return Model(
      version,
      json::array({
          Layer("本文", json::array({
                            Frame(0, 72, 72, json::array({Run("夏のセール", kSans)}), version),
                            Frame(1, 72, 120, json::array({Run("全店で", kSans), Run("開催中。", kSerif)}), version),
                        })),
          Layer("背景", json::array({Frame(0, 72, 700, json::array({Run("再生紙を使用しています", kSans)}), version)}),
                false, false),
      }));
}

json Brochure(const std::string& version) {
  return Model(
      version,
      json::array({
          Layer("Layer 1",
                json::array({
                    With(Group(json::array({Frame(0, 72, 72, json::array({Run("Brochure", kSerif)}), version)})),
                         "locked", true),
                    Frame(2, 72, 160, json::array({Run("Around the circle", kSans)}), version),
                })),
          Layer("Guides", json::array({Frame(0, 72, 600, json::array({Run("Fold here", kSans)}), version)}), true,
                false),
          Layer("Drafts", json::array({Frame(0, 72, 640, json::array({Run("Old draft", kSans)}), version)}), false,
                true),
      }));
}

json TrimArea(const std::string& layoutVersion, json crop, json bleed) {
  json model = Model(
      "13.0.0",
      json::array({Layer(
          "Layer 1", json::array({Frame(0, 72, 72, json::array({Run("Old trim marks", kSans)}), layoutVersion)}))}));
  model["cropBox"] = std::move(crop);
  model["bleedBox"] = std::move(bleed);
  return model;
}

std::string UpdatedName(const std::string& stem, const std::string& marker, const std::string& version,
                        const std::string& extension) {
  return stem + marker + "Ai" + version + "]" + extension;
}

}  // namespace

std::vector<Sample> SampleSet(const std::string& hostVersion) {
  const std::string old = "24.0.0";
  std::vector<Sample> set;
  auto document = [&set](const std::string& path, json model, const std::string& purpose) {
    Sample sample;
    sample.path = path;
    sample.model = std::move(model);
    sample.purpose = purpose;
    set.push_back(std::move(sample));
  };
  document("flyer.ai", Flyer(old),
           "saved: frames of every kind, locked and hidden objects, a locked group in a hidden group, a hidden "
           "locked layer, blanks in a missing font and a frame of another kind in a missing font");
  document(UpdatedName("flyer", "[CP_updated_", hostVersion, ".ai"), Flyer(hostVersion),
           "an updated copy of flyer.ai already present: the next one takes the counter (1); a scan skips it");
  document("missing-fonts.ai", MissingFonts(old), "missing fonts (two, one deep in groups), before its legacy text");
  document("legacy-text.ai", LegacyText("10.0.0"), "legacy text beside a current text frame");
  document("no-text.ai", NoText(old), "no text: paths, groups and an empty layer");
  document("チラシ.ai", Japanese(old), "saved: a Japanese name and text, a hidden locked layer");
  document("subfolder/brochure.ai", Brochure(old),
           "saved, in a subfolder: a locked group, a locked layer and a hidden layer");
  document("subfolder/パンフレット.ai", Japanese(old), "saved, in a subfolder, with a Japanese name");
  document("trim-area.ai", TrimArea("13.0.0", {18, 18, 594, 774}, {0, 0, 612, 792}),
           "refused by a bulk update: creator 13.0.0, bleed box 18 points beyond the crop box");
  document("trim-area-edge.ai", TrimArea("13.0.0", {0, 0, 612, 792}, {0, 0, 613.5, 792}),
           "refused by a bulk update: creator 13.0.0, one side of the bleed box 1.5 points out");
  document("poster.eps", Brochure(old), "a document whose extension is not ai");
  document(".hidden.ai", Brochure(old), "skipped by a folder scan: the name begins with a point");
  document(UpdatedName("チラシ", "[CP_更新済み", "27.9.0", ".ai"), Japanese("27.9.0"),
           "skipped by a folder scan: the Japanese marker");
  Sample damaged;
  damaged.path = "damaged.ai";
  damaged.form = Sample::Form::Damaged;
  damaged.model = Brochure(hostVersion);
  damaged.purpose = "fails to open: its private data is cut short";
  set.push_back(std::move(damaged));
  Sample notes;
  notes.path = "notes.txt";
  notes.form = Sample::Form::Plain;
  notes.text = "Not a document. A folder scan leaves this file out.\n";
  notes.purpose = "skipped by a folder scan: not an .ai file";
  set.push_back(std::move(notes));
  return set;
}

bool WriteSamples(const std::string& folder, const std::string& hostVersion, std::vector<std::string>* written,
                  std::string* error) {
  namespace fs = std::filesystem;
  std::vector<Sample> set = SampleSet(hostVersion);
  for (const Sample& sample : set) {
    fs::path target = os::NativePath(folder) / os::NativePath(sample.path);
    std::error_code ignored;
    if (fs::exists(fs::symlink_status(target, ignored))) {
      *error = os::Utf8Path(target) + " exists already; nothing was written";
      return false;
    }
  }
  Fonts fonts;
  for (const Sample& sample : set) {
    fs::path target = os::NativePath(folder) / os::NativePath(sample.path);
    std::error_code failed;
    fs::create_directories(target.parent_path(), failed);
    if (failed) {
      *error = "cannot make the folder " + os::Utf8Path(target.parent_path());
      return false;
    }
    std::string bytes = sample.text;
    if (sample.form != Sample::Form::Plain) {
      std::string why;
      std::unique_ptr<Document> document = DocumentFromModel(sample.model, fonts, hostVersion, &why);
      if (!document) {
        *error = sample.path + ": " + why;
        return false;
      }
      bytes = DocumentFileBytes(*document);
      // Cut inside the private data, so that the file still looks like this host's.
      if (sample.form == Sample::Form::Damaged)
        bytes.resize(bytes.find("endstream", bytes.find("KestrunePrivateData")) - 40);
    }
    std::ofstream out(target, std::ios::binary);
    out << bytes;
    out.close();
    if (!out) {
      *error = "cannot write " + os::Utf8Path(target);
      return false;
    }
    if (written != nullptr) written->push_back(os::Utf8Path(target));
  }
  return true;
}

}  // namespace simhost
