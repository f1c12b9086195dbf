#include "core/NearestNames.h"

#include <algorithm>
#include <cctype>

namespace simhost {
namespace {

// Edit distance in tenths: a letter in the wrong case costs 1, any other edit 10,
// so "ai menu suite" still finds "AI Menu Suite" first.
int Distance(const std::string& a, const std::string& b) {
  std::vector<int> previous(b.size() + 1), current(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) previous[j] = static_cast<int>(j) * 10;
  for (size_t i = 1; i <= a.size(); ++i) {
    current[0] = static_cast<int>(i) * 10;
    for (size_t j = 1; j <= b.size(); ++j) {
      const unsigned char x = static_cast<unsigned char>(a[i - 1]), y = static_cast<unsigned char>(b[j - 1]);
      int change = x == y ? 0 : (std::tolower(x) == std::tolower(y) ? 1 : 10);
      current[j] = std::min({previous[j] + 10, current[j - 1] + 10, previous[j - 1] + change});
    }
    std::swap(previous, current);
  }
  return previous[b.size()];
}

}  // namespace

std::vector<std::string> NearestNames(const std::string& name, const std::vector<std::string>& candidates,
                                      size_t count) {
  std::vector<std::pair<int, size_t>> ranked;
  for (size_t i = 0; i < candidates.size(); ++i) ranked.emplace_back(Distance(name, candidates[i]), i);
  std::stable_sort(ranked.begin(), ranked.end());
  std::vector<std::string> nearest;
  for (size_t i = 0; i < ranked.size() && i < count; ++i) nearest.push_back(candidates[ranked[i].second]);
  return nearest;
}

}  // namespace simhost
