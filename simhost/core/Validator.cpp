#include "core/Validator.h"

namespace simhost {

void Validator::Fail(const std::string& message) {
  // A plug-in that leaks on every tick would otherwise grow the record without bound.
  const size_t kKept = 1000;
  if (failures_.size() >= kKept) return;
  failures_.push_back(message);
  if (reporter) reporter(message);
}

}  // namespace simhost
