#include "pluginHandler/AISuiteVariables.h"
#include "actionManagerHandler.h"
#include "common/Texts.h"
#include "shellMain/Handlers.h"
#include "shellMain/PluginGlobals.h"

namespace {

constexpr ai::int32 kActionVersion = 1;

// Registers one action with an empty parameter list. Failures are not the
// plug-in's to report: the action is simply missing from the host.
template <typename Title, typename Register>
void registerAction(SPPluginRef self, Register reg, const char* name, const Title& title) {
  AIActionParamTypeRef parameters = nullptr;
  sActionManager->AINewActionParamType(&parameters);
  if (parameters == nullptr || self == nullptr) return;
  (sActionManager->*reg)(name, title, kActionVersion, 0, nullptr, self, nullptr, parameters);
  sActionManager->AIDeleteActionParamType(parameters);
}

}  // namespace

SPErr addAction(SPInterfaceMessage* message) {
  if (sActionManager == nullptr) return kSPNoError;
  SPPluginRef self = message->d.self;
  registerAction(self, &AIActionManagerSuite::RegisterActionEvent, kKestruneInsideCommand, "Kestrune Inside Command");
  try {
    registerAction(self, &AIActionManagerSuite::RegisterActionEventUS, kKestruneSaveAsAction,
                   ai::UnicodeString(Text(TextId::kActionSaveAsTitle), kAIJapaneseCharacterEncoding));
  } catch (const ai::Error&) {
    // No title, no action; start-up goes on.
  }
  return kSPNoError;
}
