// Application-wide suites: runtime (version, language), plug-in access, the main
// window, real math, and the tables of suites the host publishes but a plug-in of
// ours never calls.
#ifndef KESTRUNE_SIMHOST_APPLICATION_H
#define KESTRUNE_SIMHOST_APPLICATION_H

namespace simhost {

class SuiteRegistry;

void PublishApplicationSuites(SuiteRegistry& registry);
// Every suite of the host's catalogue that no module implements gets a table whose
// functions all answer kNotImplementedErr.
void PublishHeldSuites(SuiteRegistry& registry);

}  // namespace simhost

#endif
