#include <algorithm>
#include <string>
#include <vector>

#include "search/gap_oracle.hpp"
#include "support/runner.hpp"

namespace {

using gaps::input_of;
using suite::Produces;

TEST(Stallgap, PositionsAtThe64BitLimits) {
  // The midpoint of two large bounds and a gap beyond 2^63 are both exact.
  EXPECT_TRUE(Produces("stallgap", input_of({9223372036854775807, 9223372036854775000}, 2),
                       "9223372036854774999\n"));
  EXPECT_TRUE(Produces("stallgap", input_of({-9000000000000000000, 9000000000000000000}, 2),
                       "9000000000000000000\n"));
  EXPECT_TRUE(Produces("stallgap", input_of({-9223372036854775807 - 1, -9223372036854775807}, 2),
                       "-9223372036854775807\n"));
  // The smallest position minus 1 wraps from the smallest 64-bit value.
  EXPECT_TRUE(Produces("stallgap", input_of({-9223372036854775807 - 1, 5}, 3), "9223372036854775807\n"));
}

TEST(Stallgap, OutsideTheContract) {
  // No positions leave the single position 0; unread positions are 0.
  for (auto [in, want] : {std::pair{"0 1\n", "0\n"}, {"-2 2\n7 8\n", "-1\n"}, {"", "0\n"}, {"5 3\n1 2", "1\n"}})
    EXPECT_TRUE(Produces("stallgap", in, want)) << in;
  // Beyond the capacity every position is kept: N positions 1 .. N take all N at gap 1.
  std::vector<long long> line(100010);
  for (size_t i = 0; i < line.size(); ++i) line[i] = (long long)(line.size() - i);
  EXPECT_TRUE(Produces("stallgap", input_of(line, 100010), "1\n"));
}

// The best gap, cut to the interval [smallest, largest position]: every d
// works when c <= 1, none when c exceeds the count (then smallest - 1).
TEST(Stallgap, MatchesEveryGapTried) {
  suite::Rng rng(37);
  for (int round = 0; round < 150; ++round) {
    auto [pos, c] = gaps::random_case(rng, 30);
    long long first = *std::min_element(pos.begin(), pos.end());
    long long last = *std::max_element(pos.begin(), pos.end());
    long long d = c <= 1 ? last : c > (long long)pos.size() ? first - 1 : gaps::best_gap(pos, c);
    long long want = d < first ? first - 1 : std::min(d, last);
    std::string in = input_of(pos, c);
    ASSERT_TRUE(Produces("stallgap", in, std::to_string(want) + "\n")) << in;
  }
}

// Hundreds of positions, negative ones and repeats among them, against the
// bisection done literally: the sum of the bounds halved toward zero, and
// every check a greedy walk over all positions.
TEST(Stallgap, MatchesLiteralBisection) {
  suite::Rng rng(38);
  for (int round = 0; round < 40; ++round) {
    std::vector<long long> pos(rng.range(256, 2000));
    long long spread = rng.chance(50) ? 1000 : 1000000000000;
    for (long long& p : pos) p = rng.range(-spread, spread);
    long long c = rng.chance(10) ? rng.range(-1, 2) : rng.range(2, 300);
    std::vector<long long> sorted = pos;
    std::sort(sorted.begin(), sorted.end());
    long long lo = sorted.front(), hi = sorted.back();
    while (lo <= hi) {
      long long mid = (lo + hi) / 2, placed = 1, last = sorted[0];
      for (size_t i = 1; i < sorted.size(); ++i)
        if (sorted[i] - last >= mid) ++placed, last = sorted[i];
      if (placed >= c) lo = mid + 1;
      else hi = mid - 1;
    }
    std::string in = input_of(pos, c);
    ASSERT_TRUE(Produces("stallgap", in, std::to_string(hi) + "\n")) << in.substr(0, 200);
  }
}

}  // namespace
