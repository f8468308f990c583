#include <algorithm>
#include <string>
#include <vector>

#include "search/gap_oracle.hpp"
#include "support/runner.hpp"

namespace {

using gaps::input_of;
using suite::Produces;

// The interval is [smallest, largest position]: the best gap is cut to the
// largest position, and falls to the smallest minus 1 when it lies below.
long long stall_answer(std::vector<long long> pos, long long c) {
  long long low = *std::min_element(pos.begin(), pos.end());
  long long high = *std::max_element(pos.begin(), pos.end());
  if (c <= 1) return high;
  if (c > (long long)pos.size()) return low - 1;
  long long d = gaps::best_gap(pos, c);
  return d < low ? low - 1 : std::min(d, high);
}

TEST(Stallgap, SmallInstances) {
  const std::vector<long long> five = {1, 2, 8, 4, 9};
  EXPECT_TRUE(Produces("stallgap", input_of(five, 1), "9\n"));  // the largest position
  EXPECT_TRUE(Produces("stallgap", input_of(five, 6), "0\n"));  // the smallest minus 1
  EXPECT_TRUE(Produces("stallgap", input_of({0, 3}, 2), "3\n"));
  EXPECT_TRUE(Produces("stallgap", input_of({5}, 1), "5\n"));
  EXPECT_TRUE(Produces("stallgap", input_of({5}, 2), "4\n"));
  EXPECT_TRUE(Produces("stallgap", input_of({10, 11, 13}, 2), "9\n"));
  EXPECT_TRUE(Produces("stallgap", input_of({4, 4, 4, 9}, 4), "3\n"));
  // Negative positions: the bounds are the positions themselves.
  EXPECT_TRUE(Produces("stallgap", input_of({-10, -4}, 2), "-4\n"));
  EXPECT_TRUE(Produces("stallgap", input_of({-10, -4, -4}, 3), "-4\n"));  // d <= 0 places on all
  EXPECT_TRUE(Produces("stallgap", input_of({-9, 3, -3}, 3), "3\n"));
}

TEST(Stallgap, PositionsAtThe64BitLimits) {
  // The midpoint of two large bounds and a gap beyond 2^63 are both exact.
  EXPECT_TRUE(Produces("stallgap", input_of({9223372036854775807, 9223372036854775000}, 2),
                       "9223372036854774999\n"));
  EXPECT_TRUE(Produces("stallgap", input_of({9223372036854775807, 9223372036854775000}, 1),
                       "9223372036854775807\n"));
  EXPECT_TRUE(Produces("stallgap", input_of({-9000000000000000000, 9000000000000000000}, 2),
                       "9000000000000000000\n"));
  EXPECT_TRUE(Produces("stallgap", input_of({-9223372036854775807 - 1, -9223372036854775807}, 2),
                       "-9223372036854775807\n"));
  // The smallest position minus 1 wraps from the smallest 64-bit value.
  EXPECT_TRUE(Produces("stallgap", input_of({-9223372036854775807 - 1, 5}, 3), "9223372036854775807\n"));
}

TEST(Stallgap, OutsideTheContract) {
  EXPECT_TRUE(Produces("stallgap", "0 1\n", "0\n"));
  EXPECT_TRUE(Produces("stallgap", "-2 2\n7 8\n", "-1\n"));
  EXPECT_TRUE(Produces("stallgap", "", "0\n"));
  EXPECT_TRUE(Produces("stallgap", "5 3\n1 2", "1\n"));  // the unread positions are 0
  std::vector<long long> line(100010);
  for (size_t i = 0; i < line.size(); ++i) line[i] = (long long)(line.size() - i);
  EXPECT_TRUE(Produces("stallgap", input_of(line, 100010), "1\n"));
}

TEST(Stallgap, MatchesEveryGapTried) {
  suite::Rng rng(37);
  for (int round = 0; round < 150; ++round) {
    std::vector<long long> pos(rng.range(1, 14));
    long long low = rng.range(-60, 30), width = rng.range(0, 80);
    for (long long& p : pos) p = low + rng.range(0, width);
    long long c = rng.range(-1, (long long)pos.size() + 2);
    std::string in = input_of(pos, c);
    ASSERT_TRUE(Produces("stallgap", in, std::to_string(stall_answer(pos, c)) + "\n")) << in;
  }
}

}  // namespace
