// The host's documents: open documents, the current one, their layers and art.
#ifndef KESTRUNE_SIMHOST_DOCUMENTS_H
#define KESTRUNE_SIMHOST_DOCUMENTS_H

namespace simhost {

class SuiteRegistry;

class Documents {
 public:
  Documents() = default;
};

void PublishDocumentSuites(SuiteRegistry& registry);

}  // namespace simhost

#endif
