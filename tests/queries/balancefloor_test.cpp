#include <cstdint>
#include <string>
#include <vector>

#include "support/runner.hpp"

namespace {

using suite::Produces;

// n, the values, q, then the operations given as already written lines.
std::string input_of(const std::vector<long long>& values, const std::vector<std::string>& ops) {
  std::string in = std::to_string(values.size()) + "\n";
  for (long long v : values) in += std::to_string(v) + " ";
  in += "\n" + std::to_string(ops.size()) + "\n";
  for (const std::string& op : ops) in += op + "\n";
  return in;
}

TEST(Balancefloor, RaisesAndAssignments) {
  EXPECT_TRUE(Produces("balancefloor", input_of({7}, {}), "7\n"));
  EXPECT_TRUE(Produces("balancefloor", input_of({1, 5, 3}, {"0 4"}), "4 5 4\n"));
  EXPECT_TRUE(Produces("balancefloor", input_of({1, 5, 3}, {"1 2 0", "0 2"}), "2 2 3\n"));
  EXPECT_TRUE(Produces("balancefloor", input_of({1, 5, 3}, {"2 -9", "1 4 99"}), "1 5 3\n"));
  // Every type but 1 raises: 0, 2, 3, -1, and the 32-bit extremes.
  EXPECT_TRUE(Produces("balancefloor",
                       input_of({0, 0, 0, 0, 0}, {"1 1 9", "3 1", "1 2 9", "-1 2", "1 3 9", "2147483647 3",
                                                  "1 4 9", "-2147483648 4"}),
                       "9 9 9 9 4\n"));
  // The type keeps the low 32 bits of its number: 2^32 + 1 assigns.
  EXPECT_TRUE(Produces("balancefloor", input_of({1, 5}, {"4294967297 1 9", "0 2"}), "9 5\n"));
}

TEST(Balancefloor, AssignmentAfterRaiseIsLiftedOnlyByLaterRaises) {
  // The earlier floor 10 does not reach the 4 stored after it; the later 6
  // lifts it and nothing else; the 8 is below no later floor.
  EXPECT_TRUE(Produces("balancefloor", input_of({1, 5, 3}, {"0 10", "1 2 4", "1 3 8", "2 6"}),
                       "10 6 8\n"));
  // A store after the last raise stands as stored, even the lowest value.
  EXPECT_TRUE(Produces("balancefloor",
                       input_of({1, 2}, {"0 9223372036854775807", "1 1 -9223372036854775808"}),
                       "-9223372036854775808 9223372036854775807\n"));
}

TEST(Balancefloor, PositionIsLow32BitsOfPMinusOne) {
  // p = 2^32 + 1 stores at index 0; p = n + 1 and every index outside the
  // array (0, negative, beyond the capacity) change nothing written.
  EXPECT_TRUE(Produces("balancefloor",
                       input_of({1, 2}, {"1 4294967297 5", "1 3 7", "1 0 7", "1 -5 7", "1 200006 7",
                                         "1 -9223372036854775808 7", "1 2147483649 7"}),
                       "5 2\n"));
}

TEST(Balancefloor, OutOfRangeInputIsSafe) {
  EXPECT_TRUE(Produces("balancefloor", "0\n2\n0 5\n", "\n"));
  EXPECT_TRUE(Produces("balancefloor", "-4\n1 2 3\n", "\n"));
  EXPECT_TRUE(Produces("balancefloor", "2\n3 4\n-1\n0 9\n", "3 4\n"));
  // Input that ends early: missing values are 0, a partial operation is not applied.
  EXPECT_TRUE(Produces("balancefloor", "4\n3 -1", "3 -1 0 0\n"));
  EXPECT_TRUE(Produces("balancefloor", "2\n3 4\n5\n0 4\n1 1", "4 4\n"));
  // Beyond the capacity every value is kept.
  std::vector<long long> big(200010, -1);
  big.back() = 7;
  std::string want;
  for (size_t i = 0; i + 1 < big.size(); ++i) want += "3 ";
  EXPECT_TRUE(Produces("balancefloor", input_of(big, {"0 3"}), want + "7\n"));
}

// Sizes from 1 to the capacity, values, floors and types across their
// types, assignments at both ends of the positions and past the array, and
// runs of equal floors.
TEST(Balancefloor, MatchesLiteralModel) {
  suite::Rng rng(17);
  const int64_t min64 = INT64_MIN, max64 = INT64_MAX;
  for (int round = 0; round < 150; ++round) {
    bool big = rng.chance(4);
    std::vector<long long> values(big ? rng.pick(1, 200005) : rng.pick(1, 16));
    for (long long& v : values) v = rng.pick(min64, max64);
    std::vector<std::string> ops(big ? rng.pick(0, 8) : rng.pick(0, 40));
    int assign_share = int(rng.range(20, 80));
    for (std::string& op : ops) {
      int64_t n = values.size();
      int64_t type = rng.chance(assign_share) ? 1 : rng.chance(50) ? rng.pick(-2, 3) : rng.pick(INT32_MIN, INT32_MAX);
      op = std::to_string(type) + " ";
      if (type == 1) op += std::to_string(rng.chance(70) ? rng.pick(1, n + 1) : rng.pick(1, 200005)) + " ";
      op += std::to_string(rng.pick(min64, max64));
    }
    std::string in = input_of(values, ops);
    ASSERT_TRUE(suite::MatchesModel("balancefloor", in)) << in.substr(0, 200);
  }
}

}  // namespace
