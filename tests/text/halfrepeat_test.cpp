#include "support/runner.hpp"

namespace {

using suite::Produces;

TEST(Halfrepeat, LargestRepeatedHalfWins) {
  EXPECT_TRUE(Produces("halfrepeat", "1\na\n", "1\n"));
  EXPECT_TRUE(Produces("halfrepeat", "7\nabcabca\n", "5\n"));
  EXPECT_TRUE(Produces("halfrepeat", "8\nabababab\n", "5\n"));
  EXPECT_TRUE(Produces("halfrepeat", "4\naaaa\n", "3\n"));
  EXPECT_TRUE(Produces("halfrepeat", "5\nabcde\n", "5\n"));
  // k = 3 matches before the smaller k = 1 is reached.
  EXPECT_TRUE(Produces("halfrepeat", "6\naabaab\n", "4\n"));
  EXPECT_TRUE(Produces("halfrepeat", "9 abaabaxyz", "7\n"));
}

TEST(Halfrepeat, NGivenSetsTheRange) {
  // Characters beyond 2 * (n / 2) take no part.
  EXPECT_TRUE(Produces("halfrepeat", "2\naab\n", "2\n"));
  EXPECT_TRUE(Produces("halfrepeat", "3\nabab\n", "3\n"));
  // n / 2 beyond the string: the halves past its end do not match.
  EXPECT_TRUE(Produces("halfrepeat", "10\nabab\n", "9\n"));
  EXPECT_TRUE(Produces("halfrepeat", "2147483647\nxx\n", "2147483647\n"));
  EXPECT_TRUE(Produces("halfrepeat", "6\n", "6\n"));
}

TEST(Halfrepeat, NegativeOrUnreadNRunsNoSearch) {
  EXPECT_TRUE(Produces("halfrepeat", "-5\naaaa\n", "0\n"));
  EXPECT_TRUE(Produces("halfrepeat", "-4\naaaa\n", "1\n"));
  EXPECT_TRUE(Produces("halfrepeat", "-1\na\n", "-1\n"));
  EXPECT_TRUE(Produces("halfrepeat", "-2147483648\naa\n", "1\n"));
  EXPECT_TRUE(Produces("halfrepeat", "", "0\n"));
  EXPECT_TRUE(Produces("halfrepeat", "abc 4\n", "0\n"));
}

TEST(Halfrepeat, MatchesModelOnRandomStrings) {
  suite::Rng rng(71);
  for (int i = 0; i < 300; ++i) {
    int len = int(rng.range(1, 40));
    int letters = int(rng.range(1, 3));
    std::string str;
    // Repeating a short random seed makes matches common.
    std::string seed;
    for (int j = int(rng.range(1, 6)); j > 0; --j) seed += char('a' + rng.range(0, letters - 1));
    while (int(str.size()) < len)
      str += rng.chance(80) ? seed[str.size() % seed.size()] : char('a' + rng.range(0, letters - 1));
    int n = rng.chance(80) ? len : int(rng.range(-3, 50));
    std::string input = std::to_string(n) + "\n" + str + "\n";
    ASSERT_TRUE(suite::MatchesModel("halfrepeat", input)) << input;
  }
}

TEST(Halfrepeat, LongStrings) {
  // No match anywhere: the only 'b' is at the front.
  std::string none = "b" + std::string(599999, 'a');
  EXPECT_TRUE(Produces("halfrepeat", "600000\n" + none + "\n", "600000\n"));
  suite::Rng rng(72);
  std::string half;
  for (int i = 0; i < 300000; ++i) half += char('a' + rng.range(0, 1));
  EXPECT_TRUE(Produces("halfrepeat", "600001\n" + half + half + "c\n", "300002\n"));
  // Candidates that fail late, one after another: only a run of a's at the
  // front, a half of at most m / 2, repeats.
  std::string run(200000, 'a');
  EXPECT_TRUE(Produces("halfrepeat", "400002\n" + run + "b" + run + "c\n", "300003\n"));
}

}  // namespace
