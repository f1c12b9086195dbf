#include "core/Faults.h"

#include <stdexcept>

namespace simhost {

void Faults::Inject(const std::string& point, AIErr status, int nth, bool persistent) {
  if (!Knows(point)) {
    const std::string why = WhyUnfailing(point);
    throw std::invalid_argument(why.empty() ? "no fault point \"" + point + "\"" : why);
  }
  rules_[point] = Rule{status, nth < 1 ? 1 : nth, persistent};
}

std::string Faults::WhyUnfailing(const std::string& point) const {
  auto it = unfailing_.find(point);
  return it == unfailing_.end() ? std::string() : it->second;
}

void Faults::Clear() { rules_.clear(); }

AIErr Faults::Check(const std::string& point) {
  ++calls_[point];
  auto it = rules_.find(point);
  if (it == rules_.end()) return kNoErr;
  Rule& rule = it->second;
  if (rule.countdown > 1) {
    --rule.countdown;
    return kNoErr;
  }
  AIErr status = rule.status;
  if (!rule.persistent) rules_.erase(it);
  return status;
}

int Faults::Calls(const std::string& point) const {
  auto it = calls_.find(point);
  return it == calls_.end() ? 0 : it->second;
}

}  // namespace simhost
