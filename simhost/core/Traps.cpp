// The host's layout, read from host/HostLayout.h: each suite's struct name, the member
// at each slot, and a trap of the slot's own signature for every slot, so a plug-in
// calling a member this host does not implement is told by name, not sent elsewhere.
#include <cstring>
#include <type_traits>

#include "AIActionManager.h"
#include "AIArt.h"
#include "AICloudDocument.h"
#include "AIContext.h"
#include "AIDocument.h"
#include "AIDocumentList.h"
#include "AIDocumentView.h"
#include "AIFilePath.h"
#include "AIFont.h"
#include "AILayer.h"
#include "AIMenu.h"
#include "AINotifier.h"
#include "AIRealMath.h"
#include "AIRuntime.h"
#include "AITextFrame.h"
#include "AITimer.h"
#include "AIUnicodeString.h"
#include "AIUser.h"
#include "ATESuites.h"
#include "HostLayout.h"
#include "SPAccess.h"
#include "SPBasic.h"
#include "SPBlocks.h"
#include "core/Lending.h"

namespace simhost {
namespace {

template <typename Suite>
struct FullName;
#define KSR_FULL_NAME(Suite, Header)             \
  template <>                                    \
  struct FullName<Suite> {                       \
    static constexpr const char* value = #Suite; \
  };
KSR_HOST_SUITES(KSR_FULL_NAME)
#undef KSR_FULL_NAME

struct SlotRow {
  const char* suite;
  const char* member;
  int slot;
};
#define KSR_SLOT_ROW(Suite, Member, Slot) {#Suite, #Member, Slot},
const SlotRow kSlotRows[] = {KSR_HOST_SLOTS(KSR_SLOT_ROW)};
#undef KSR_SLOT_ROW

// What an unimplemented slot gives back: nonzero where the slot returns a status, an
// empty value otherwise.
template <typename Result>
Result Unanswered() {
  if constexpr (std::is_void_v<Result>) {
    return;
  } else if constexpr (std::is_same_v<Result, ATE::ATEErr>) {
    return ATE::kInternalError;
  } else if constexpr (std::is_same_v<Result, ai::int32>) {
    return kNotImplementedErr;
  } else {
    return Result{};
  }
}

template <typename T, typename = void>
struct IsComplete : std::false_type {};
template <typename T>
struct IsComplete<T, std::void_t<decltype(sizeof(T))>> : std::true_type {};

// A parameter the trap can be declared with: a record taken by value must be complete.
template <typename T>
constexpr bool kDeclarable = !std::is_class_v<T> || IsComplete<T>::value;

template <typename Suite, int Slot, typename Pointer>
struct Trap;

template <typename Suite, int Slot, typename Result, typename... Args>
struct Trap<Suite, Slot, Result (*)(Args...)> {
  static Result Call(Args...) {
    EnterTrap(SuiteLayout<Suite>::StructName(), SuiteLayout<Suite>::MemberAt(Slot));
    return Unanswered<Result>();
  }
  // Members that take a record this host leaves incomplete (host/AITypes.h) by value
  // get a trap that ignores its arguments, which the calling conventions allow.
  static Result CallIgnoringArguments() {
    EnterTrap(SuiteLayout<Suite>::StructName(), SuiteLayout<Suite>::MemberAt(Slot));
    return Unanswered<Result>();
  }
  static Result (*Entry())(Args...) {
    if constexpr ((kDeclarable<Args> && ...)) {
      return &Call;
    } else {
      // Through void (*)(), the pointer type that stands for any function.
      return reinterpret_cast<Result (*)(Args...)>(reinterpret_cast<void (*)()>(&CallIgnoringArguments));
    }
  }
};

}  // namespace

template <typename Suite>
const char* SuiteLayout<Suite>::StructName() {
  const char* name = FullName<Suite>::value;
  const char* scope = std::strrchr(name, ':');
  return scope == nullptr ? name : scope + 1;
}

template <typename Suite>
const char* SuiteLayout<Suite>::MemberAt(int slot) {
  for (const SlotRow& row : kSlotRows)
    if (row.slot == slot && std::strcmp(row.suite, FullName<Suite>::value) == 0) return row.member;
  return nullptr;
}

template <typename Suite>
void SuiteLayout<Suite>::FillTraps(Suite& table) {
#define KSR_TRAP_SLOT(LaidOut, Member, Slot) \
  if constexpr (std::is_same_v<Suite, LaidOut>) table.Member = Trap<LaidOut, Slot, decltype(LaidOut::Member)>::Entry();
  KSR_HOST_SLOTS(KSR_TRAP_SLOT)
#undef KSR_TRAP_SLOT
}

#define KSR_INSTANTIATE(Suite, Header) template struct SuiteLayout<Suite>;
KSR_HOST_SUITES(KSR_INSTANTIATE)
#undef KSR_INSTANTIATE

}  // namespace simhost
