// An oracle for stallgap and stonegap on small positions: the largest gap
// d >= 0 at which greedy keeping from the smallest position keeps k of them
// (the span when k <= 1, -1 when even 0 keeps fewer), by trying every d.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "support/runner.hpp"

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

// A random case: 1 to 14 positions within 80 of a start drawn from
// [-60, low_max], and a count to place from -1 to two more than the positions.
struct Case {
  std::vector<long long> pos;
  long long count;
};
inline Case random_case(suite::Rng& rng, long long low_max) {
  std::vector<long long> pos(rng.range(1, 14));
  long long low = rng.range(-60, low_max), width = rng.range(0, 80);
  for (long long& p : pos) p = low + rng.range(0, width);
  long long count = rng.range(-1, (long long)pos.size() + 2);
  return {pos, count};
}

}  // namespace gaps
