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

// Against the literal model: counts from negative to the capacity and
// beyond 32 bits, every number to place, positions at the 64-bit ends.
TEST(Stallgap, MatchesModel) {
  suite::Rng rng(37);
  for (int round = 0; round < 200; ++round) {
    long long n = round == 0 ? 100005 : rng.pick(-3, rng.chance(10) ? 3000 : 30);
    std::string in = gaps::random_input(rng, n, true);
    ASSERT_TRUE(suite::MatchesModel("stallgap", in)) << in.substr(0, 200);
  }
}

}  // namespace
