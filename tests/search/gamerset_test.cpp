#include <string>
#include <vector>

#include "support/runner.hpp"

namespace {

using suite::Produces;

std::string input_of(const std::vector<long long>& values) {
  std::string in = std::to_string(values.size()) + "\n";
  for (long long v : values) in += std::to_string(v) + " ";
  return in + "\n";
}

TEST(Gamerset, SmallInstances) {
  EXPECT_TRUE(Produces("gamerset", input_of({2, 2, 2, 2}), "3\n"));  // duplicates counted once each
  EXPECT_TRUE(Produces("gamerset", input_of({4, 1, 1, 1, 1}), "4\n"));
  EXPECT_TRUE(Produces("gamerset", input_of({1, 1, 1, 1, 1}), "2\n"));
  EXPECT_TRUE(Produces("gamerset", input_of({0}), "0\n"));
  EXPECT_TRUE(Produces("gamerset", input_of({7}), "1000000001\n"));
  EXPECT_TRUE(Produces("gamerset", input_of({0, 0}), "0\n"));
  EXPECT_TRUE(Produces("gamerset", input_of({0, 0, 9}), "9\n"));
  EXPECT_TRUE(Produces("gamerset", input_of({}), "1000000001\n"));
  EXPECT_TRUE(Produces("gamerset", "-3\n1 2 3\n", "1000000001\n"));
  // Only n values are read.
  EXPECT_TRUE(Produces("gamerset", "2\n0 0 9999999\n", "0\n"));
  // The answer just inside and just past the top of the interval.
  EXPECT_TRUE(Produces("gamerset", input_of({9999999, 9999999, 9999999, 9999999, 9999999, 9999999, 9999999,
                                             9999999, 9999999, 9999999, 9999999, 9999999, 9999999}),
                       "10833333\n"));
  EXPECT_TRUE(Produces("gamerset", input_of({9999999, 9999999}), "19999998\n"));
}

// Values outside 0 .. 9,999,999 join the sums like the others.
TEST(Gamerset, ValuesOutsideTheCounters) {
  EXPECT_TRUE(Produces("gamerset", input_of({-5, -5}), "0\n"));
  EXPECT_TRUE(Produces("gamerset", input_of({2000000000, 1}), "2000000000\n"));
  EXPECT_TRUE(Produces("gamerset", input_of({10000000, 10000000, 10000000}), "15000000\n"));
  // x - v wraps: the shortfall of x against the smallest 64-bit value is negative.
  EXPECT_TRUE(Produces("gamerset", input_of({-9223372036854775807 - 1}), "1000000001\n"));
}

TEST(Gamerset, InputEndingEarly) {
  // The unread values count as 0.
  EXPECT_TRUE(Produces("gamerset", "5\n3", "3\n"));
  EXPECT_TRUE(Produces("gamerset", "4\n1 x 9\n", "1\n"));
  EXPECT_TRUE(Produces("gamerset", "3\n5 99999999999999999999 7\n", "5\n"));
  EXPECT_TRUE(Produces("gamerset", "x\n", "1000000001\n"));
  // A count far beyond the input ends at once.
  EXPECT_TRUE(Produces("gamerset", "1000000000\n5 0 0 0 0 0 0 0 0 0", "5\n"));
}

// The two programs must print the same line for every input they both take;
// values run past the counters' range and to the 64-bit limits, so the
// sums wrap, and one input holds more values than gamerarray's capacity.
TEST(Gamerset, SameLineAsGamerarray) {
  suite::Rng rng(23);
  for (int round = 0; round < 120; ++round) {
    int n = round == 0 ? 150000 : int(rng.range(0, round % 10 == 0 ? 20000 : 12));
    int kind = int(rng.range(0, 4));
    std::vector<long long> values(n);
    for (long long& v : values) {
      switch (kind) {
        case 0: v = rng.range(0, 9); break;
        case 1: v = rng.range(0, 9999999); break;
        case 2: v = rng.range(9999990, 10000009); break;
        case 3: v = rng.range(-1000, 3000000000LL); break;
        default: v = (long long)rng.bits(); break;
      }
    }
    std::string in = input_of(values);
    suite::Outcome want = suite::run_program("gamerarray", in);
    ASSERT_EQ(want.status, 0);
    ASSERT_TRUE(Produces("gamerset", in, want.out)) << in.substr(0, 200);
  }
}

}  // namespace
