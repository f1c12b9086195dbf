// The simulated host: loads a plug-in binary, lends it the suites, and calls its
// entry point the way the application does. One host is current at a time; the
// suite functions, being plain C function pointers, reach it through Host::Current().
#ifndef KESTRUNE_SIMHOST_HOST_H
#define KESTRUNE_SIMHOST_HOST_H

#include <memory>
#include <set>
#include <string>

#include "AITypes.h"
#include "core/Faults.h"
#include "SPBasic.h"
#include "SPMessages.h"
#include "core/SuiteCatalog.h"
#include "core/SuiteRegistry.h"
#include "core/Validator.h"
#include "os/Module.h"

namespace simhost {

class Actions;
class Documents;
class Menus;
class Notifiers;
class Timers;
class UserInterface;
class Memory;
struct LentMember;

struct HostConfig {
  int majorVersion = 28;
  int minorVersion = 1;
  int revision = 0;
  int language = 0;  // 1 is Japanese: the host's default script is then the Japanese one
  // Whose suite versions the host publishes: the platform the plug-in was built for.
  CatalogPlatform platform = NativeCatalogPlatform();
  // Suites the host answers as never published; each must be one the catalogue lists.
  std::set<std::string> withheldSuites;
  // Turns of the event loop (Timers::TickRound) the application runs while a modal
  // dialog is up or a played event runs, during a call into the plug-in; 0: none.
  int modalTicks = 1;
};

class Host {
 public:
  explicit Host(HostConfig config = HostConfig());
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  // The host whose suites are being called. Only valid while one exists.
  static Host& Current();
  static bool HasCurrent();

  const HostConfig& config() const { return config_; }
  std::string VersionString() const;  // "X.Y.Z"
  Faults& faults() { return faults_; }
  const SuiteCatalog& catalog() const { return catalog_; }
  SuiteRegistry& suites() { return suites_; }
  Validator& validator() { return validator_; }
  Memory& memory() { return *memory_; }
  UserInterface& ui() { return *ui_; }
  Menus& menus() { return *menus_; }
  Timers& timers() { return *timers_; }
  Notifiers& notifiers() { return *notifiers_; }
  Actions& actions() { return *actions_; }
  Documents& documents() { return *documents_; }

  // Loads the plug-in binary and finds its entry point; false with a message on failure.
  bool LoadPlugin(const std::string& path, std::string* error);
  bool pluginLoaded() const { return entry_ != nullptr; }
  os::LoadedModule* module() const { return module_; }
  SPPluginRef pluginRef() const;

  // The lifecycle calls of the application.
  SPErr Startup();
  SPErr Shutdown();
  SPErr About();
  SPErr Unload();
  SPErr Reload();
  bool started() const { return started_; }

  // Calls the plug-in with a message record whose first member is the common header;
  // the header is filled here and the globals slot kept from what the plug-in leaves.
  // An exception out of the plug-in, or suites it still holds when an outermost call
  // returns, are validator failures; the exception's call answers kCantHappenErr.
  SPErr Send(const char* caller, const char* selector, SPMessageData* header);
  void* globalsSlot() const { return globals_; }
  int callDepth() const { return depth_; }
  int callCount() const { return calls_; }
  // Wall time spent inside outermost calls into the plug-in (host work the plug-in
  // asks for during them included), for benchmarks.
  double secondsInPlugin() const { return secondsInPlugin_; }

  SPBasicSuite* basicSuite();

  // The first step of every member the host implements (core/Lending.h): a validator
  // failure when the plug-in calls a member of a suite it does not hold, then for a
  // member that can fail the fault injected at its point, if any.
  AIErr EnterMember(const LentMember& member);
  // A call of a slot the host does not implement: a validator failure naming it.
  void EnterTrap(const std::string& structName, const std::string& member);
  // The first step of a function of a suite lent without an implementation (table is
  // the one lent): the same check, for the suite the table was lent as.
  void EnterUnimplementedCall(const void* table);
  // Host functions called so far, the basic suite's (acquisition, comparison,
  // memory) not counted: a tick that adds none did nothing.
  long long hostCalls() const { return hostCalls_; }

  // What the application's modal loop does while a dialog is up or an event plays
  // during a call into the plug-in: config().modalTicks turns of timer ticks. The
  // ticks' own dialogs and events run no further turns, so a plug-in that shows an
  // alert on every tick cannot recurse without end.
  void RunModalLoop();

 private:
  void DeclareFaultPoints();
  void CheckHeld(const std::string& suite, const std::string& what);

  HostConfig config_;
  Faults faults_;
  SuiteCatalog catalog_;
  SuiteRegistry suites_;
  Validator validator_;
  std::unique_ptr<Memory> memory_;
  std::unique_ptr<UserInterface> ui_;
  std::unique_ptr<Menus> menus_;
  std::unique_ptr<Timers> timers_;
  std::unique_ptr<Notifiers> notifiers_;
  std::unique_ptr<Actions> actions_;
  std::unique_ptr<Documents> documents_;
  os::LoadedModule* module_ = nullptr;
  std::string modulePath_;
  SPPluginEntryFunc entry_ = nullptr;
  void* globals_ = nullptr;
  bool started_ = false;
  bool inModalLoop_ = false;
  int depth_ = 0;
  int calls_ = 0;
  long long hostCalls_ = 0;
  double secondsInPlugin_ = 0;
  Host* previous_ = nullptr;
};

}  // namespace simhost

#endif
