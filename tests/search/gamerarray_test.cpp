#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "support/runner.hpp"

namespace {

using suite::Produces;

TEST(Gamerarray, SignedValues) {
  for (auto [in, want] : {
           std::pair{"3\n3 2 2\n", "4\n"}, {"1\n0\n", "0\n"}, {"1\n1\n", "1000000001\n"}, {"0\n", "1000000001\n"},
           {"2\n-5 -5\n", "0\n"},  // negative values raise the sum; the lower bound stays 0
           {"2\n-5 3\n", "3\n"},
           {"2\n2000000000 1\n", "2000000000\n"},  // above the interval: no bisection
           {"2\n1 9223372036854775807\n", "9223372036854775807\n"},
           {"2\n1000000000 1000000000\n", "1000000001\n"},
           // x - (-2^63) wraps to a negative shortfall; two such wraps cancel.
           {"1\n-9223372036854775808\n", "1000000001\n"},
           {"2\n-9223372036854775808 -9223372036854775808\n", "0\n"}})
    EXPECT_TRUE(Produces("gamerarray", in, want)) << in;
}

TEST(Gamerarray, BeyondTheCapacity) {
  // 100,010 values v = 100007: x (n - 1) >= n v first at x = v + 1. Keeping
  // only 100,005 of them would give v (with n kept) or v + 2 (with n cut).
  std::string in = "100010\n";
  for (int i = 0; i < 100010; ++i) in += "100007 ";
  EXPECT_TRUE(Produces("gamerarray", in, "100008\n"));
}

// Values of every size, wrapping sums included, against the bisection done
// literally: every check sums x - v over all values in 64-bit wrapping
// arithmetic.
TEST(Gamerarray, MatchesLiteralBisection) {
  suite::Rng rng(22);
  for (int round = 0; round < 60; ++round) {
    std::vector<long long> values(rng.range(0, 40));
    for (long long& v : values)
      v = rng.chance(20) ? rng.range(INT64_MIN, INT64_MAX) : rng.range(-5, rng.chance(50) ? 2000000000 : 100);
    long long lo = 0, hi = 1000000000;
    std::string in = std::to_string(values.size()) + "\n";
    for (long long v : values) lo = std::max(lo, v), in += std::to_string(v) + " ";
    while (lo <= hi) {
      long long mid = (lo + hi) >> 1;
      unsigned long long sum = 0;
      for (long long v : values) sum += (unsigned long long)mid - (unsigned long long)v;
      if ((long long)sum >= mid) hi = mid - 1;
      else lo = mid + 1;
    }
    ASSERT_TRUE(Produces("gamerarray", in, std::to_string(lo) + "\n")) << in;
  }
}

}  // namespace
