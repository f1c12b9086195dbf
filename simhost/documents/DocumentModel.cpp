#include "documents/DocumentModel.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <stdexcept>

#include "suites/Encoding.h"
#include "documents/Fonts.h"

namespace simhost {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

struct BadModel : std::runtime_error {
  using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  throw BadModel(where.empty() ? what : where + ": " + what);
}

std::string Child(const std::string& where, const std::string& key) { return where.empty() ? key : where + "." + key; }

std::string Item(const std::string& where, size_t index) { return where + "[" + std::to_string(index) + "]"; }

void RequireObject(const json& value, const std::string& where) {
  if (!value.is_object()) Fail(where, "must be an object");
}

void AllowOnly(const json& object, const std::set<std::string>& keys, const std::string& where) {
  for (auto it = object.begin(); it != object.end(); ++it)
    if (keys.count(it.key()) == 0) Fail(where, "unknown key \"" + it.key() + "\"");
}

bool BoolOr(const json& object, const char* key, bool fallback, const std::string& where) {
  auto it = object.find(key);
  if (it == object.end()) return fallback;
  if (!it->is_boolean()) Fail(Child(where, key), "must be true or false");
  return it->get<bool>();
}

std::string StringOr(const json& object, const char* key, const std::string& fallback, const std::string& where) {
  auto it = object.find(key);
  if (it == object.end()) return fallback;
  if (!it->is_string()) Fail(Child(where, key), "must be a string");
  return it->get<std::string>();
}

double Coordinate(const json& value, const std::string& where) {
  if (!value.is_number()) Fail(where, "must be a number");
  double number = value.get<double>();
  if (!std::isfinite(number) || std::fabs(number) > kMaxCoordinate)
    Fail(where, "must be a number between -1000000 and 1000000");
  return number;
}

Box ReadBox(const json& value, const std::string& where) {
  if (!value.is_array() || value.size() != 4) Fail(where, "must be four numbers [left, bottom, right, top]");
  Box box{};
  for (size_t i = 0; i < 4; ++i) box[i] = Coordinate(value[i], Item(where, i));
  if (!(box[0] < box[2]) || !(box[1] < box[3])) Fail(where, "must have left < right and bottom < top");
  return box;
}

std::string VersionOr(const json& object, const char* key, const std::string& fallback, const std::string& where) {
  std::string version = StringOr(object, key, fallback, where);
  if (!IsVersionText(version)) Fail(Child(where, key), "must read X.Y.Z (digits), not \"" + version + "\"");
  return version;
}

Font* FontOf(const json& value, Fonts& fonts, const std::string& where) {
  if (value.is_null()) return nullptr;
  if (!value.is_string() || value.get<std::string>().empty()) Fail(where, "must be a font name or null");
  return fonts.Get(value.get<std::string>());
}

struct Reader {
  Fonts& fonts;
  std::string documentVersion;

  std::unique_ptr<Art> ReadArt(const json& value, const std::string& where, int depth) {
    RequireObject(value, where);
    auto art = std::make_unique<Art>();
    std::string type = StringOr(value, "type", "", where);
    std::set<std::string> keys = {"type", "locked", "hidden", "selected", "position"};
    if (type == "group") {
      art->type = kGroupArt;
      keys.insert("children");
    } else if (type == "textFrame") {
      art->type = kTextFrameArt;
      keys.insert({"kind", "runs", "layoutVersion", "defaultFont"});
    } else if (type == "legacyText") {
      art->type = kLegacyTextArt;
      keys.insert("text");
    } else if (type == "path") {
      art->type = kPathArt;
    } else {
      Fail(Child(where, "type"), "must be \"group\", \"textFrame\", \"legacyText\" or \"path\"");
    }
    AllowOnly(value, keys, where);
    art->locked = BoolOr(value, "locked", false, where);
    art->hidden = BoolOr(value, "hidden", false, where);
    art->selected = BoolOr(value, "selected", false, where);
    if (auto it = value.find("position"); it != value.end()) {
      std::string at = Child(where, "position");
      if (!it->is_array() || it->size() != 2) Fail(at, "must be two numbers [x, y]");
      art->position = AIRealPoint{Coordinate((*it)[0], Item(at, 0)), Coordinate((*it)[1], Item(at, 1))};
    }
    if (art->type == kGroupArt) {
      if (auto it = value.find("children"); it != value.end())
        ReadChildren(*it, art.get(), Child(where, "children"), depth + 1);
    } else if (art->type == kTextFrameArt) {
      ReadTextFrame(value, art.get(), where);
    } else if (art->type == kLegacyTextArt) {
      art->legacyText = Utf16FromUtf8(StringOr(value, "text", "", where));
    }
    return art;
  }

  void ReadTextFrame(const json& value, Art* art, const std::string& where) {
    if (auto it = value.find("kind"); it != value.end()) {
      if (!it->is_number_integer()) Fail(Child(where, "kind"), "must be a whole number");
      bool fits = it->is_number_unsigned()
                      ? it->get<std::uint64_t>() <= static_cast<std::uint64_t>(std::numeric_limits<ai::int32>::max())
                      : it->get<std::int64_t>() >= std::numeric_limits<ai::int32>::min() &&
                            it->get<std::int64_t>() <= std::numeric_limits<ai::int32>::max();
      if (!fits) Fail(Child(where, "kind"), "must fit in 32 bits");
      art->kind = static_cast<ai::int32>(it->get<std::int64_t>());
    }
    art->layoutVersion = VersionOr(value, "layoutVersion", documentVersion, where);
    if (auto it = value.find("defaultFont"); it != value.end())
      art->defaultFont = FontOf(*it, fonts, Child(where, "defaultFont"));
    if (auto it = value.find("runs"); it != value.end()) {
      std::string at = Child(where, "runs");
      if (!it->is_array()) Fail(at, "must be a list of {\"text\": ..., \"font\": ...}");
      for (size_t i = 0; i < it->size(); ++i) {
        const json& run = (*it)[i];
        std::string runAt = Item(at, i);
        RequireObject(run, runAt);
        AllowOnly(run, {"text", "font"}, runAt);
        TextRun made;
        made.text = Utf16FromUtf8(StringOr(run, "text", "", runAt));
        if (auto font = run.find("font"); font != run.end()) made.font = FontOf(*font, fonts, Child(runAt, "font"));
        art->runs.push_back(std::move(made));
      }
    }
  }

  void ReadChildren(const json& list, Art* group, const std::string& where, int depth) {
    if (depth > kMaxGroupDepth) Fail(where, "groups nest deeper than " + std::to_string(kMaxGroupDepth));
    if (!list.is_array()) Fail(where, "must be a list of art objects");
    for (size_t i = 0; i < list.size(); ++i) AddChild(group, ReadArt(list[i], Item(where, i), depth));
  }
};

ordered_json NumberValue(double number) {
  double whole = 0;
  if (std::modf(number, &whole) == 0.0 && std::fabs(whole) <= kMaxCoordinate)
    return ordered_json(static_cast<std::int64_t>(whole));
  return ordered_json(number);
}

ordered_json ArtModel(const Art& art) {
  ordered_json out;
  switch (art.type) {
    case kGroupArt:
      out["type"] = "group";
      break;
    case kTextFrameArt:
      out["type"] = "textFrame";
      break;
    case kLegacyTextArt:
      out["type"] = "legacyText";
      break;
    default:
      out["type"] = "path";
      break;
  }
  out["locked"] = art.locked;
  out["hidden"] = art.hidden;
  out["selected"] = art.selected;
  out["position"] = ordered_json::array({NumberValue(art.position.h), NumberValue(art.position.v)});
  if (art.type == kGroupArt) {
    ordered_json children = ordered_json::array();
    for (const auto& child : art.children) children.push_back(ArtModel(*child));
    out["children"] = std::move(children);
  } else if (art.type == kTextFrameArt) {
    out["kind"] = art.kind;
    out["layoutVersion"] = art.layoutVersion;
    out["defaultFont"] = art.defaultFont ? ordered_json(art.defaultFont->name) : ordered_json(nullptr);
    ordered_json runs = ordered_json::array();
    for (const TextRun& run : art.runs) {
      ordered_json item;
      item["text"] = Utf8FromUtf16(run.text);
      item["font"] = run.font ? ordered_json(run.font->name) : ordered_json(nullptr);
      runs.push_back(std::move(item));
    }
    out["runs"] = std::move(runs);
  } else if (art.type == kLegacyTextArt) {
    out["text"] = Utf8FromUtf16(art.legacyText);
  }
  return out;
}

ordered_json BoxModel(const Box& box) {
  ordered_json out = ordered_json::array();
  for (double number : box) out.push_back(NumberValue(number));
  return out;
}

}  // namespace

bool IsVersionText(const std::string& text) {
  int numbers = 0, digits = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      if (++digits > 4) return false;
    } else if (c == '.' && digits > 0 && numbers < 2) {
      ++numbers;
      digits = 0;
    } else {
      return false;
    }
  }
  return numbers == 2 && digits > 0;
}

std::unique_ptr<Document> DocumentFromModel(const nlohmann::json& model, Fonts& fonts,
                                            const std::string& defaultVersion, std::string* error) {
  try {
    RequireObject(model, "the model");
    AllowOnly(model, {"creatorVersion", "cropBox", "bleedBox", "layers"}, "");
    auto document = std::make_unique<Document>();
    document->creatorVersion = VersionOr(model, "creatorVersion", defaultVersion, "");
    if (auto it = model.find("cropBox"); it != model.end()) document->cropBox = ReadBox(*it, "cropBox");
    document->bleedBox = document->cropBox;
    if (auto it = model.find("bleedBox"); it != model.end()) document->bleedBox = ReadBox(*it, "bleedBox");
    Reader reader{fonts, document->creatorVersion};
    auto layers = model.find("layers");
    if (layers == model.end()) {
      document->AddLayer("Layer 1");
    } else {
      if (!layers->is_array() || layers->empty()) Fail("layers", "must be a list of at least one layer");
      for (size_t i = 0; i < layers->size(); ++i) {
        const json& value = (*layers)[i];
        std::string where = Item("layers", i);
        RequireObject(value, where);
        AllowOnly(value, {"name", "visible", "editable", "art"}, where);
        Layer* layer = document->AddLayer(StringOr(value, "name", "Layer " + std::to_string(i + 1), where));
        layer->visible = BoolOr(value, "visible", true, where);
        layer->editable = BoolOr(value, "editable", true, where);
        if (auto art = value.find("art"); art != value.end())
          reader.ReadChildren(*art, layer->root.get(), Child(where, "art"), 1);
      }
    }
    document->AddView();
    return document;
  } catch (const BadModel& bad) {
    if (error != nullptr) *error = bad.what();
  } catch (const nlohmann::json::exception& bad) {
    if (error != nullptr) *error = bad.what();
  }
  return nullptr;
}

nlohmann::ordered_json ModelOf(const Document& document) {
  ordered_json out;
  out["creatorVersion"] = document.creatorVersion;
  out["cropBox"] = BoxModel(document.cropBox);
  out["bleedBox"] = BoxModel(document.bleedBox);
  ordered_json layers = ordered_json::array();
  for (const auto& layer : document.layers) {
    ordered_json item;
    item["name"] = layer->name;
    item["visible"] = layer->visible;
    item["editable"] = layer->editable;
    ordered_json art = ordered_json::array();
    for (const auto& child : layer->root->children) art.push_back(ArtModel(*child));
    item["art"] = std::move(art);
    layers.push_back(std::move(item));
  }
  out["layers"] = std::move(layers);
  return out;
}

std::u16string Utf16FromUtf8(const std::string& utf8) {
  std::u32string points;
  CodePointsFromUtf8(utf8, &points, true);
  std::u16string out;
  for (char32_t c : points) {
    if (c >= 0x10000 && c <= 0x10FFFF) {
      c -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    } else if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      out.push_back(u'\uFFFD');
    } else {
      out.push_back(static_cast<char16_t>(c));
    }
  }
  return out;
}

std::string Utf8FromUtf16(const std::u16string& utf16) {
  std::u32string points;
  for (size_t i = 0; i < utf16.size(); ++i) {
    char32_t c = utf16[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
      points.push_back(0x10000 + ((c - 0xD800) << 10) + (utf16[i + 1] - 0xDC00));
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      points.push_back(0xFFFD);
    } else {
      points.push_back(c);
    }
  }
  return Utf8FromCodePoints(points);
}

}  // namespace simhost
