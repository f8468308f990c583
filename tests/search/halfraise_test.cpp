#include <string>
#include <vector>

#include "support/runner.hpp"

namespace {

using suite::Produces;

std::string input_of(long long n, long long k, const std::vector<long long>& values) {
  std::string in = std::to_string(n) + " " + std::to_string(k) + "\n";
  for (long long v : values) in += std::to_string(v) + " ";
  return in + "\n";
}

TEST(Halfraise, BudgetOverTheUpperHalf) {
  EXPECT_TRUE(Produces("halfraise", input_of(3, 2, {1, 5, 3}), "5\n"));
  EXPECT_TRUE(Produces("halfraise", input_of(1, 10, {5}), "15\n"));
  EXPECT_TRUE(Produces("halfraise", input_of(5, 0, {1, 2, 3, 4, 5}), "3\n"));
  // Even n: the upper middle (index 2) starts the interval.
  EXPECT_TRUE(Produces("halfraise", input_of(4, 1, {1, 2, 3, 4}), "4\n"));
  EXPECT_TRUE(Produces("halfraise", input_of(3, 3, {7, 7, 7}), "8\n"));
  EXPECT_TRUE(Produces("halfraise", input_of(3, 1000000000000000000, {1, 1, 1}), "100000000000000\n"));
  EXPECT_TRUE(Produces("halfraise", input_of(1, -1, {5}), "4\n"));
  // A middle value above the top of the interval: the search never runs.
  EXPECT_TRUE(Produces("halfraise", input_of(1, 5, {200000000000000}), "100000000000000\n"));
  // The 100 above x lowers the running sum only after it has passed k, so it
  // never pays for raising the 0 beyond 5.
  EXPECT_TRUE(Produces("halfraise", input_of(4, 5, {100, 0, 0, 0}), "5\n"));
}

TEST(Halfraise, NoValues) {
  EXPECT_TRUE(Produces("halfraise", "0 0\n", "100000000000000\n"));
  EXPECT_TRUE(Produces("halfraise", "0 -3\n", "-1\n"));
  EXPECT_TRUE(Produces("halfraise", "-5 4\n1 2 3\n", "100000000000000\n"));
  EXPECT_TRUE(Produces("halfraise", "-9223372036854775808 -1\n", "-1\n"));
  EXPECT_TRUE(Produces("halfraise", "", "100000000000000\n"));
}

// Values at the ends of the 64-bit range: the verdicts are those of the exact
// costs, where a plain 64-bit running sum or midpoint would wrap.
TEST(Halfraise, ExtremeValues) {
  const long long kMin = -9223372036854775807LL - 1, kMax = 9223372036854775807LL;
  // The two elements above x = 0 would wrap a running sum to 2, above k.
  EXPECT_TRUE(Produces("halfraise", input_of(5, 0, {0, 0, 0, kMax, kMax}), "0\n"));
  // Raising the least value to 0 costs 2^63, one more than k.
  EXPECT_TRUE(Produces("halfraise", input_of(1, kMax, {kMin}), "-1\n"));
  // k = 0 keeps the answer at the middle value; lo + hi would leave the range.
  EXPECT_TRUE(Produces("halfraise", input_of(1, 0, {kMin}), "-9223372036854775808\n"));
  EXPECT_TRUE(Produces("halfraise", input_of(3, 0, {kMin, kMin, kMax}), "-9223372036854775808\n"));
  // The middle value minus 1 wraps.
  EXPECT_TRUE(Produces("halfraise", input_of(1, -1, {kMin}), "9223372036854775807\n"));
  // At the first midpoints the cost passes 2^64 and, taken modulo 2^64,
  // would fall within k.
  EXPECT_TRUE(Produces("halfraise",
                       input_of(9, kMax, {kMin, kMin, kMin, kMin, kMin + 1, kMin + 1001, kMin + 1001,
                                          kMin + 1001, kMin + 1001}),
                       "-7378697629483819846\n"));
}

TEST(Halfraise, InputEndingEarly) {
  // Missing values are 0 and join the sort: 0 0 5, then 0 5 6.
  EXPECT_TRUE(Produces("halfraise", "3 0\n5\n", "0\n"));
  EXPECT_TRUE(Produces("halfraise", "3 0\n5 6", "5\n"));
  EXPECT_TRUE(Produces("halfraise", "2 4\n3 x 7\n", "7\n"));
  // Beyond the capacity n becomes the number of values read: 2 and 4, so 4
  // is the middle value and k = 1 raises it to 5.
  EXPECT_TRUE(Produces("halfraise", "4000000000 1\n2 4\n", "5\n"));
}

TEST(Halfraise, BeyondTheCapacity) {
  // 0 .. 200009 in descending order: the middle value is 100005 and raising
  // it and 100006 to 100007 costs 2 + 1.
  std::vector<long long> values;
  for (long long v = 200009; v >= 0; --v) values.push_back(v);
  EXPECT_TRUE(Produces("halfraise", input_of(values.size(), 3, values), "100007\n"));
}

// Against the literal model over the whole contract: counts from the 64-bit
// minimum through 0 and 1 to the capacity, inputs that end early, values and
// budgets at and next to both 64-bit ends, values just above the minimum
// (costs beyond 2^64), equal values, and upper halves of about 64 and 128.
TEST(Halfraise, MatchesLiteralModel) {
  suite::Rng rng(25);
  for (int round = 0; round < 160; ++round) {
    int mode = int(rng.range(0, 9));  // the values' range: all 64 bits, 10^12, 100, or just above the minimum (8, 9)
    long long n = round < 1    ? 200005
                  : round < 10 ? rng.range(126, 260)
                  : mode >= 8  ? rng.range(2, 60)
                               : rng.pick(INT64_MIN, rng.chance(10) ? 3000 : 40);
    long long top = mode < 3 ? INT64_MAX : mode < 5 ? 1000000000000 : 100;
    long long k = mode >= 8       ? rng.pick(0, INT64_MAX)
                  : rng.chance(40) ? rng.pick(INT64_MIN, INT64_MAX)
                                   : rng.pick(-2, top == INT64_MAX ? top : top * 4 * (n > 0 ? n : 1));
    std::string in = std::to_string(n) + " " + std::to_string(k) + "\n";
    long long values = n > 0 ? n - (rng.chance(10) ? rng.range(0, n) : 0) : rng.range(0, 3);
    for (long long i = 0; i < values; ++i)
      in += std::to_string(mode >= 8 ? INT64_MIN + rng.pick(0, 2000) : rng.pick(rng.chance(50) ? -top : INT64_MIN, top)) + " ";
    ASSERT_TRUE(suite::MatchesModel("halfraise", in)) << in.substr(0, 200);
  }
}

}  // namespace
