#include <cstdint>
#include <cstdlib>
#include <string>

#include "support/runner.hpp"

namespace {

using suite::Produces;

TEST(Gridpairs, FormulaValuesInEitherOrder) {
  EXPECT_TRUE(Produces("gridpairs", "2 2\n1 1\n1 5\n2 3\n3 2\n3 3\n8 8\n100 1000\n1000000 1000000\n0 0\n",
                       "12\n0\n20\n26\n26\n56\n1456\n128933400\n3333329333334000000\n"));
}

TEST(Gridpairs, NegativeAndWrappingDimensions) {
  // The division by 3 truncates the wrapped product toward zero.
  EXPECT_TRUE(Produces("gridpairs",
                       "-2 3\n-5 -7\n3000000 5000000\n2000000 2000000\n"
                       "9223372036854775807 -9223372036854775808\n0 1\n",
                       "46\n-826\n7532499262906483840\n-4077922789514586026\n-9223372036854775808\n"));
}

TEST(Gridpairs, ZeroOrFailedReadEndsTheRun) {
  EXPECT_TRUE(Produces("gridpairs", "2 2\n0 5\n2 2\n", "12\n"));
  EXPECT_TRUE(Produces("gridpairs", "2 2\n7 0\n2 2\n", "12\n"));
  EXPECT_TRUE(Produces("gridpairs", "2 2\nx 3\n", "12\n"));
  // A number glued to other bytes is no number: nothing of it is read.
  EXPECT_TRUE(Produces("gridpairs", "2 2\n3x 4\n", "12\n"));
  EXPECT_TRUE(Produces("gridpairs", "2 2\n3 3\n", "12\n56\n"));
  // A lone last number pairs with the previous second value: 3 2.
  EXPECT_TRUE(Produces("gridpairs", "2 2\n3", "12\n26\n"));
  EXPECT_TRUE(Produces("gridpairs", "5", ""));
}

// The input is read 65536 bytes at a time: a number cut by that edge is one
// number, whichever digit the edge falls after.
TEST(Gridpairs, NumbersAcrossTheBlockEdge) {
  for (int shift = 1; shift <= 16; ++shift)
    EXPECT_TRUE(Produces("gridpairs", std::string(65536 - shift, ' ') + "1000000 1000000\n0 0\n",
                         "3333329333334000000\n"))
        << shift;
}

// For positive dimensions: ordered pairs of distinct cells sharing a row, a
// column or a diagonal, counted cell by cell.
TEST(Gridpairs, CountsAlignedCellPairs) {
  std::string in, out;
  for (int rows = 1; rows <= 12; ++rows)
    for (int cols = 1; cols <= 12; ++cols) {
      int64_t pairs = 0;
      for (int r1 = 0; r1 < rows; ++r1)
        for (int c1 = 0; c1 < cols; ++c1)
          for (int r2 = 0; r2 < rows; ++r2)
            for (int c2 = 0; c2 < cols; ++c2)
              if ((r1 != r2 || c1 != c2) &&
                  (r1 == r2 || c1 == c2 || std::abs(r1 - r2) == std::abs(c1 - c2)))
                ++pairs;
      in += std::to_string(rows) + " " + std::to_string(cols) + "\n";
      out += std::to_string(pairs) + "\n";
    }
  EXPECT_TRUE(Produces("gridpairs", in + "0 0\n", out));
}

}  // namespace
