// What the host refuses as the plug-in's fault, the way a plug-in validator does:
// an exception out of the entry point, a call into a suite the plug-in does not
// hold, a suite left held when a call returns. Each failure is recorded and told
// to the reporter as it happens; the run goes on so the whole picture is seen.
#ifndef KESTRUNE_SIMHOST_VALIDATOR_H
#define KESTRUNE_SIMHOST_VALIDATOR_H

#include <functional>
#include <string>
#include <vector>

namespace simhost {

class Validator {
 public:
  // Records one failure, one line of text, and tells the reporter.
  void Fail(const std::string& message);
  const std::vector<std::string>& failures() const { return failures_; }
  bool failed() const { return !failures_.empty(); }

  std::function<void(const std::string&)> reporter;

 private:
  std::vector<std::string> failures_;
};

}  // namespace simhost

#endif
