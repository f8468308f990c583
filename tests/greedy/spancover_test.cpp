#include <algorithm>

#include "support/runner.hpp"

namespace {

using suite::Produces;

TEST(Spancover, CountHasNoNewlineButMinusOneHas) {
  EXPECT_TRUE(Produces("spancover", "0 0\n", "0"));
  EXPECT_TRUE(Produces("spancover", "2 -5\n1 3\n4 6\n", "0"));
  EXPECT_TRUE(Produces("spancover", "0 1\n", "-1\n"));
  EXPECT_TRUE(Produces("spancover", "2 6\n1 3\n4 6\n", "2"));
  EXPECT_TRUE(Produces("spancover", "2 6\n1 3\n5 6\n", "-1\n"));
  EXPECT_TRUE(Produces("spancover", "2 6\n2 3\n3 6\n", "-1\n"));
}

TEST(Spancover, GreedyTakesTheFurthestReach) {
  EXPECT_TRUE(Produces("spancover", "3 10\n1 3\n2 5\n1 10\n", "1"));
  EXPECT_TRUE(Produces("spancover", "2 50\n3 100\n1 4\n", "2"));
  // Starts at or below 0 count as starting before position 1.
  EXPECT_TRUE(Produces("spancover", "2 8\n-7 2\n0 4\n", "-1\n"));
  EXPECT_TRUE(Produces("spancover", "2 8\n-7 2\n3 8\n", "2"));
  // Duplicates and contained intervals do not raise the count.
  EXPECT_TRUE(Produces("spancover", "6 9\n1 5\n1 5\n2 4\n6 9\n7 8\n6 9\n", "2"));
  // An interval read end first reaches as far as its end alone.
  EXPECT_TRUE(Produces("spancover", "2 6\n1 3\n6 2\n", "-1\n"));
  EXPECT_TRUE(Produces("spancover", "2 6\n1 3\n4 2\n", "-1\n"));
  EXPECT_TRUE(Produces("spancover", "3 6\n1 3\n4 2\n2 6\n", "2"));
  // A chain of one-position steps.
  std::string chain = "1000 1000\n";
  for (int i = 1000; i >= 1; --i) chain += std::to_string(i) + " " + std::to_string(i) + "\n";
  EXPECT_TRUE(Produces("spancover", chain, "1000"));
}

TEST(Spancover, EndAtTheLargestPosition) {
  EXPECT_TRUE(Produces("spancover", "1 2147483647\n1 2147483647\n", "1"));
  EXPECT_TRUE(Produces("spancover", "2 2147483647\n-2147483648 5\n6 2147483647\n", "2"));
  EXPECT_TRUE(Produces("spancover", "2 2147483647\n1 5\n6 2147483646\n", "-1\n"));
}

// Counts from negative to the capacity; T and the intervals at scales from
// 40 to the 32-bit range, spread so that covers of many steps and gaps both
// occur; starts at or below 0, intervals read end first, numbers at the
// 32-bit ends, and ties (repeated starts, repeated intervals).
TEST(Spancover, MatchesModel) {
  suite::Rng rng(4101);
  for (int round = 0; round < 150; ++round) {
    long long top = round == 0 ? 25005 : rng.chance(10) ? 25005 : 60;
    long long n = round == 0 ? top : rng.chance(30) ? rng.pick(INT32_MIN, top) : rng.range(1, top);
    long long t = rng.chance(15) ? rng.pick(INT32_MIN, INT32_MAX) : rng.range(1, rng.chance(30) ? INT32_MAX : 3000);
    long long step = std::max(t, 1LL) / std::max(n, 1LL) * rng.range(2, 8) + 1, start = 1, end = 1;
    std::string in = std::to_string(n) + " " + std::to_string(t) + "\n";
    for (long long i = 0; i < std::max<long long>(n, rng.range(0, 2)); ++i) {
      if (!rng.chance(10)) start = rng.chance(10) ? rng.pick(INT32_MIN, INT32_MAX) : rng.range(1 - step, std::max(t, 1LL));
      if (!rng.chance(10)) end = rng.chance(10) ? rng.pick(INT32_MIN, INT32_MAX) : std::min<long long>(INT32_MAX, start + rng.range(0, step));
      in += std::to_string(start) + " " + std::to_string(end) + "\n";
    }
    ASSERT_TRUE(suite::MatchesModel("spancover", in)) << in.substr(0, 200);
  }
}

TEST(Spancover, OutOfContractInput) {
  // 40,000 intervals of two positions each, given in reverse.
  std::string many = "40000 80000\n";
  for (int i = 40000; i >= 1; --i) many += std::to_string(2 * i - 1) + " " + std::to_string(2 * i) + "\n";
  EXPECT_TRUE(Produces("spancover", many, "40000"));
  // Input ending early: the missing intervals cover nothing.
  EXPECT_TRUE(Produces("spancover", "5 4\n1 2\n3", "-1\n"));
  EXPECT_TRUE(Produces("spancover", "5 4\n1 2\n3 4", "2"));
  EXPECT_TRUE(Produces("spancover", "2147483647 3\n1 3\n", "1"));
  // Numbers keep the low 32 bits of their value saturated at 64 bits: T is
  // 5 and the start 1, then an end of -1, then a T of -1 (not 5, as a wrap
  // would give); a T that is not a number stays 0.
  EXPECT_TRUE(Produces("spancover", "1 4294967301\n-4294967295 5\n", "1"));
  EXPECT_TRUE(Produces("spancover", "2 5\n1 3\n4 " + std::string(40, '1') + "\n", "-1\n"));
  EXPECT_TRUE(Produces("spancover", "1 18446744073709551621\n1 9\n", "0"));
  EXPECT_TRUE(Produces("spancover", "2 +-5\n1 5\n", "0"));
}

}  // namespace
