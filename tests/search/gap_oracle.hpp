// An oracle for stallgap and stonegap on small positions: the largest gap
// d >= 0 at which greedy keeping from the smallest position keeps k of them
// (the span when k <= 1, -1 when even 0 keeps fewer), by trying every d.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace gaps {

inline long long best_gap(std::vector<long long> pos, long long k) {
  std::sort(pos.begin(), pos.end());
  for (long long d = pos.back() - pos.front(); d >= 0; --d) {
    long long kept = 1, last = pos[0];
    for (size_t i = 1; i < pos.size(); ++i)
      if (pos[i] - last >= d) ++kept, last = pos[i];
    if (kept >= k) return d;
  }
  return -1;
}

inline std::string input_of(const std::vector<long long>& pos, long long k) {
  std::string in = std::to_string(pos.size()) + " " + std::to_string(k) + "\n";
  for (long long p : pos) in += std::to_string(p) + " ";
  return in + "\n";
}

}  // namespace gaps
