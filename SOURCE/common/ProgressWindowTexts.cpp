#include "platform/ProgressWindowTexts.h"

#include "common/Texts.h"

namespace platform {

const char* ProgressWindowTitle() { return Text(TextId::kProgressTitle); }

const char* ProgressWindowAbortLabel() { return Text(TextId::kProgressAbort); }

}  // namespace platform
