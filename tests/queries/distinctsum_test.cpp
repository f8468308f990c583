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

// Several cases a run, so that the records carry over: counts from negative
// to the capacity (long cases draw from a few values, to keep the model
// cheap), values across 64 bits with repeats, and query indices whose low
// 32 bits lie in the table, high bits anywhere.
TEST(Distinctsum, MatchesLiteralModel) {
  suite::Rng rng(2024);
  const int64_t min64 = INT64_MIN, max64 = INT64_MAX;
  for (int round = 0; round < 60; ++round) {
    int cases = int(rng.range(0, 6));
    std::string in = std::to_string(cases) + "\n";
    for (int c = 0; c < cases; ++c) {
      bool longer = rng.chance(5);
      int64_t n = longer ? rng.pick(0, 30004) : rng.chance(10) ? rng.pick(-2147483647 - 1, -1) : rng.pick(0, 40);
      std::vector<int64_t> pool(longer ? 40 : 1);
      for (int64_t& v : pool) v = rng.pick(min64, max64);
      in += std::to_string(n) + "\n";
      for (int64_t i = 0; i < n; ++i)
        in += std::to_string(longer ? pool[rng.range(0, 39)] : rng.pick(min64, max64)) + " ";
      int64_t q = rng.pick(0, 30);
      in += "\n" + std::to_string(q) + "\n";
      for (int64_t k = 0; k < 2 * q; ++k) {
        uint64_t high = rng.chance(20) ? uint64_t(rng.pick(min64, max64)) << 32 : 0;
        in += std::to_string(int64_t(high + uint64_t(rng.pick(0, 30004)))) + (k % 2 ? "\n" : " ");
      }
    }
    ASSERT_TRUE(suite::MatchesModel("distinctsum", in)) << in.substr(0, 200);
  }
}

}  // namespace
