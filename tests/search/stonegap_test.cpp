#include <string>
#include <vector>

#include "search/gap_oracle.hpp"
#include "support/runner.hpp"

namespace {

using gaps::input_of;
using suite::Produces;

TEST(Stonegap, PositionsAtThe64BitLimits) {
  // Gaps above 2^63 are exact; a span beyond the signed range is searched up
  // to 2^63 - 1; bounds near 2^63 take their midpoint without overflow.
  EXPECT_TRUE(Produces("stonegap", input_of({-9000000000000000000, 0, 9000000000000000000}, 3),
                       "9000000000000000000\n"));
  EXPECT_TRUE(Produces("stonegap", input_of({-9000000000000000000, 9000000000000000000}, 2),
                       "9223372036854775807\n"));
  EXPECT_TRUE(Produces("stonegap", input_of({9223372036854775807, 4611686018427387904, 0}, 3),
                       "4611686018427387903\n"));
}

TEST(Stonegap, OutsideTheContract) {
  // No positions leave the single position 0; unread positions are 0.
  for (auto [in, want] : {std::pair{"0 1\n", "0\n"}, {"-5 2\n7 8\n", "-1\n"}, {"", "0\n"},
                          {"5 2\n7 9", "9\n"}, {"4 4\n7 x 9", "0\n"},
                          // A token that is not a number ends the input: B stays 0.
                          {"3 - 7 1 2\n", "0\n"}, {"3 +-7 1 2\n", "0\n"}})
    EXPECT_TRUE(Produces("stonegap", in, want)) << in;
  // Beyond the capacity every position is kept: A positions 0 .. A-1 keep all A at gap 1.
  std::vector<long long> line(1000010);
  for (size_t i = 0; i < line.size(); ++i) line[i] = (long long)(line.size() - i) - 1;
  EXPECT_TRUE(Produces("stonegap", input_of(line, 1000010), "1\n"));
}

// Against the literal model: counts from negative to the capacity, every
// number to keep, positions at the 64-bit ends.
TEST(Stonegap, MatchesModel) {
  suite::Rng rng(31);
  for (int round = 0; round < 120; ++round) {
    long long n = round == 0 ? 1000005 : rng.pick(-3, rng.chance(10) ? 3000 : 30);
    std::string in = gaps::random_input(rng, n, false);
    ASSERT_TRUE(suite::MatchesModel("stonegap", in)) << in.substr(0, 200);
  }
}

}  // namespace
