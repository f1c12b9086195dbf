// The sample documents: a folder whose files between them reach every outcome of
// Kestrune's save command except "no name", and the files a bulk update refuses,
// fails on or skips. Used by `make-samples`, tests and demonstrations.
#ifndef KESTRUNE_SIMHOST_SAMPLES_H
#define KESTRUNE_SIMHOST_SAMPLES_H

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace simhost {

// Fonts the samples use: one a Debian machine has (fonts-dejavu-core) and names
// no computer has. Tests that do not ask fontconfig mark them themselves.
extern const char* const kSampleInstalledFonts[2];
extern const char* const kSampleMissingFonts[2];

struct Sample {
  enum class Form { Document, Damaged, Plain };
  std::string path;  // relative to the sample folder, "/" separated, UTF-8
  Form form = Form::Document;
  nlohmann::json model;  // Document and Damaged: the model written
  std::string text;      // Plain: the file's bytes
  std::string purpose;   // what the file is there for
};

// The set for a host of this version: the updated copy already present is named
// for it.
std::vector<Sample> SampleSet(const std::string& hostVersion);

// Writes the set into folder (made if missing). Nothing is written when any of the
// files exists already; then false and a message naming it.
bool WriteSamples(const std::string& folder, const std::string& hostVersion, std::vector<std::string>* written,
                  std::string* error);

}  // namespace simhost

#endif
