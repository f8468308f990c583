#include "support/runner.hpp"

namespace {

using suite::Produces;

std::string scenario(const std::vector<long long>& values) {
  std::string s = std::to_string(values.size()) + "\n";
  for (long long x : values) s += std::to_string(x) + " ";
  return s + "\n";
}

TEST(Inversions, CountsStrictPairs) {
  EXPECT_TRUE(Produces("inversions", "0\n3\n3 2 1\n", ""));
  EXPECT_TRUE(Produces("inversions", "3\n" + scenario({}) + scenario({7}) + scenario({3, 2, 1}),
                       "Scenario #1:\n0\nScenario #2:\n0\nScenario #3:\n3\n"));
  EXPECT_TRUE(Produces("inversions", "2\n" + scenario({2, 2, 2}) + scenario({1, 3, 2, 3, 1}),
                       "Scenario #1:\n0\nScenario #2:\n4\n"));
  EXPECT_TRUE(Produces("inversions", "1\n" + scenario({-1, -5, 4294967296LL, -4294967296LL}),
                       "Scenario #1:\n4\n"));
  EXPECT_TRUE(Produces("inversions",
                       "1\n" + scenario({INT64_MAX, INT64_MIN, 0, INT64_MAX, INT64_MIN}),
                       "Scenario #1:\n5\n"));
}

TEST(Inversions, FullLengthDescending) {
  std::vector<long long> down;
  for (int i = 0; i < 1005; ++i) down.push_back(1005 - i);
  EXPECT_TRUE(Produces("inversions", "2\n" + scenario(down) + scenario(down),
                       "Scenario #1:\n504510\nScenario #2:\n504510\n"));
}

TEST(Inversions, OutOfContractInput) {
  EXPECT_TRUE(Produces("inversions", "-3\n1\n5\n", ""));
  // Fewer scenarios than announced: the run ends with the input.
  EXPECT_TRUE(Produces("inversions", "5\n" + scenario({2, 1}), "Scenario #1:\n1\n"));
  // Values missing at the end are 0: 4 and 9 each come before two zeros, and
  // the scenario still to come is not written.
  EXPECT_TRUE(Produces("inversions", "2\n5\n4 -1 9", "Scenario #1:\n5\n"));
  // Longer than the capacity: the natural count.
  std::vector<long long> down;
  for (int i = 0; i < 20000; ++i) down.push_back(-i);
  EXPECT_TRUE(Produces("inversions", "1\n" + scenario(down), "Scenario #1:\n199990000\n"));
  // Read as scanf reads: n beyond 32 bits keeps its low 32 bits (2), a value
  // beyond 64 bits is clamped to the largest, '+' and leading zeros are fine.
  EXPECT_TRUE(Produces("inversions", "2\n4294967298 5 4\n3 -1 -5 99999999999999999999\n",
                       "Scenario #1:\n1\nScenario #2:\n1\n"));
  EXPECT_TRUE(Produces("inversions", "1\n3 +0007 -0 00\n", "Scenario #1:\n2\n"));
}

// Many scenarios per input (the heading number carries over), counts from
// negative to the capacity, values at and next to the 64-bit ends or crowded
// into a few, repeats, and a last scenario whose values stop short.
TEST(Inversions, MatchesModel) {
  suite::Rng rng(4303);
  for (int round = 0; round < 100; ++round) {
    int t = int(rng.range(0, 6));
    std::string in = std::to_string(t) + "\n";
    for (int c = 0; c < t; ++c) {
      long long top = rng.chance(10) ? 1005 : 40;
      long long n = rng.pick(INT64_MIN, top);
      if (int(n) > top) n = rng.range(0, top);  // n is read as its low 32 bits
      long long spread = rng.chance(40) ? 3 : INT64_MAX;
      long long values = std::max(int(n), 0) - (c == t - 1 && rng.chance(20) ? rng.range(0, 3) : 0);
      in += std::to_string(n) + "\n";
      for (long long i = 0; i < values; ++i) in += std::to_string(rng.pick(-spread - 1, spread)) + " ";
      in += "\n";
    }
    ASSERT_TRUE(suite::MatchesModel("inversions", in)) << in.substr(0, 200);
  }
}

}  // namespace
