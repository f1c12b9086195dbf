// The application's own events on documents, as a plug-in plays them: moving the
// selection, saving the current document under a new name, opening a file.
#include <cmath>
#include <set>

#include "suites/Actions.h"
#include "documents/Documents.h"
#include "core/Host.h"

namespace simhost {
namespace {

typedef ActionParamValue::Entry Entry;

constexpr ActionParamKeyID Key(const char (&code)[5]) { return static_cast<ActionParamKeyID>(AIFourCharCode(code)); }

std::string KeyText(ActionParamKeyID key) {
  std::string text = "'";
  for (int shift = 24; shift >= 0; shift -= 8) {
    char c = static_cast<char>((key >> shift) & 0xFF);
    text.push_back(c >= 32 && c < 127 ? c : '?');
  }
  return text + "'";
}

AIErr Refuse(const std::string& problem, AIErr code = kBadParameterErr) {
  Host::Current().documents().lastProblem = problem;
  return code;
}

// A distance is a unit real in points ("#Pxl"), as the application takes it; a
// plain real is refused. A key that holds anything else (the move block gives
// "vtcl" last as a boolean) moves nothing that way.
AIErr Distance(const ActionParamValue* params, ActionParamKeyID key, AIReal* distance) {
  *distance = 0;
  const Entry* entry = params != nullptr ? params->Find(key) : nullptr;
  if (entry == nullptr) return kNoErr;
  if (entry->type == actionTypeReal) return Refuse("adobe_move: " + KeyText(key) + " is a plain real, not a unit real");
  if (entry->type != actionTypeUnitReal) return kNoErr;
  if (entry->unit != unitPoints) return Refuse("adobe_move: " + KeyText(key) + " in a unit other than '#Pxl'");
  if (!std::isfinite(entry->real)) return Refuse("adobe_move: " + KeyText(key) + " is not a finite distance");
  *distance = entry->real;
  return kNoErr;
}

ASErr Move(const ActionParamValue* params, ActionDialogStatus) {
  Document* document = Host::Current().documents().current();
  if (document == nullptr) return Refuse("adobe_move: no document is open", kNoDocumentErr);
  AIReal dx = 0, dy = 0;
  if (AIErr err = Distance(params, Key("hozn"), &dx)) return err;
  if (AIErr err = Distance(params, Key("vtcl"), &dy)) return err;
  if (dx == 0 && dy == 0) return kNoErr;
  if (MoveSelection(*document, dx, dy, Host::Current().VersionString()) > 0) document->modified = true;
  return kNoErr;
}

// Checks that every key of a block is one of these and holds what is expected.
class BlockCheck {
 public:
  BlockCheck(const char* event, const ActionParamValue* params) : event_(event), params_(params) {}

  const Entry* Take(ActionParamKeyID key, ActionParamTypeID type, const char* typeName) {
    allowed_.insert(key);
    if (!problem_.empty()) return nullptr;
    const Entry* entry = params_ != nullptr ? params_->Find(key) : nullptr;
    if (entry == nullptr) {
      problem_ = KeyText(key) + " is missing";
    } else if (entry->type != type) {
      problem_ = KeyText(key) + " must be " + typeName;
      entry = nullptr;
    }
    return entry;
  }
  void Boolean(ActionParamKeyID key, bool value) {
    const Entry* entry = Take(key, actionTypeBoolean, "a boolean");
    if (entry != nullptr && entry->boolean != value) Wrong(key, value ? "true" : "false");
  }
  void Integer(ActionParamKeyID key, ai::int32 value) {
    const Entry* entry = Take(key, actionTypeInteger, "an integer");
    if (entry != nullptr && entry->integer != value) Wrong(key, std::to_string(value));
  }
  void Real(ActionParamKeyID key, AIReal value) {
    const Entry* entry = Take(key, actionTypeReal, "a real");
    if (entry != nullptr && entry->real != value) Wrong(key, std::to_string(value));
  }
  void String(ActionParamKeyID key, const std::string& value) {
    const Entry* entry = Take(key, actionTypeString, "a string");
    if (entry != nullptr && entry->text != value) Wrong(key, "\"" + value + "\"");
  }
  std::string UnicodeString(ActionParamKeyID key) {
    const Entry* entry = Take(key, kUnicodeStringParamType, "a Unicode string");
    if (entry != nullptr && entry->text.empty()) problem_ = KeyText(key) + " is empty";
    return entry != nullptr ? entry->text : std::string();
  }
  // Call last: unexpected keys, then the first problem met.
  AIErr Result() {
    if (params_ == nullptr) return Refuse(std::string(event_) + ": no parameter block");
    for (const Entry& entry : params_->entries)
      if (problem_.empty() && allowed_.count(entry.key) == 0) problem_ = "unexpected key " + KeyText(entry.key);
    return problem_.empty() ? kNoErr : Refuse(std::string(event_) + ": " + problem_);
  }

 private:
  void Wrong(ActionParamKeyID key, const std::string& expected) {
    if (problem_.empty()) problem_ = KeyText(key) + " must be " + expected;
  }
  const char* event_;
  const ActionParamValue* params_;
  std::set<ActionParamKeyID> allowed_;
  std::string problem_;
};

ASErr SaveDocumentAs(const ActionParamValue* params, ActionDialogStatus) {
  BlockCheck check("adobe_saveDocumentAs", params);
  std::string path = check.UnicodeString(Key("name"));
  check.Boolean(Key("cmpr"), true);
  check.Boolean(Key("pdf "), true);
  check.Integer(Key("crtr"), 24);
  check.Integer(Key("ext."), 1);
  check.Integer(Key("incl"), 0);
  check.Real(Key("rato"), 100.0);
  check.Integer(Key("prfl"), 1);
  check.Boolean(Key("smab"), false);
  check.String(Key("frmt"), "Adobe Illustrator Any Format Writer");
  check.String(Key("extn"), "ai");
  if (AIErr err = check.Result()) return err;
  Documents& documents = Host::Current().documents();
  Document* document = documents.current();
  if (document == nullptr) return Refuse("adobe_saveDocumentAs: no document is open", kNoDocumentErr);
  return documents.SaveAs(document, path);
}

// "colr" is the colour model to open in: 0 grey, 1 RGB, 2 CMYK.
ASErr OpenDocument(const ActionParamValue* params, ActionDialogStatus) {
  BlockCheck check("adobe_openDocument", params);
  std::string path = check.UnicodeString(Key("name"));
  const Entry* colour = check.Take(Key("colr"), actionTypeInteger, "an integer");
  if (AIErr err = check.Result()) return err;
  if (colour->integer < 0 || colour->integer > 2) return Refuse("adobe_openDocument: 'colr' must be 0, 1 or 2");
  return Host::Current().documents().Open(path);
}

}  // namespace

void DefineDocumentEvents(Actions& actions) {
  actions.DefineHostEvent("adobe_move", Move);
  actions.DefineHostEvent("adobe_saveDocumentAs", SaveDocumentAs);
  actions.DefineHostEvent("adobe_openDocument", OpenDocument);
}

}  // namespace simhost
