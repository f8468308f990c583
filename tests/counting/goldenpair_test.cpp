#include <cstdint>
#include <string>

#include "support/runner.hpp"

namespace {

using suite::Produces;

TEST(Goldenpair, SmallPairsInEitherOrder) {
  EXPECT_TRUE(Produces("goldenpair", "0 0\n1 1\n1 2\n3 5\n4 7\n6 10\n8 13\n9 15\n2 1\n5 3\n2 3\n10 15\n-1 -2\n",
                       "0\n1\n0\n0\n0\n0\n0\n0\n0\n0\n1\n1\n1\n"));
  EXPECT_TRUE(Produces("goldenpair", "", ""));
}

TEST(Goldenpair, LargeDifferencesSaturate) {
  // Differences 820265762, 820265763 (truncated to the 32-bit maximum) and
  // above (saturated), each with 2147483647 as the larger value.
  EXPECT_TRUE(Produces("goldenpair",
                       "1327217885 2147483647\n1327217884 2147483647\n1327217883 2147483647\n"
                       "-9000000000000000000 2147483647\n-9000000000000000000 2147483646\n",
                       "1\n0\n0\n0\n1\n"));
}

TEST(Goldenpair, ValuesAreSixtyFourBit) {
  // As 32-bit values both pairs would read as 0 0.
  EXPECT_TRUE(Produces("goldenpair", "4294967296 4294967296\n0 4294967296\n", "1\n1\n"));
  EXPECT_TRUE(Produces("goldenpair", "-9223372036854775808 9223372036854775807\n", "1\n"));
}

TEST(Goldenpair, IncompletePairEndsTheRun) {
  EXPECT_TRUE(Produces("goldenpair", "1 2\n3", "0\n"));
  EXPECT_TRUE(Produces("goldenpair", "1 2\nx 3 5\n", "0\n"));
  EXPECT_TRUE(Produces("goldenpair", "1 2\n3 x 5\n", "0\n"));
  // A number glued to letters is not a number: 3 5x leaves its pair unanswered.
  EXPECT_TRUE(Produces("goldenpair", "1 2\n3 5x\n4 7\n", "0\n"));
}

// The zero pairs are (floor(k phi), floor(k phi) + k); floor(k phi) is found
// exactly as (k + isqrt(5 k^2)) / 2. Their neighbours print 1.
TEST(Goldenpair, ZeroExactlyForTheGoldenPairs) {
  auto isqrt = [](uint64_t v) {
    uint64_t r = 0;
    for (uint64_t bit = uint64_t(1) << 62; bit != 0; bit >>= 2)
      if (v >= r + bit) {
        v -= r + bit;
        r = (r >> 1) + bit;
      } else {
        r >>= 1;
      }
    return r;
  };
  suite::Rng rng(55);
  std::string in, out;
  for (int i = 0; i < 3000; ++i) {
    int64_t k = rng.range(1, 800000000);
    int64_t a = int64_t((uint64_t(k) + isqrt(5 * uint64_t(k) * uint64_t(k))) / 2), b = a + k;
    std::string as = std::to_string(a), bs = std::to_string(b);
    in += bs + " " + as + "\n" + as + " " + std::to_string(b + 1) + "\n" +
          std::to_string(a - 1) + " " + bs + "\n";
    out += "0\n1\n1\n";
  }
  EXPECT_TRUE(Produces("goldenpair", in, out));
}

// Differences where the exact d * phi + d lies within a rounding of an
// integer: the product and the sum each rounded to double decide the side.
// Kept in 80 bits, or rounded twice, they land on the other side.
TEST(Goldenpair, EachProductAndSumRoundedToDouble) {
  EXPECT_TRUE(Produces("goldenpair",
                       "63245986 102334155\n63245985 102334154\n126491972 204668310\n"
                       "126491971 204668309\n340387747 550758944\n340387746 550758943\n",
                       "0\n1\n0\n1\n0\n1\n"));
}

TEST(Goldenpair, AnswersEachPairBeforeTheNextIsSent) {
  suite::Session s("goldenpair");
  s.send("1 2\n");
  EXPECT_EQ(s.receive(2), "0\n");
  // A pair split across two writes, its first number ended by a space.
  s.send("2 ");
  s.send("3\n");
  EXPECT_EQ(s.receive(2), "1\n");
  suite::Outcome r = s.finish();
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.status, 0);
}

}  // namespace
