// An oracle for stallgap and stonegap on small instances: the largest gap d
// at which greedy placement from the smallest position keeps k positions,
// found by trying every d of the span downwards.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace gaps {

// Kept positions at minimum gap d (d >= 0), walking up from the smallest.
inline long long kept_at(const std::vector<long long>& sorted, long long d) {
  long long kept = 1, last = sorted[0];
  for (size_t i = 1; i < sorted.size(); ++i)
    if (sorted[i] - last >= d) ++kept, last = sorted[i];
  return kept;
}

// The largest d >= 0 at which k positions are kept; -1 when even 0 keeps
// fewer; the span when k <= 1 (every d keeps them). Positions must be small.
inline long long best_gap(std::vector<long long> pos, long long k) {
  std::sort(pos.begin(), pos.end());
  for (long long d = pos.back() - pos.front(); d >= 0; --d)
    if (kept_at(pos, d) >= k) return d;
  return -1;
}

inline std::string input_of(const std::vector<long long>& pos, long long k) {
  std::string in = std::to_string(pos.size()) + " " + std::to_string(k) + "\n";
  for (long long p : pos) in += std::to_string(p) + " ";
  return in + "\n";
}

}  // namespace gaps
