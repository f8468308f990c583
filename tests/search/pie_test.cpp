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

// Radii in every form "%lf" takes, and tokens it takes only in part: the
// characters it took are gone and the next case reads on after them.
TEST(Pie, RadiiAsScanfTakesThem) {
  EXPECT_TRUE(Produces("pie",
                       "11\n1 0\n0x1p1\n1 0\n1e1\n1 0\nINF\n"
                       "2 0\ninfinitx 1 0\n3\n"     // the word and the x are gone: no radius
                       "1 0\n-0X.8P2\n"
                       "2 0\n-. 1 0\n2\n"           // "-." converts nothing
                       "2 0\nnax1 0\n1\n1 0\n1.5e\n",  // "1.5e" reads as 1.5
                       "12.5664\n314.1593\ninf\n0.0000\n28.2743\n12.5664\n0.0000\n12.5664\n0.0000\n3.1416\n7.0686\n"));
}

TEST(Pie, MatchesLiteralModel) {
  suite::Rng rng(26);
  for (int round = 0; round < 40; ++round) {
    int cases = int(rng.range(1, 6));
    std::string in = std::to_string(cases) + "\n";
    for (int c = 0; c < cases; ++c) {
      bool close = rng.chance(15);  // areas that differ in their last bits only
      int n = close ? int(rng.range(256, 600)) : rng.chance(10) ? 10005 : int(rng.range(1, 40));
      long long top = rng.chance(50) ? 10000000 : 3000;  // radii to 10000.000 or 3.000
      in += std::to_string(n) + " " + std::to_string(rng.range(0, rng.chance(50) ? 100000 : 30)) + "\n";
      for (int i = 0; close && i < n; ++i) in += "1.00000000000000" + std::to_string(rng.range(0, 9)) + " ";
      for (int i = 0; !close && i < n; ++i) {
        long long r = rng.range(rng.chance(10) ? -top : 0, top);
        char buf[40];
        snprintf(buf, sizeof buf, "%s%lld.%03lld ", r < 0 ? "-" : "", std::llabs(r) / 1000, std::llabs(r) % 1000);
        in += buf;
      }
      in += "\n";
    }
    ASSERT_TRUE(suite::MatchesModel("pie", in)) << in.substr(0, 200);
  }
}

}  // namespace
