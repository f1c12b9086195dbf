#include "PluginDocumentTest.h"

#include <filesystem>

#include "os/Files.h"
#include "documents/DocumentFile.h"
#include "documents/DocumentModel.h"
#include "suites/Menus.h"

using nlohmann::json;

namespace testing_support {

json Frame(const std::string& text, const std::string& font, int kind) {
  return json{{"type", "textFrame"},
              {"kind", kind},
              {"runs", json::array({{{"text", text}, {"font", font}}})},
              {"layoutVersion", "24.0.0"}};
}

json LayerOf(json art, bool visible, bool editable) {
  return json{{"name", "Layer"}, {"visible", visible}, {"editable", editable}, {"art", std::move(art)}};
}

json ModelOf(json layers, const std::string& creator) {
  return json{{"creatorVersion", creator}, {"layers", std::move(layers)}};
}

json SimpleModel(json art, const std::string& creator) {
  return ModelOf(json::array({LayerOf(std::move(art))}), creator);
}

std::vector<std::string> SplitLines(const std::string& text, const std::string& separator) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + separator.size())
    lines.push_back(text.substr(start, at - start));
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

bool ReadCSV(const std::string& text, std::vector<std::vector<std::string>>* records) {
  records->clear();
  std::vector<std::string> record;
  size_t at = 0;
  while (at < text.size()) {
    std::string field;
    if (text[at] == '"') {
      for (++at;; ++at) {
        if (at >= text.size()) return false;  // a quote never closed
        if (text[at] != '"') {
          field += text[at];
        } else if (at + 1 < text.size() && text[at + 1] == '"') {
          field += '"';
          ++at;
        } else {
          ++at;
          break;
        }
      }
    } else {
      while (at < text.size() && text[at] != ',' && text[at] != '\r' && text[at] != '\n') {
        if (text[at] == '"') return false;  // a quote inside a field that is not quoted
        field += text[at++];
      }
    }
    record.push_back(field);
    if (at < text.size() && text[at] == ',') {
      ++at;
      continue;
    }
    if (text.compare(at, 2, "\r\n") != 0) return false;  // anything else behind a field
    at += 2;
    records->push_back(record);
    record.clear();
  }
  return record.empty();
}

PluginDocumentTest::PluginDocumentTest() : folder_(MakeTempFolder("plugin")) { Start(simhost::HostConfig()); }

PluginDocumentTest::~PluginDocumentTest() {
  plugin_.reset();
  RemoveTree(folder_);
}

void PluginDocumentTest::Start(simhost::HostConfig config) {
  plugin_.reset();  // one host at a time: they would share the plug-in's code
  plugin_ = std::make_unique<PluginHost>(config);
  EXPECT_EQ(plugin_->Start(), kNoErr);
  docs().fonts().SetInstalled("Sans", true);
  docs().fonts().SetInstalled("Missing Font", false);
  docs().cloudFolder = folder_ + "/cloud";
}

std::string PluginDocumentTest::Write(const std::string& name, const json& model) {
  std::string problem;
  auto document = simhost::DocumentFromModel(model, docs().fonts(), "24.0.0", &problem);
  EXPECT_TRUE(document) << problem;
  std::string path = folder_ + "/" + name;
  std::filesystem::create_directories(simhost::os::NativePath(path).parent_path());
  if (document) {
    EXPECT_EQ(simhost::WriteDocumentFile(path, *document), kNoErr);
  }
  return path;
}

simhost::Document* PluginDocumentTest::Open(const std::string& path) {
  simhost::Document* document = nullptr;
  EXPECT_EQ(docs().Open(path, &document), kNoErr) << path;
  return document;
}

std::unique_ptr<simhost::Document> PluginDocumentTest::Read(const std::string& path) {
  std::unique_ptr<simhost::Document> document;
  std::string problem;
  EXPECT_EQ(simhost::ReadDocumentFile(path, docs().fonts(), &document, &problem), kNoErr) << problem;
  return document;
}

simhost::MenuItem* PluginDocumentTest::Item(const std::string& name, int nth) {
  for (const auto& item : host().menus().items())
    if (item->name == name && nth-- == 0) return item.get();
  return nullptr;
}

}  // namespace testing_support
