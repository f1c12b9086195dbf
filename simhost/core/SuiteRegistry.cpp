#include "core/SuiteRegistry.h"

#include "core/Faults.h"

namespace simhost {

void SuiteRegistry::Publish(const std::string& name, ai::int32 version, const void* table) {
  tables_[{name, version}] = table;
}

SPErr SuiteRegistry::Acquire(const char* name, ai::int32 version, const void** suite) {
  ++acquireCalls_;
  if (name == nullptr || suite == nullptr) return kBadParameterErr;
  if (AIErr err = faults_.Check(std::string("acquire:") + name)) return err;
  auto it = tables_.find({name, version});
  if (it == tables_.end() || withheld_.count(name) != 0) return kSPSuiteNotFoundError;
  *suite = it->second;
  ++held_[name];
  return kSPNoError;
}

SPErr SuiteRegistry::Release(const char* name, ai::int32 version) {
  ++releaseCalls_;
  if (name == nullptr) return kBadParameterErr;
  if (AIErr err = faults_.Check(std::string("release:") + name)) return err;
  if (tables_.find({name, version}) == tables_.end() || withheld_.count(name) != 0) return kSPSuiteNotFoundError;
  auto it = held_.find(name);
  if (it == held_.end() || it->second == 0) return kBadParameterErr;
  --it->second;
  return kSPNoError;
}

int SuiteRegistry::outstanding() const {
  int total = 0;
  for (const auto& entry : held_) total += entry.second;
  return total;
}

int SuiteRegistry::outstanding(const std::string& name) const {
  auto it = held_.find(name);
  return it == held_.end() ? 0 : it->second;
}

bool SuiteRegistry::IsPublished(const std::string& name, ai::int32 version) const {
  return tables_.count({name, version}) != 0 && withheld_.count(name) == 0;
}

}  // namespace simhost
