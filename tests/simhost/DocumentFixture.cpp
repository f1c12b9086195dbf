#include "DocumentFixture.h"

#include "documents/DocumentFile.h"

namespace documents_test {

std::string DocumentTest::WriteModel(const std::string& name, const json& model) {
  std::string path = PathIn(name), problem;
  EXPECT_EQ(simhost::WriteModelFile(path, model, host_.VersionString(), &problem), kNoErr) << problem;
  return path;
}

json TextFrame(const std::string& text, const char* font, int kind) {
  return json{{"type", "textFrame"}, {"kind", kind}, {"runs", {{{"text", text}, {"font", font}}}}};
}

namespace {
ActionParamValue::Entry EntryOf(const char (&key)[5], ActionParamTypeID type) {
  ActionParamValue::Entry entry;
  entry.key = static_cast<ActionParamKeyID>(AIFourCharCode(key));
  entry.type = type;
  return entry;
}
}  // namespace

Block& Block::UString(const char (&key)[5], const std::string& text) {
  auto entry = EntryOf(key, simhost::kUnicodeStringParamType);
  entry.text = text;
  value.entries.push_back(entry);
  return *this;
}

Block& Block::String(const char (&key)[5], const std::string& text) {
  auto entry = EntryOf(key, actionTypeString);
  entry.text = text;
  value.entries.push_back(entry);
  return *this;
}

Block& Block::Boolean(const char (&key)[5], bool flag) {
  auto entry = EntryOf(key, actionTypeBoolean);
  entry.boolean = flag;
  value.entries.push_back(entry);
  return *this;
}

Block& Block::Integer(const char (&key)[5], ai::int32 number) {
  auto entry = EntryOf(key, actionTypeInteger);
  entry.integer = number;
  value.entries.push_back(entry);
  return *this;
}

Block& Block::Real(const char (&key)[5], AIReal number) {
  auto entry = EntryOf(key, actionTypeReal);
  entry.real = number;
  value.entries.push_back(entry);
  return *this;
}

Block& Block::UnitReal(const char (&key)[5], ActionParamUnitID unit, AIReal number) {
  auto entry = EntryOf(key, actionTypeUnitReal);
  entry.real = number;
  entry.unit = unit;
  value.entries.push_back(entry);
  return *this;
}

Block SaveAsBlock(const std::string& path) {
  Block block;
  block.UString("name", path)
      .Boolean("cmpr", true)
      .Boolean("pdf ", true)
      .Integer("crtr", 24)
      .Integer("ext.", 1)
      .Integer("incl", 0)
      .Real("rato", 100.0)
      .Integer("prfl", 1)
      .Boolean("smab", false)
      .String("frmt", "Adobe Illustrator Any Format Writer")
      .String("extn", "ai");
  return block;
}

}  // namespace documents_test
