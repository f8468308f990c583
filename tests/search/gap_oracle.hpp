// Inputs for stallgap and stonegap, which share a format: a count, a number
// of items to place or keep, then the positions.
#pragma once

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "support/runner.hpp"

namespace gaps {

inline std::string input_of(const std::vector<long long>& pos, long long k) {
  std::string in = std::to_string(pos.size()) + " " + std::to_string(k) + "\n";
  for (long long p : pos) in += std::to_string(p) + " ";
  return in + "\n";
}

// A random input for a model test with the count n (given bits above 32 at
// times where `count32`: "%d" keeps the low 32), a number to place from
// either 64-bit end to a little past n, and positions from a narrow window
// anywhere in the 64-bit range or from all of it, with repeats (short ones
// for large n); at times fewer positions than n, or a number beyond 64 bits.
inline std::string random_input(suite::Rng& rng, long long n, bool count32) {
  long long k = rng.chance(15) ? rng.pick(LLONG_MIN, LLONG_MAX) : rng.pick(-1, n + 2);
  long long high = count32 && rng.chance(10) ? rng.range(-2, 2) << 32 : 0;
  std::string in = std::to_string(n + high) + " " + std::to_string(k) + "\n";
  long long lo = rng.pick(LLONG_MIN, LLONG_MAX), hi = LLONG_MAX;
  if (n > 10000) lo = 0, hi = 999;
  else if (rng.chance(60)) lo = std::min(lo, LLONG_MAX - 100), hi = lo + rng.range(0, 100);
  else if (rng.chance(50)) lo = LLONG_MIN;
  long long values = n > 0 && rng.chance(90) ? n : rng.range(0, 3);
  for (long long i = 0; i < values; ++i)
    in += rng.chance(1) ? "-99999999999999999999 " : std::to_string(rng.pick(lo, hi)) + " ";
  return in;
}

}  // namespace gaps
