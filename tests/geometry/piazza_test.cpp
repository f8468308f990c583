#include <array>

#include "support/runner.hpp"

namespace {

using suite::Produces;

// The input for ring r, d and the given circles (x, y, c triples).
std::string ring(int r, int d, const std::vector<std::array<int, 3>>& circles) {
  std::string in = std::to_string(r) + " " + std::to_string(d) + "\n" + std::to_string(circles.size()) + "\n";
  for (const auto& c : circles)
    in += std::to_string(c[0]) + " " + std::to_string(c[1]) + " " + std::to_string(c[2]) + "\n";
  return in;
}

TEST(Piazza, BoundsCountAsInside) {
  EXPECT_TRUE(Produces("piazza", "10 4\n0\n", "0\n"));
  EXPECT_TRUE(Produces("piazza", ring(10, 4, {{0, 8, 2}}), "1\n"));
  EXPECT_TRUE(Produces("piazza", ring(10, 4, {{3, 4, 1}}), "0\n"));
  EXPECT_TRUE(Produces("piazza", ring(10, 4, {{6, 8, 0}}), "1\n"));
  EXPECT_TRUE(Produces("piazza", ring(10, 4, {{0, 9, 2}, {0, -7, 2}, {-8, 0, 1}}), "1\n"));
  // A negative radius is used as read.
  EXPECT_TRUE(Produces("piazza", ring(10, 10, {{0, 5, -1}}), "1\n"));
}

TEST(Piazza, DistanceIsSinglePrecision) {
  // 4096^2 + 1 rounds to 4096^2 in float: the distance is exactly 4096.
  EXPECT_TRUE(Produces("piazza", ring(4100, 10, {{4096, 1, 4}}), "1\n"));
  EXPECT_TRUE(Produces("piazza", ring(4100, 10, {{1, -4096, 4}, {4096, 2, 4}}), "1\n"));
  // A sum that wraps negative has no distance (NaN): never inside.
  EXPECT_TRUE(Produces("piazza", ring(2147483647, -2147483647, {{46341, 0, 0}}), "0\n"));
}

TEST(Piazza, ComparisonsAreInDouble) {
  // c + dist = 16777217 exceeds r = 16777216 in double, not in float.
  EXPECT_TRUE(Produces("piazza", ring(16777216, 40000000, {{0, 0, 16777217}}), "0\n"));
  EXPECT_TRUE(Produces("piazza", ring(16777217, 40000000, {{0, 0, 16777217}}), "1\n"));
  // dist - c = 16777219 is below r - d = 16777220; float rounds both to 16777220.
  EXPECT_TRUE(Produces("piazza", ring(0, -16777220, {{0, 0, -16777219}}), "0\n"));
  EXPECT_TRUE(Produces("piazza", ring(0, -16777219, {{0, 0, -16777219}}), "1\n"));
}

TEST(Piazza, ShortListCountsWhatWasRead) {
  EXPECT_TRUE(Produces("piazza", "10 4\n5\n0 8 2\n6 8 0\n", "2\n"));
  EXPECT_TRUE(Produces("piazza", "10 4\n3\n0 8 2\n0 8\n", "1\n"));
  EXPECT_TRUE(Produces("piazza", "10 4\n2147483647\n0 8 2 x 6 8 0\n", "1\n"));
  EXPECT_TRUE(Produces("piazza", "10 4\n-1\n0 8 2\n", "0\n"));
  EXPECT_TRUE(Produces("piazza", "", "0\n"));
}

}  // namespace
