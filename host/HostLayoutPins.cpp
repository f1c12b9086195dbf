// Holds every declaration of this folder to the host's layout (HostLayout.h) at
// compile time: a member moved, dropped or added by mistake, or a record field that
// shifts, fails the build of every deliverable instead of calling the wrong function
// of the real host.
#include <cstddef>
#include <cstring>

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
#include "IAIAutoBuffer.h"
#include "SPAccess.h"
#include "SPBasic.h"
#include "SPBlocks.h"
#include "SPMessages.h"

namespace {

#define KSR_PIN_SLOT(Suite, Member, Slot)                          \
  static_assert(offsetof(Suite, Member) == (Slot) * sizeof(void*), \
                #Suite "::" #Member " is not at slot " #Slot " of the host's table");
KSR_HOST_SLOTS(KSR_PIN_SLOT)
#undef KSR_PIN_SLOT

#define KSR_PIN_FIELD(Record, Field, Header, Offset) \
  static_assert(offsetof(Record, Field) == (Offset), #Record "::" #Field " is not at offset " #Offset);
KSR_HOST_RECORD_FIELDS(KSR_PIN_FIELD)
#undef KSR_PIN_FIELD

#define KSR_PIN_SIZE(Record, Header, Size) static_assert(sizeof(Record) == (Size), #Record " is not " #Size " bytes");
KSR_HOST_RECORD_SIZES(KSR_PIN_SIZE)
#undef KSR_PIN_SIZE

static_assert(offsetof(ai::AutoBuffer<char>, fCapacity) == 0 && offsetof(ai::AutoBuffer<char>, fBuffer) == 8,
              "the host fills a buffer's capacity, then its block");
static_assert(sizeof(AIBool8) == 1 && sizeof(ATE::ATEBool8) == 1, "the newer members answer in one byte");
static_assert(sizeof(AIFaceScript) == 4, "the default script is a 4-byte enumeration");

// Every slot of a suite is declared once and in order: the table's rows for a suite
// number its members from 0 up, and their count times a pointer is the suite's size.
struct SlotRow {
  const char* suite;
  int slot;
  size_t suiteSize;
};
#define KSR_SLOT_ROW(Suite, Member, Slot) {#Suite, Slot, sizeof(Suite)},
constexpr SlotRow kSlotRows[] = {KSR_HOST_SLOTS(KSR_SLOT_ROW)};
#undef KSR_SLOT_ROW

constexpr bool SameName(const char* a, const char* b) {
  while (*a != 0 && *a == *b) ++a, ++b;
  return *a == *b;
}

constexpr bool EverySlotOnceInOrder() {
  const size_t rows = sizeof(kSlotRows) / sizeof(kSlotRows[0]);
  for (size_t i = 0; i < rows; ++i) {
    const bool first = i == 0 || !SameName(kSlotRows[i - 1].suite, kSlotRows[i].suite);
    if (first ? kSlotRows[i].slot != 0 : kSlotRows[i].slot != kSlotRows[i - 1].slot + 1) return false;
    const bool last = i + 1 == rows || !SameName(kSlotRows[i + 1].suite, kSlotRows[i].suite);
    if (last && kSlotRows[i].suiteSize != static_cast<size_t>(kSlotRows[i].slot + 1) * sizeof(void*)) return false;
  }
  return true;
}
static_assert(EverySlotOnceInOrder(), "a suite declares a member its row list lacks, or lists a slot twice");

}  // namespace
