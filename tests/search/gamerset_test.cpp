#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "support/runner.hpp"

namespace {

using suite::Produces;

TEST(Gamerset, SmallInstances) {
  // Duplicates count through their counters; the answer is never below the
  // largest value; only n values are read; 2 * 9999999 is still in the interval.
  for (auto [in, want] : {std::pair{"4\n2 2 2 2\n", "3\n"}, {"5\n4 1 1 1 1\n", "4\n"}, {"5\n1 1 1 1 1\n", "2\n"},
                          {"1\n0\n", "0\n"}, {"1\n7\n", "1000000001\n"}, {"2\n0 0 9999999\n", "0\n"},
                          {"0\n", "1000000001\n"}, {"-3\n1 2 3\n", "1000000001\n"},
                          {"2\n9999999 9999999\n", "19999998\n"}})
    EXPECT_TRUE(Produces("gamerset", in, want)) << in;
}

// Unread values count as 0, in both programs, and a number beyond 64 bits
// counts at its bound; a huge count ends at once.
TEST(Gamerset, InputEndingEarly) {
  for (const char* name : {"gamerset", "gamerarray"})
    for (auto [in, want] : {std::pair{"5\n3", "3\n"}, {"4\n1 x 9\n", "1\n"}, {"x\n", "1000000001\n"},
                            {"3\n5 99999999999999999999 7\n", "9223372036854775807\n"}, {"1000000000\n5 0 0", "5\n"}})
      EXPECT_TRUE(Produces(name, in, want)) << name << " " << in;
}

// A token longer than any read block (100,000 leading zeros) is one value;
// a count of 2^31 or more keeps 32-bit counters: 2^32 unread values wrap the
// counter of 0 back to 0, leaving the one value 5 (x - 5 >= x never holds);
// one more leaves that counter at 1.
TEST(Gamerset, LongTokensAndWrappingCounters) {
  EXPECT_TRUE(Produces("gamerset", "2\n" + std::string(100000, '0') + "7 +7\n", "14\n"));
  EXPECT_TRUE(Produces("gamerset", "4294967297\n5", "1000000001\n"));
  EXPECT_TRUE(Produces("gamerset", "4294967298\n5", "5\n"));
}

// The two programs must print the same line for every input they both take.
// Values also run past the counters' range and to the 64-bit limits, where
// the sums wrap, and the first input holds more than gamerarray's capacity.
TEST(Gamerset, SameLineAsGamerarray) {
  suite::Rng rng(23);
  for (int round = 0; round < 120; ++round) {
    int n = round == 0 ? 150000 : int(rng.range(0, round % 10 == 0 ? 20000 : 12));
    int kind = int(rng.range(0, 4));
    std::string in = std::to_string(n) + "\n";
    for (int i = 0; i < n; ++i) {
      long long v = kind == 0   ? rng.range(0, 9)
                    : kind == 1 ? rng.range(0, 9999999)
                    : kind == 2 ? rng.range(9999990, 10000009)
                    : kind == 3 ? rng.range(-1000, 3000000000LL)
                                : (long long)rng.bits();
      in += std::to_string(v) + " ";
    }
    suite::Outcome want = suite::run_program("gamerarray", in);
    ASSERT_EQ(want.status, 0);
    ASSERT_TRUE(Produces("gamerset", in, want.out)) << in.substr(0, 200);
  }
}

// Against the literal model: counts from the 64-bit minimum through 0 and 1
// to 200,000, values at both ends of their range and repeated, and at times
// a token that is not a number, which counts as 0 with every later value.
TEST(Gamerset, MatchesModel) {
  suite::Rng rng(29);
  for (int round = 0; round < 60; ++round) {
    long long n = round == 0 ? 200000 : rng.pick(INT64_MIN, rng.chance(10) ? 5000 : 15);
    // Nearly equal values put the answer above the largest one, where it
    // depends on every value.
    long long low = rng.chance(50) ? 0 : rng.pick(0, 9999999), high = std::min(9999999LL, low + (rng.chance(50) ? 3 : 9999999));
    std::string in = std::to_string(n) + "\n";
    long long values = n > 0 ? n : rng.range(0, 3), cut = rng.chance(20) ? rng.range(0, values) : -1;
    for (long long i = 0; i < values; ++i) in += i == cut ? "x " : std::to_string(rng.pick(low, high)) + " ";
    ASSERT_TRUE(suite::MatchesModel("gamerset", in)) << in.substr(0, 200);
  }
}

}  // namespace
