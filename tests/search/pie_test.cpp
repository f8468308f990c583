#include <cmath>
#include <cstdio>
#include <string>

#include "support/runner.hpp"

namespace {

using suite::Produces;

std::string fixed4(double v) {
  char buf[400];
  snprintf(buf, sizeof buf, "%.4f\n", v);
  return buf;
}

TEST(Pie, SlicesPerCase) {
  EXPECT_TRUE(Produces("pie", "0\n1 1\n1\n", ""));
  // One input, one line per case in order; the large circles of the first
  // case do not reach the second.
  EXPECT_TRUE(Produces("pie",
                       "8\n3 3\n4 3 3\n1 0\n1\n1 1\n1\n1 3\n2\n2 1\n1 1\n3 5\n1 2 3\n2 5\n0 0\n1 1\n-1\n",
                       "25.1327\n3.1416\n1.5708\n3.1416\n3.1416\n6.2832\n0.0000\n1.5708\n"));
  EXPECT_TRUE(Produces("pie", "2\n2 0\n5 5\n1 0\n1\n", "78.5398\n3.1416\n"));
  // A negative F needs no slice: the largest area is written.
  EXPECT_TRUE(Produces("pie", "1\n2 -7\n1 2\n", "12.5664\n"));
}

TEST(Pie, WrappedNeedLargeCountsOddAreas) {
  // F + 1 wraps to INT_MIN: every candidate passes.
  EXPECT_TRUE(Produces("pie", "1\n1 2147483647\n10000\n", "314159265.3590\n"));
  // 2^31 - 1 slices from two circles of area about 3.14e8: the counts of
  // smaller candidates pass the 32-bit range.
  EXPECT_TRUE(Produces("pie", "1\n2 2147483646\n10000 10000\n", "0.2926\n"));
  // nan gives area 0; an infinite area is written as it stands.
  EXPECT_TRUE(Produces("pie", "3\n1 1\nnan\n2 0\nnan 1\n2 1\n1 inf\n", "0.0000\n3.1416\ninf\n"));
}

// Answers of 2^30 and more, where the bounds end as neighbouring doubles:
// the search still ends, with hi just above the boundary.
TEST(Pie, HugeAnswersEnd) {
  double a = (100000.0 * 100000.0) * 3.141592653589793;
  EXPECT_TRUE(Produces("pie", "1\n1 1\n100000\n", fixed4(std::nextafter(a / 2, INFINITY))));
  // Near the largest double lo + hi overflows; one slice keeps hi at the area.
  double b = (7e153 * 7e153) * 3.141592653589793;
  EXPECT_TRUE(Produces("pie", "1\n1 0\n7e153\n", fixed4(b)));
  EXPECT_TRUE(Produces("pie", "1\n1 1\n7e153\n", fixed4(std::nextafter(b / 2, INFINITY))));
}

TEST(Pie, OutOfRangeCounts) {
  // No circles: 0.0000, and the next case is read as usual.
  EXPECT_TRUE(Produces("pie", "3\n0 5\n-4 1\n1 1\n1\n", "0.0000\n0.0000\n1.5708\n"));
  // More circles than the capacity: the largest comes last.
  std::string in = "1\n10010 0\n";
  for (int i = 0; i < 10009; ++i) in += "1 ";
  EXPECT_TRUE(Produces("pie", in + "2\n", "12.5664\n"));
}

TEST(Pie, InputEndingEarly) {
  // Missing radii are area 0; a case without both N and F ends the run.
  EXPECT_TRUE(Produces("pie", "3\n2 1\n1", "1.5708\n"));
  EXPECT_TRUE(Produces("pie", "5\n1 0\n2\n7", "12.5664\n"));
  EXPECT_TRUE(Produces("pie", "2\n2 1\n1 x 1 0\n1\n", "1.5708\n"));
  // A negative T runs the cases present.
  EXPECT_TRUE(Produces("pie", "-1\n1 0\n1\n1 0\n2\n", "3.1416\n12.5664\n"));
  EXPECT_TRUE(Produces("pie", "", ""));
}

// Radii in every form of a floating-point number; a token that is not a
// number ends the input: a radius ends its case (the missing areas are 0),
// a count ends the run.
TEST(Pie, RadiiForms) {
  EXPECT_TRUE(Produces("pie", "5\n1 0\n0x1p1\n1 0\n1e1\n1 0\nINF\n1 0\n-0X.8P2\n1 0\n+3\n",
                       "12.5664\n314.1593\ninf\n12.5664\n28.2743\n"));
  EXPECT_TRUE(Produces("pie", "3\n2 0\n2 1.5e\n1 0\n2\n", "12.5664\n"));
  EXPECT_TRUE(Produces("pie", "3\n1 0\n1\n1x 0\n2\n", "3.1416\n"));
}

// Against the literal model over the whole contract: many cases per input
// (a large case before small ones), counts N from negative to the capacity,
// F from the 32-bit minimum up to 2^29 and at its maximum, equal radii,
// zero, negative and tiny ones, in several decimal and hexadecimal forms.
TEST(Pie, MatchesLiteralModel) {
  suite::Rng rng(26);
  for (int round = 0; round < 60; ++round) {
    int cases = int(rng.range(1, 8));
    std::string in = std::to_string(cases) + "\n";
    for (int c = 0; c < cases; ++c) {
      long long n = c == 0 && round % 4 == 0 ? 10005 : rng.pick(-3, rng.chance(20) ? 3000 : 30);
      long long f = rng.chance(5) ? INT32_MAX : rng.pick(INT32_MIN, rng.chance(30) ? 1 << 29 : 1000);
      in += std::to_string(n) + " " + std::to_string(f) + "\n";
      double top = rng.chance(50) ? 18000 : 3;  // areas below 2^30
      for (long long i = 0; i < n; ++i) {
        double r = rng.chance(20) ? double(rng.pick(-3, 3)) : (double(rng.range(-1000000, 1000000)) / 1000000) * top;
        if (rng.chance(2)) r = 1e-200;
        char buf[40];
        snprintf(buf, sizeof buf, rng.chance(10) ? "%a " : rng.chance(50) ? "%.17g " : "%.3f ", r);
        in += buf;
      }
      in += "\n";
    }
    ASSERT_TRUE(suite::MatchesModel("pie", in)) << in.substr(0, 200);
  }
}

}  // namespace
