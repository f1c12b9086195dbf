#include "core/Host.h"

#include <chrono>
#include <cstring>
#include <stdexcept>

#include "core/Lending.h"
#include "suites/Actions.h"
#include "suites/Application.h"
#include "documents/Documents.h"
#include "os/Module.h"
#include "suites/FilePaths.h"
#include "suites/Memory.h"
#include "suites/Menus.h"
#include "suites/Notifiers.h"
#include "suites/Strings.h"
#include "suites/Timers.h"
#include "suites/UserInterface.h"

namespace simhost {
namespace {

Host* gCurrent = nullptr;

// The plug-in reference this host hands out; only its address matters.
struct SPPluginRecord {
  int unused;
};

SPPluginRecord gPluginRecord;

// Failures of acquisition and release are injected per suite (acquire:NAME, release:NAME).
SPErr AcquireSuite(const char* name, ai::int32 version, const void** suite) {
  return Host::Current().suites().Acquire(name, version, suite);
}

SPErr ReleaseSuite(const char* name, ai::int32 version) { return Host::Current().suites().Release(name, version); }

SPBoolean IsEqual(const char* token1, const char* token2) {
  if (token1 == nullptr || token2 == nullptr) return false;
  return std::strcmp(token1, token2) == 0;
}

SPErr AllocateBlock(size_t size, void** block) { return Host::Current().memory().Allocate(size, block); }

SPErr FreeBlock(void* block) { return Host::Current().memory().Free(block); }

SPErr ReallocateBlock(void* block, size_t newSize, void** newblock) {
  return Host::Current().memory().Reallocate(block, newSize, newblock);
}

const LentSuite& BasicSuite() {
  using B = SPBasicSuite;
  return LendCarried<B>(kSPBasicSuite, kSPBasicSuiteVersion,
                        Routed<&B::AcquireSuite, AcquireSuite>("acquire:SUITE, one for each suite"),
                        Routed<&B::ReleaseSuite, ReleaseSuite>("release:SUITE, one for each suite"),
                        Answers<&B::IsEqual, IsEqual>(), Fails<&B::AllocateBlock, AllocateBlock>(),
                        Fails<&B::FreeBlock, FreeBlock>(), Fails<&B::ReallocateBlock, ReallocateBlock>());
}

// Lent as const, handed in every message record as the plug-in's to read.
SPBasicSuite* TheBasicSuite() {
  return const_cast<SPBasicSuite*>(static_cast<const SPBasicSuite*>(BasicSuite().table));
}

}  // namespace

Host::Host(HostConfig config)
    : config_(std::move(config)),
      catalog_(config_.platform),
      suites_(faults_, catalog_),
      memory_(new Memory()),
      ui_(new UserInterface()),
      menus_(new Menus()),
      timers_(new Timers()),
      notifiers_(new Notifiers()),
      actions_(new Actions()),
      documents_(new Documents()) {
  previous_ = gCurrent;
  gCurrent = this;
  suites_.Publish(BasicSuite());
  PublishMemorySuites(suites_);
  PublishStringSuites(suites_);
  PublishFilePathSuites(suites_);
  PublishApplicationSuites(suites_);
  PublishUserSuites(suites_);
  PublishMenuSuites(suites_);
  PublishTimerSuites(suites_);
  PublishNotifierSuites(suites_);
  PublishActionSuites(suites_);
  PublishDocumentSuites(suites_);
  DefineDocumentEvents(*actions_);
  PublishHeldSuites(suites_);
  for (const std::string& name : config_.withheldSuites) suites_.Withhold(name);
  DeclareFaultPoints();
}

void Host::DeclareFaultPoints() {
  for (const LentSuite* suite : suites_.lent()) {
    for (const auto& member : suite->members) {
      switch (member->reports) {
        case Reports::kStatus:
          faults_.Declare(member->point);
          break;
        case Reports::kRouted:
          faults_.DeclareUnfailing(member->point, member->point + " fails at points of its own: " + member->routedTo);
          break;
        case Reports::kNothing:
        case Reports::kValue:
          faults_.DeclareUnfailing(member->point, member->point + " cannot fail: the host's " +
                                                      member->point.substr(member->point.find('.') + 1) + " returns " +
                                                      (member->reports == Reports::kNothing ? "nothing" : "a value") +
                                                      ", not a status");
          break;
      }
    }
  }
  for (const CatalogEntry& entry : catalog_.entries()) {
    faults_.Declare("acquire:" + entry.name);
    faults_.Declare("release:" + entry.name);
  }
  for (const std::string& event : actions_->HostEventNames()) faults_.Declare("play:" + event);
}

void Host::CheckHeld(const std::string& suite, const std::string& what) {
  // Outside a call into the plug-in it is the host or a test calling; nothing to hold.
  if (depth_ == 0) return;
  if (!suite.empty() && suites_.outstanding(suite) == 0)
    validator_.Fail("the plug-in called " + what + " without holding \"" + suite + "\"");
}

AIErr Host::EnterMember(const LentMember& member) {
  if (!member.suite->carried) {
    ++hostCalls_;
    CheckHeld(member.suite->name, member.point);
  }
  if (member.reports == Reports::kStatus) return faults_.Check(member.point);
  faults_.Count(member.point);
  return kNoErr;
}

void Host::EnterTrap(const std::string& structName, const std::string& member) {
  ++hostCalls_;
  validator_.Fail("the plug-in called " + structName + "." + member + ", which this host does not implement");
}

void Host::EnterUnimplementedCall(const void* table) {
  ++hostCalls_;
  CheckHeld(suites_.NameOf(table), "an unimplemented function");
}

void Host::RunModalLoop() {
  if (depth_ == 0 || inModalLoop_ || entry_ == nullptr) return;
  inModalLoop_ = true;
  for (int turn = 0; turn < config_.modalTicks; ++turn) timers_->TickRound();
  inModalLoop_ = false;
}

Host::~Host() {
  // Documents and dialogs may still hold host strings; drop them while this host is current.
  documents_.reset();
  os::UnloadModule(module_);
  gCurrent = previous_;
}

Host& Host::Current() {
  if (gCurrent == nullptr) throw std::logic_error("no simulated host is running");
  return *gCurrent;
}

bool Host::HasCurrent() { return gCurrent != nullptr; }

std::string Host::VersionString() const {
  return std::to_string(config_.majorVersion) + "." + std::to_string(config_.minorVersion) + "." +
         std::to_string(config_.revision);
}

SPBasicSuite* Host::basicSuite() { return TheBasicSuite(); }

AIErr EnterLentMember(const LentMember& member) { return Host::Current().EnterMember(member); }

void EnterTrap(const char* structName, const char* member) { Host::Current().EnterTrap(structName, member); }

SPPluginRef Host::pluginRef() const { return reinterpret_cast<SPPluginRef>(&gPluginRecord); }

bool Host::LoadPlugin(const std::string& path, std::string* error) {
  std::string why;
  os::LoadedModule* module = os::LoadModule(path, &why);
  if (module == nullptr) {
    if (error != nullptr) *error = std::string("cannot load plug-in ") + path + ": " + why;
    return false;
  }
  void* entry = os::FindSymbol(module, kPluginEntryName);
  if (entry == nullptr) {
    if (error != nullptr) *error = "plug-in " + path + " has no entry point " + kPluginEntryName;
    os::UnloadModule(module);
    return false;
  }
  os::UnloadModule(module_);
  module_ = module;
  entry_ = reinterpret_cast<SPPluginEntryFunc>(entry);
  modulePath_ = path;
  return true;
}

SPErr Host::Send(const char* caller, const char* selector, SPMessageData* header) {
  if (entry_ == nullptr) return kNotImplementedErr;
  header->SPCheck = kSPValidSPMessageData;
  header->self = pluginRef();
  header->globals = globals_;
  header->basic = TheBasicSuite();
  const bool outermost = depth_ == 0;
  const auto start = std::chrono::steady_clock::now();
  const int heldBefore = suites_.outstanding();
  const int refusedBefore = suites_.refusedReleases();
  ++depth_;
  ++calls_;
  SPErr status = kNoErr;
  const std::string call = std::string("\"") + caller + "\"/\"" + selector + "\"";
  try {
    status = entry_(caller, selector, header);
  } catch (const std::exception& error) {
    validator_.Fail("an exception left PluginMain during " + call + ": " + error.what());
    status = kCantHappenErr;
  } catch (...) {
    validator_.Fail("an exception left PluginMain during " + call);
    status = kCantHappenErr;
  }
  --depth_;
  if (outermost) {
    secondsInPlugin_ += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // A release the host refused leaves the rest held by the plug-in's own rule; only
    // suites kept without such a refusal are the plug-in's fault.
    if (suites_.outstanding() > heldBefore && suites_.refusedReleases() == refusedBefore) {
      std::string names;
      for (const std::string& name : suites_.HeldNames()) names += (names.empty() ? "\"" : ", \"") + name + "\"";
      validator_.Fail("the plug-in still holds suites after " + call + " returned: " + names);
    }
  }
  globals_ = header->globals;
  return status;
}

SPErr Host::Startup() {
  SPInterfaceMessage message{};
  SPErr status = Send(kSPInterfaceCaller, kSPInterfaceStartupSelector, &message.d);
  started_ = true;
  return status;
}

SPErr Host::Shutdown() {
  SPInterfaceMessage message{};
  SPErr status = Send(kSPInterfaceCaller, kSPInterfaceShutdownSelector, &message.d);
  started_ = false;
  return status;
}

SPErr Host::About() {
  SPInterfaceMessage message{};
  return Send(kSPInterfaceCaller, kSPInterfaceAboutSelector, &message.d);
}

// The application may take the code out of memory between Unload and Reload, so
// this host really does: the globals slot is all that survives.
SPErr Host::Unload() {
  SPAccessMessage message{};
  message.when = kRuntime;
  SPErr status = Send(kSPAccessCaller, kSPAccessUnloadSelector, &message.d);
  os::UnloadModule(module_);
  module_ = nullptr;
  entry_ = nullptr;
  return status;
}

SPErr Host::Reload() {
  if (entry_ == nullptr && !modulePath_.empty()) {
    std::string error;
    if (!LoadPlugin(modulePath_, &error)) return kCantHappenErr;
  }
  SPAccessMessage message{};
  message.when = kRuntime;
  return Send(kSPAccessCaller, kSPAccessReloadSelector, &message.d);
}

}  // namespace simhost
