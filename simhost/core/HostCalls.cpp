#include "core/HostCalls.h"

namespace simhost {

const std::vector<HostCallGroup>& HostCallGroups() {
  static const std::vector<HostCallGroup> groups = {
      {"", "SPBasicSuite", {"AllocateBlock", "ReallocateBlock"}},
      {"SP Blocks Suite", "SPBlocksSuite", {"AllocateBlock", "ReallocateBlock"}},
      {"SP Access Suite", "SPAccessSuite", {"GetAccessInfo", "GetPluginAccess"}},
      {"AI Runtime Suite", "AIRuntimeSuite", {"GetAppUILanguage"}},
      {"AI Unicode String Suite", "AIUnicodeStringSuite", {"Copy", "GetAs", "Initialize", "InitializeUTF16"}},
      {"AI File Path Suite", "AIFilePathSuite",
       {"Copy", "Exists", "GetDirectory", "GetFileExtension", "GetFileName", "GetFullPath", "Set"}},
      {"AI User Suite", "AIUserSuite",
       {"ErrorAlert", "GetDirectoryDialog", "MessageAlert", "OKCancelAlert", "YesNoAlert"}},
      {"AI Menu Suite", "AIMenuSuite", {"AddMenuGroupAsSubMenu", "AddMenuItem", "DisableItem", "EnableItem"}},
      {"AI Timer Suite", "AITimerSuite", {"AddTimer"}},
      {"AI Notifier Suite", "AINotifierSuite", {"AddNotifier"}},
      {"AI Action Manager Suite", "AIActionManagerSuite",
       {"AINewActionParamType", "AINewActionParamValue", "RecordActionEvent", "RegisterActionEvent",
        "RegisterActionEventUS"}},
      {"AI Document Suite", "AIDocumentSuite",
       {"GetCloudDocumentName", "GetDocument", "GetDocumentFileSpecification", "GetDocumentModified",
        "IsCloudDocument", "RedrawDocument", "SetDocumentModified", "SyncDocument"}},
      {"AI Document List Suite", "AIDocumentListSuite", {"Close", "Count", "GetNthDocument"}},
      {"AI Document View Suite", "AIDocumentViewSuite",
       {"CountDocumentViews", "GetDocumentViewCenter", "GetDocumentViewZoom", "GetNthDocumentView",
        "SetDocumentViewCenter", "SetDocumentViewZoom"}},
      {"AI Cloud Document Suite", "AICloudDocumentSuite", {"SaveToCloud"}},
      // Suites whose functions cannot be made to fail; named for the holding check.
      {"AI Context Suite", "AIAppContextSuite", {}},
      {"AI Real Math Suite", "AIRealMathSuite", {}},
      {"AI Layer Suite", "AILayerSuite",
       {"CountLayers", "GetLayerEditable", "GetLayerVisible", "GetNthLayer", "SetLayerEditable", "SetLayerVisible"}},
      {"AI Art Suite", "AIArtSuite",
       {"GetArtFirstChild", "GetArtSibling", "GetArtType", "GetArtUserAttr", "GetFirstArtOfLayer", "SetArtUserAttr"}},
      {"AI Text Frame Suite", "AITextFrameSuite", {"GetATETextRange", "GetType"}},
      {"AI Font Suite", "AIFontSuite", {"FontKeyFromFont", "GetFontInfo"}},
      {"ATE TextFrame Suite", "TextFrameSuite", {"AddRef", "GetTextRange", "Release"}},
      {"ATE TextRange Suite", "TextRangeSuite",
       {"AddRef", "GetContents_AsUnicode", "GetSize", "GetStart", "GetUniqueCharFeatures",
        "GetUniqueLocalCharFeatures", "Release", "SetRange"}},
      {"ATE CharFeatures Suite", "CharFeaturesSuite", {"AddRef", "GetFont", "Release"}},
      {"ATE Font Suite", "FontSuite", {"AddRef", "Release"}},
  };
  return groups;
}

std::string SuiteOfPoint(const std::string& point) {
  if (point.compare(0, 5, "play:") == 0) return "AI Action Manager Suite";
  const size_t dot = point.find('.');
  if (dot == std::string::npos) return "";
  const std::string prefix = point.substr(0, dot);
  for (const HostCallGroup& group : HostCallGroups())
    if (prefix == group.prefix) return group.suite;
  return "";
}

}  // namespace simhost
