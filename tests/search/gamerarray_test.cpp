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

// Against the literal model over the whole contract: counts from below
// -2^63 + 2 through 0 and 1 to the capacity (a negative count with values
// after it reads none of them), values at and next to both 64-bit ends, equal
// values, and sums that wrap.
TEST(Gamerarray, MatchesModel) {
  suite::Rng rng(22);
  for (int round = 0; round < 150; ++round) {
    long long n = round == 0 ? 100005 : rng.pick(INT64_MIN, rng.chance(10) ? 3000 : 40);
    std::string in = std::to_string(n) + "\n";
    long long values = n > 0 && rng.chance(90) ? n : rng.range(0, 3);  // at times cut short
    long long top = rng.chance(30) ? INT64_MAX : rng.chance(50) ? 2000000000 : 100;
    for (long long i = 0; i < values; ++i)
      in += rng.chance(1)   ? "x "
            : rng.chance(1) ? "-99999999999999999999 "
                            : std::to_string(rng.pick(rng.chance(50) ? -top : INT64_MIN, top)) + " ";
    ASSERT_TRUE(suite::MatchesModel("gamerarray", in)) << in.substr(0, 200);
  }
}

}  // namespace
