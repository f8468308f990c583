#include <string>

#include "support/runner.hpp"

namespace {

using suite::Produces;

TEST(Trianglepath, SmallTriangles) {
  EXPECT_TRUE(Produces("trianglepath", "0\n5\n1 2\n", ""));
  EXPECT_TRUE(Produces("trianglepath", "1\n1\n7\n", "7\n"));
  EXPECT_TRUE(Produces("trianglepath", "1\n0\n", "0\n"));
  EXPECT_TRUE(Produces("trianglepath", "1\n2\n1\n2 3\n", "4\n"));
  EXPECT_TRUE(Produces("trianglepath", "1\n2\n1\n-5 -2\n", "-1\n"));
  EXPECT_TRUE(Produces("trianglepath", "1\n-3\n", "0\n"));
  // Only T cases are read.
  EXPECT_TRUE(Produces("trianglepath", "1\n1\n7\n1\n9\n", "7\n"));
}

TEST(Trianglepath, CasesDoNotShareEntries) {
  // The first case's wide bottom row must not reach the second, smaller case.
  EXPECT_TRUE(Produces("trianglepath", "2\n3\n1\n1 1\n100 100 100\n2\n-1\n-2 -3\n", "102\n-3\n"));
}

TEST(Trianglepath, SumsWrapAndCompareSigned) {
  // 2^63 - 1 plus 1 wraps to the most negative value; the wrapped sum is then
  // compared as a signed value, so the path through the small entry wins.
  EXPECT_TRUE(Produces("trianglepath", "1\n3\n0\n9223372036854775807 5\n1 0 0\n",
                       "5\n"));
  EXPECT_TRUE(Produces("trianglepath", "1\n2\n9223372036854775807\n1 1\n",
                       "-9223372036854775808\n"));
}

TEST(Trianglepath, LargerThanTheTable) {
  // 150 rows, entry (i, j) holding j: the best path keeps to the right edge
  // and sums 1 + 2 + ... + 150.
  std::string in = "1\n150\n";
  for (int i = 1; i <= 150; ++i)
    for (int j = 1; j <= i; ++j) in += std::to_string(j) + (j < i ? " " : "\n");
  EXPECT_TRUE(Produces("trianglepath", in, "11325\n"));
}

TEST(Trianglepath, InputEndingEarly) {
  // The unread entries of the case in progress count as 0; missing cases write nothing.
  EXPECT_TRUE(Produces("trianglepath", "3\n1\n7\n3\n1\n2 5\n", "7\n6\n"));
  EXPECT_TRUE(Produces("trianglepath", "3\n1\n7\n3\n-1\n-2\n", "7\n-1\n"));
  EXPECT_TRUE(Produces("trianglepath", "2\n3\n1\n-4 x 9\n", "1\n"));
  EXPECT_TRUE(Produces("trianglepath", "2147483647\n1\n4\n", "4\n"));
}

// Random cases against the literal fixed-table fold, many cases per run, with
// values from small to the 64-bit limits so that sums wrap.
TEST(Trianglepath, MatchesModel) {
  suite::Rng rng(11);
  for (int run = 0; run < 30; ++run) {
    int cases = int(rng.range(1, 12));
    std::string in = std::to_string(cases) + "\n";
    for (int c = 0; c < cases; ++c) {
      int n = int(rng.range(0, 104));
      bool huge = rng.chance(30);
      in += std::to_string(n) + "\n";
      for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= i; ++j) {
          long long v = huge ? (long long)rng.bits() : rng.range(-1000, 1000);
          in += std::to_string(v) + (j == i ? "\n" : " ");
        }
    }
    ASSERT_TRUE(suite::MatchesModel("trianglepath", in)) << in.substr(0, 200);
  }
}

}  // namespace
