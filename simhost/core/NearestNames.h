// Suggestions for a mistyped name: the known names closest to it.
#ifndef KESTRUNE_SIMHOST_NEARESTNAMES_H
#define KESTRUNE_SIMHOST_NEARESTNAMES_H

#include <string>
#include <vector>

namespace simhost {

// Up to count names of candidates, nearest first by edit distance (letter case
// counting as a small difference), ties in the candidates' order.
std::vector<std::string> NearestNames(const std::string& name, const std::vector<std::string>& candidates,
                                      size_t count = 3);

}  // namespace simhost

#endif
