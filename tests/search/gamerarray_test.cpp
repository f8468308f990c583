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

TEST(Gamerarray, SmallInstances) {
  EXPECT_TRUE(Produces("gamerarray", input_of({3, 2, 2}), "4\n"));
  EXPECT_TRUE(Produces("gamerarray", input_of({2, 2, 2, 2}), "3\n"));
  EXPECT_TRUE(Produces("gamerarray", input_of({0}), "0\n"));
  EXPECT_TRUE(Produces("gamerarray", input_of({1}), "1000000001\n"));
  EXPECT_TRUE(Produces("gamerarray", input_of({}), "1000000001\n"));
  EXPECT_TRUE(Produces("gamerarray", "-1\n5 5\n", "1000000001\n"));
  // Negative values raise the sum; the lower bound stays at 0.
  EXPECT_TRUE(Produces("gamerarray", input_of({-5, -5}), "0\n"));
  EXPECT_TRUE(Produces("gamerarray", input_of({-5, 3}), "3\n"));
}

TEST(Gamerarray, LargestValueAboveTheInterval) {
  EXPECT_TRUE(Produces("gamerarray", input_of({2000000000, 1}), "2000000000\n"));
  EXPECT_TRUE(Produces("gamerarray", input_of({1000000001}), "1000000001\n"));
  EXPECT_TRUE(Produces("gamerarray", input_of({1, 9223372036854775807}), "9223372036854775807\n"));
  // 1e9 itself is still searched: two values 1e9 need x = 2e9, beyond the interval.
  EXPECT_TRUE(Produces("gamerarray", input_of({1000000000, 1000000000}), "1000000001\n"));
}

TEST(Gamerarray, SumsWrapAt64Bits) {
  // x - (-2^63) wraps to a negative shortfall; with two such values the
  // wraps cancel and the sum is 2x.
  EXPECT_TRUE(Produces("gamerarray", input_of({-9223372036854775807 - 1}), "1000000001\n"));
  EXPECT_TRUE(Produces("gamerarray", input_of({-9223372036854775807 - 1, -9223372036854775807 - 1}), "0\n"));
}

TEST(Gamerarray, BeyondCapacityAndEndingEarly) {
  // 100,010 values of 1 and one of 0: the shortfall n*x - (n-1) reaches x at x = 1.
  std::vector<long long> many(100010, 1);
  many.push_back(0);
  EXPECT_TRUE(Produces("gamerarray", input_of(many), "1\n"));
  many.assign(100010, 5);  // n*x - 5n >= x first at x = 6 (5n / (n-1) rounded up)
  EXPECT_TRUE(Produces("gamerarray", input_of(many), "6\n"));
  // The unread values count as 0.
  EXPECT_TRUE(Produces("gamerarray", "5\n3", "3\n"));
  EXPECT_TRUE(Produces("gamerarray", "4\n1 x 9\n", "1\n"));
  EXPECT_TRUE(Produces("gamerarray", "1000000000\n5 0 0 0 0 0 0 0 0 0", "5\n"));
}

}  // namespace
