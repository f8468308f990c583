#include <cstdint>
#include <string>
#include <vector>

#include "support/runner.hpp"

namespace {

using suite::Produces;

// One case: its values, then its query pairs.
struct Case {
  std::vector<long long> values;
  std::vector<std::pair<long long, long long>> queries;
};

std::string input_of(const std::vector<Case>& cases) {
  std::string in = std::to_string(cases.size()) + "\n";
  for (const Case& c : cases) {
    in += std::to_string(c.values.size()) + "\n";
    for (long long v : c.values) in += std::to_string(v) + " ";
    in += "\n" + std::to_string(c.queries.size()) + "\n";
    for (auto [l, r] : c.queries) in += std::to_string(l) + " " + std::to_string(r) + "\n";
  }
  return in;
}

TEST(Distinctsum, RepeatsCountOnce) {
  // Sums 1, 1, 3: equal ends give 1, index 0 gives the prefix sum plus 1.
  EXPECT_TRUE(Produces("distinctsum", input_of({{{1, 1, 2}, {{1, 3}, {2, 3}, {2, 2}, {0, 3}, {3, 1}}}}),
                       "3\n3\n1\n4\n-1\n"));
  // Sums 5, 0, 0: a value seen before does not enter again.
  EXPECT_TRUE(Produces("distinctsum", input_of({{{5, -5, 5}, {{0, 1}, {0, 2}, {0, 3}}}}), "6\n1\n1\n"));
}

TEST(Distinctsum, TableOutlivesItsCase) {
  // The second case's 7 is new to it; index 3 still holds the first case's 6;
  // the n = 0 case reads the table as the others left it; q = 0 writes nothing.
  EXPECT_TRUE(Produces("distinctsum",
                       input_of({{{1, 2, 3}, {}}, {{7}, {{0, 1}, {1, 3}}}, {{}, {{0, 3}, {0, 1}}}}),
                       "8\n0\n7\n8\n"));
}

TEST(Distinctsum, WrapsAt64BitsAndTakesLow32BitsOfIndices) {
  const long long max = 9223372036854775807LL;
  // Sums max, then max + 1 wrapped; max - 0 + 1 wraps as well.
  EXPECT_TRUE(Produces("distinctsum", input_of({{{max, 1}, {{0, 1}, {0, 2}, {2, 1}}}}),
                       "-9223372036854775808\n-9223372036854775807\n0\n"));
  // 2^32 is index 0, 2^32 + 2 is index 2.
  EXPECT_TRUE(Produces("distinctsum", input_of({{{4, 9}, {{4294967296LL, 4294967298LL}}}}), "14\n"));
}

TEST(Distinctsum, OutOfRangeInputIsSafe) {
  // Indices no case has written (negative, beyond the table) read 0.
  EXPECT_TRUE(Produces("distinctsum", input_of({{{5}, {{-1, 1}, {1, 30005}, {0, 2147483647}}}}),
                       "6\n-4\n1\n"));
  // A negative n reads no values: the next token is q.
  EXPECT_TRUE(Produces("distinctsum", "1\n-3\n1\n0 0\n", "1\n"));
  // Negative counts handle nothing; input ending mid-pair writes no line.
  EXPECT_TRUE(Produces("distinctsum", "-1\n1\n5\n1\n0 1\n", ""));
  EXPECT_TRUE(Produces("distinctsum", "1\n1\n5\n-2\n0 1\n", ""));
  EXPECT_TRUE(Produces("distinctsum", "2\n1\n5\n3\n0 1\n1 x", "6\n"));
}

TEST(Distinctsum, LongerCaseThanTheTable) {
  Case big;
  for (long long i = 1; i <= 40000; ++i) big.values.push_back(i % 2 ? i : -i);
  big.queries = {{0, 40000}, {39999, 40000}, {30004, 30005}};
  EXPECT_TRUE(Produces("distinctsum", input_of({big}), "-19999\n-39999\n30006\n"));
}

// Values whose products with the table's multiplier (0x9E3779B97F4A7C15)
// are small all hash to one slot: the long probes hand the case over to the
// sort, which must find the same first occurrences.
TEST(Distinctsum, CollidingValuesCountOnce) {
  uint64_t inverse = 0x9E3779B97F4A7C15;  // Newton's iteration for the inverse mod 2^64
  for (int i = 0; i < 6; ++i) inverse *= 2 - 0x9E3779B97F4A7C15 * inverse;
  Case c;
  for (uint64_t i = 1; i <= 300; ++i) c.values.push_back((long long)((i % 97 + 1) * inverse));
  c.queries = {{0, 300}, {0, 97}, {96, 98}, {150, 300}, {5, 5}};
  ASSERT_TRUE(suite::MatchesModel("distinctsum", input_of({c})));
}

TEST(Distinctsum, MatchesLiteralModel) {
  suite::Rng rng(2024);
  // About 350 cases in 100 runs: several cases a run, so the table carries over.
  for (int round = 0; round < 100; ++round) {
    std::vector<Case> cases(rng.range(0, 6));
    for (Case& c : cases) {
      long long spread = rng.chance(20) ? 4000000000000000000LL : rng.range(1, 12);
      c.values.resize(rng.range(0, 25));
      for (long long& v : c.values) v = rng.range(-spread, spread);
      c.queries.resize(rng.range(0, 12));
      for (auto& [l, r] : c.queries) {
        l = rng.range(0, rng.chance(10) ? 30004 : 30);
        r = rng.range(0, 30);
      }
    }
    std::string in = input_of(cases);
    ASSERT_TRUE(suite::MatchesModel("distinctsum", in)) << in;
  }
}

}  // namespace
