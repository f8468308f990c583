#include <cstdint>
#include <string>

#include "support/runner.hpp"

namespace {

using suite::Produces;

std::string pair(int64_t m, int64_t n) { return std::to_string(m) + " " + std::to_string(n) + "\n"; }

TEST(Powerdiff, SmallAndReducedInputs) {
  EXPECT_TRUE(Produces("powerdiff", "2 3\n", "6\n"));
  EXPECT_TRUE(Produces("powerdiff", "3 2\n", "3\n"));
  EXPECT_TRUE(Produces("powerdiff", "12345 1\n", "0\n"));
  EXPECT_TRUE(Produces("powerdiff", "0 5\n", "0\n"));
  EXPECT_TRUE(Produces("powerdiff", "100003 5\n", "0\n"));
  EXPECT_TRUE(Produces("powerdiff", "100004 2\n", "1\n"));
  EXPECT_TRUE(Produces("powerdiff", "1000000000000 1000000000000 7\n", "64925\n"));
}

TEST(Powerdiff, NegativeBaseAndWrappingProduct) {
  EXPECT_TRUE(Produces("powerdiff", "-7 2\n", "99996\n"));
  EXPECT_TRUE(Produces("powerdiff", "-100 3\n", "20100\n"));
  // q * m wraps at 64 bits from m = 92231875731034 on.
  EXPECT_TRUE(Produces("powerdiff", "92231875731034 3\n", "87798\n"));
  EXPECT_TRUE(Produces("powerdiff", "9223372036854775807 7\n", "25262\n"));
  // m - 1 wraps as well.
  EXPECT_TRUE(Produces("powerdiff", "-9223372036854775808 2\n", "74556\n"));
  EXPECT_TRUE(Produces("powerdiff", "5 9223372036854775807\n", "16777\n"));
}

TEST(Powerdiff, NoResultWithoutAPositiveExponent) {
  EXPECT_TRUE(Produces("powerdiff", "5 0\n", ""));
  EXPECT_TRUE(Produces("powerdiff", "5 -3\n", ""));
  EXPECT_TRUE(Produces("powerdiff", "5\n", ""));
  EXPECT_TRUE(Produces("powerdiff", "", ""));
}

// For 0 <= m below the wrap the result is the true residue of m^n - m(m-1)^(n-1).
TEST(Powerdiff, AgreesWithExactArithmetic) {
  constexpr int64_t P = 100003;
  auto power = [](int64_t x, int64_t e) {
    int64_t r = 1;
    for (x %= P; e > 0; e >>= 1, x = x * x % P)
      if (e & 1) r = r * x % P;
    return r;
  };
  suite::Rng rng(52);
  for (int i = 0; i < 40; ++i) {
    int64_t m = rng.range(0, rng.chance(50) ? 300000 : 92231875731033);
    int64_t n = rng.range(1, rng.chance(50) ? 50 : INT64_MAX);
    int64_t want = ((power(m, n) - power(m - 1, n - 1) * (m % P) % P) % P + P) % P;
    EXPECT_TRUE(Produces("powerdiff", pair(m, n), std::to_string(want) + "\n")) << m << " " << n;
  }
}

}  // namespace
