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
                          // A sign without digits where B stands: B stays 0 and the
                          // positions are read from the byte after the sign.
                          {"3 - 7 1 2\n", "6\n"}, {"3 +-7 1 2\n", "9\n"}})
    EXPECT_TRUE(Produces("stonegap", in, want)) << in;
  // Beyond the capacity every position is kept: A positions 0 .. A-1 keep all A at gap 1.
  std::vector<long long> line(1000010);
  for (size_t i = 0; i < line.size(); ++i) line[i] = (long long)(line.size() - i) - 1;
  EXPECT_TRUE(Produces("stonegap", input_of(line, 1000010), "1\n"));
}

// Bounds 0 and the span: every d works when k <= 1 (the span), none when k
// exceeds the count (-1).
TEST(Stonegap, MatchesEveryGapTried) {
  suite::Rng rng(31);
  for (int round = 0; round < 150; ++round) {
    auto [pos, k] = gaps::random_case(rng, 60);
    std::string in = input_of(pos, k);
    ASSERT_TRUE(Produces("stonegap", in, std::to_string(gaps::best_gap(pos, k)) + "\n")) << in;
  }
}

}  // namespace
