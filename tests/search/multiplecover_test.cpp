#include <algorithm>
#include <string>

#include "support/runner.hpp"

namespace {

using suite::Produces;

std::string line(long long v) { return std::to_string(v) + "\n"; }

// Independent of the program's three counts: up to h, h / 6 numbers are
// multiples of both, and each count must be met by its own multiples plus a
// share of those.
bool fits(long long h, long long n, long long m) {
  long long both = h / 6, twos = h / 2 - both, threes = h / 3 - both;
  return std::max(0LL, n - twos) + std::max(0LL, m - threes) <= both;
}

long long smallest_top(long long n, long long m) {
  long long lo = 1, hi = 3000001;  // hi: "none fits"
  while (lo < hi) {
    long long mid = (lo + hi) / 2;
    if (mid <= 3000000 && fits(mid, n, m)) hi = mid; else lo = mid + 1;
  }
  return lo;
}

TEST(Multiplecover, SmallestTop) {
  EXPECT_TRUE(Produces("multiplecover", "3 2\n", "8\n"));
  EXPECT_TRUE(Produces("multiplecover", "1 1\n", "3\n"));
  EXPECT_TRUE(Produces("multiplecover", "5 0\n", "10\n"));
  EXPECT_TRUE(Produces("multiplecover", "0 0\n", "1\n"));
  EXPECT_TRUE(Produces("multiplecover", "1000000 1000000\n", "3000000\n"));
  EXPECT_TRUE(Produces("multiplecover", "1000001 1000000\n", "3000001\n"));
  EXPECT_TRUE(Produces("multiplecover", "-4 2\n", "6\n"));
  EXPECT_TRUE(Produces("multiplecover", "-7 -9\n", "1\n"));
}

TEST(Multiplecover, AgreesWithDirectCount) {
  suite::Rng rng(28);
  for (int round = 0; round < 120; ++round) {
    long long top = rng.chance(50) ? 1100000 : 40;
    long long n = rng.range(0, top), m = rng.range(0, top);
    ASSERT_TRUE(Produces("multiplecover", std::to_string(n) + " " + std::to_string(m) + "\n",
                         line(smallest_top(n, m))))
        << n << " " << m;
  }
}

TEST(Multiplecover, ThirtyTwoBitCounts) {
  // n + m wraps to 2147483647, which no candidate reaches.
  EXPECT_TRUE(Produces("multiplecover", "-2147483648 -1\n", "3000001\n"));
  EXPECT_TRUE(Produces("multiplecover", "5 -2147483648\n", "10\n"));
  // Beyond the 32-bit range >> gives the limit and fails, leaving m at 0.
  EXPECT_TRUE(Produces("multiplecover", "2147483648 0\n", "3000001\n"));
  EXPECT_TRUE(Produces("multiplecover", "-2147483649 5\n", "1\n"));
  // Missing or non-numeric counts are 0.
  EXPECT_TRUE(Produces("multiplecover", "5", "10\n"));
  EXPECT_TRUE(Produces("multiplecover", "x 5\n", "1\n"));
  EXPECT_TRUE(Produces("multiplecover", "", "1\n"));
}

}  // namespace
