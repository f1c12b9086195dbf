// How the host lends a suite: its table in the host's own layout (host/HostLayout.h)
// with every slot filled, and the members it implements, each declared once beside
// the table with what it gives back. From that one declaration come every member's
// entry checks (the suite held, then an injected failure for a member that can fail),
// the fault points the host declares and the --fail refusals, and the traps that
// answer the slots it leaves unimplemented.
//
//   registry.Publish(Lend<AIMenuSuite>(kAIMenuSuite, kAIMenuSuiteVersion,
//                                      Fails<&AIMenuSuite::AddMenuItem, AddMenuItem>(), ...));
#ifndef KESTRUNE_SIMHOST_LENDING_H
#define KESTRUNE_SIMHOST_LENDING_H

#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "AITypes.h"
#include "ATETypes.h"

namespace simhost {

// What a member gives back, which decides whether it can be made to fail.
enum class Reports {
  kStatus,   // an error status, failed at its own point "Struct.Member"
  kRouted,   // an error status, failed at points named per call (acquire:, release:, play:)
  kNothing,  // nothing: the real host's member cannot fail
  kValue,    // its answer: the real host's member cannot fail either
};

struct LentSuite;

struct LentMember {
  const LentSuite* suite;
  std::string point;  // "AIMenuSuite.AddMenuItem", "TextRangeSuite.GetSize"
  Reports reports;
  const char* routedTo;  // for kRouted: the points its failures take, e.g. "play:EVENT"
};

struct LentSuite {
  std::string name;  // as published: "AI Menu Suite"
  ai::int32 version = 0;
  std::string structName;  // without its namespace: "AIMenuSuite", "TextRangeSuite"
  // Handed to the plug-in with every message (the basic suite): its members need no holding.
  bool carried = false;
  const void* table = nullptr;
  std::vector<std::unique_ptr<LentMember>> members;  // in slot order of declaration
};

// Where a suite's declaration meets the host's layout (core/Traps.cpp, from HostLayout.h).
template <typename Suite>
struct SuiteLayout {
  static const char* StructName();
  // The member at slot; nullptr past the suite's last slot.
  static const char* MemberAt(int slot);
  // Makes every slot a trap: a call records a validator failure naming the member.
  static void FillTraps(Suite& table);
};

// The entry check of every implemented member: the held check, then the fault
// check for a member with a fault point; the status to fail with, or kNoErr.
AIErr EnterLentMember(const LentMember& member);
// A call of a slot the host does not implement (a validator failure).
void EnterTrap(const char* structName, const char* member);

// The text engine reports its own codes; an injected host code that is none of them
// reads as its catch-all, an internal error.
inline ATE::ATEErr TextEngineStatus(AIErr err) {
  if (err == kNoErr) return ATE::kNoError;
  return err > 0 && err <= ATE::kMissingHyphenationDictionary ? static_cast<ATE::ATEErr>(err) : ATE::kInternalError;
}

namespace lending {

template <typename Result>
Result FailedWith(AIErr err) {
  if constexpr (std::is_same_v<Result, ATE::ATEErr>) {
    return TextEngineStatus(err);
  } else {
    return err;
  }
}

// Calls Impl with the slot's own parameter list, after the entry checks.
template <auto Member, auto Impl, Reports kReports, typename Pointer = decltype(Member)>
struct Thunk;

template <auto Member, auto Impl, Reports kReports, typename Suite, typename Result, typename... Args>
struct Thunk<Member, Impl, kReports, Result (*Suite::*)(Args...)> {
  static_assert(std::is_invocable_r_v<Result, decltype(Impl), Args...>,
                "the implementation does not take the member's parameters or give its result");
  static constexpr bool kFails = kReports == Reports::kStatus || kReports == Reports::kRouted;
  static_assert(!kFails || std::is_same_v<Result, ai::int32> || std::is_same_v<Result, ATE::ATEErr>,
                "only a member that returns an error status can fail");
  static_assert(kReports != Reports::kValue || !std::is_same_v<Result, ATE::ATEErr>,
                "a member that returns an ATEErr returns a status");

  static inline const LentMember* member = nullptr;

  static Result Call(Args... args) {
    if constexpr (kReports == Reports::kStatus) {
      if (AIErr err = EnterLentMember(*member)) return FailedWith<Result>(err);
    } else {
      EnterLentMember(*member);
    }
    return Impl(std::forward<Args>(args)...);
  }
};

template <typename Pointer>
struct MemberOf;
template <typename Suite, typename Result, typename... Args>
struct MemberOf<Result (*Suite::*)(Args...)> {
  using SuiteType = Suite;
  using ResultType = Result;
};

template <auto Member, auto Impl, Reports kReports>
struct Declaration {
  using Suite = typename MemberOf<decltype(Member)>::SuiteType;
  static constexpr auto kMember = Member;
  static constexpr Reports reports = kReports;
  using Entry = Thunk<Member, Impl, kReports>;
  const char* routedTo = nullptr;
};

template <typename Suite>
struct Lent {
  static inline Suite table{};
  static inline LentSuite suite;
};

template <typename Suite, typename Decl>
void Implement(Suite& table, LentSuite& suite, const Decl& decl) {
  static_assert(std::is_same_v<typename Decl::Suite, Suite>, "a member of another suite");
  const int slot = static_cast<int>(
      (reinterpret_cast<const char*>(&(table.*Decl::kMember)) - reinterpret_cast<const char*>(&table)) /
      static_cast<std::ptrdiff_t>(sizeof(void*)));
  const std::string point = suite.structName + "." + SuiteLayout<Suite>::MemberAt(slot);
  for (const auto& done : suite.members)
    if (done->point == point) throw std::logic_error("the host declares " + point + " twice");
  suite.members.push_back(std::make_unique<LentMember>(LentMember{&suite, point, Decl::reports, decl.routedTo}));
  Decl::Entry::member = suite.members.back().get();
  table.*Decl::kMember = &Decl::Entry::Call;
}

}  // namespace lending

// A member that returns an error status: it can be made to fail at "Struct.Member".
template <auto Member, auto Impl>
struct Fails : lending::Declaration<Member, Impl, Reports::kStatus> {};

// A member that returns an error status whose failures are injected at points named
// per call (pointsHelp, e.g. "play:EVENT"); the body checks them itself.
template <auto Member, auto Impl>
struct Routed : lending::Declaration<Member, Impl, Reports::kRouted> {
  explicit Routed(const char* pointsHelp) { this->routedTo = pointsHelp; }
};

// A member that returns nothing or a value, as in the real host: it cannot fail.
template <auto Member, auto Impl>
struct Answers
    : lending::Declaration<Member, Impl,
                           std::is_void_v<typename lending::MemberOf<decltype(Member)>::ResultType> ? Reports::kNothing
                                                                                                    : Reports::kValue> {
};

// The suite's table, made once per process: every slot a trap, then the declared
// members. A later call gives back the same suite.
template <typename Suite, typename... Decls>
const LentSuite& Lend(const char* name, ai::int32 version, const Decls&... decls) {
  LentSuite& suite = lending::Lent<Suite>::suite;
  if (suite.table != nullptr) return suite;
  Suite& table = lending::Lent<Suite>::table;
  SuiteLayout<Suite>::FillTraps(table);
  suite.name = name;
  suite.version = version;
  suite.structName = SuiteLayout<Suite>::StructName();
  (lending::Implement(table, suite, decls), ...);
  suite.table = &table;
  return suite;
}

// The basic suite: lent as the others, and carried by every message besides.
template <typename Suite, typename... Decls>
const LentSuite& LendCarried(const char* name, ai::int32 version, const Decls&... decls) {
  lending::Lent<Suite>::suite.carried = true;
  return Lend<Suite>(name, version, decls...);
}

}  // namespace simhost

#endif
