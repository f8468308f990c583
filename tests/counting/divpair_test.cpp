#include <cstdint>
#include <string>

#include "support/runner.hpp"

namespace {

using suite::Produces;

std::string line(long long x) { return std::to_string(x) + "\n"; }

TEST(Divpair, FirstHitInRowTwo) {
  EXPECT_TRUE(Produces("divpair", "3\n", "2 3\n"));
  EXPECT_TRUE(Produces("divpair", "4\n", "2 3\n"));
  EXPECT_TRUE(Produces("divpair", "5\n", "2 3\n"));
  EXPECT_TRUE(Produces("divpair", "6\n", "2 4\n"));
  EXPECT_TRUE(Produces("divpair", "7\n", "2 4\n"));
  EXPECT_TRUE(Produces("divpair", "10\n", "2 6\n"));
  EXPECT_TRUE(Produces("divpair", "11\n", "2 6\n"));
  EXPECT_TRUE(Produces("divpair", "1000\n", "2 501\n"));
}

TEST(Divpair, NoPairAtTwoOrLessAndWithoutANumber) {
  for (const char* in : {"1\n", "2\n", "0\n", "-7\n", "-2147483648\n", "", "\n", "x\n"})
    EXPECT_TRUE(Produces("divpair", in, "-1\n")) << in;
}

// The top of the range answers at once; the two values above it, where a
// 32-bit search would wrap, answer with the pair exact arithmetic finds.
TEST(Divpair, TopOfTheRange) {
  EXPECT_TRUE(Produces("divpair", line(2147483645), "2 1073741823\n"));
  EXPECT_TRUE(Produces("divpair", line(2147483646), "2 1073741824\n"));
  EXPECT_TRUE(Produces("divpair", line(2147483647), "2 1073741824\n"));
}

// Every x up to 500 against the literal search (two processes each, so the
// exhaustive part stays short), plus a sample drawn from the 32-bit minimum up to 3000000.
TEST(Divpair, MatchesTheSearch) {
  for (int x = -2; x <= 500; ++x) ASSERT_TRUE(suite::MatchesModel("divpair", line(x))) << x;
  suite::Rng rng(6);
  for (int k = 0; k < 60; ++k) {
    long long x = rng.pick(INT32_MIN, 3000000);
    ASSERT_TRUE(suite::MatchesModel("divpair", line(x))) << x;
  }
}

}  // namespace
