#include "support/runner.hpp"

namespace {

using suite::Produces;

TEST(Spancover, CountHasNoNewlineButMinusOneHas) {
  EXPECT_TRUE(Produces("spancover", "0 0\n", "0"));
  EXPECT_TRUE(Produces("spancover", "2 -5\n1 3\n4 6\n", "0"));
  EXPECT_TRUE(Produces("spancover", "0 1\n", "-1\n"));
  EXPECT_TRUE(Produces("spancover", "2 6\n1 3\n4 6\n", "2"));
  EXPECT_TRUE(Produces("spancover", "2 6\n1 3\n5 6\n", "-1\n"));
  EXPECT_TRUE(Produces("spancover", "2 6\n2 3\n3 6\n", "-1\n"));
}

TEST(Spancover, GreedyTakesTheFurthestReach) {
  EXPECT_TRUE(Produces("spancover", "3 10\n1 3\n2 5\n1 10\n", "1"));
  EXPECT_TRUE(Produces("spancover", "2 50\n3 100\n1 4\n", "2"));
  // Starts at or below 0 count as starting before position 1.
  EXPECT_TRUE(Produces("spancover", "2 8\n-7 2\n0 4\n", "-1\n"));
  EXPECT_TRUE(Produces("spancover", "2 8\n-7 2\n3 8\n", "2"));
  // Duplicates and contained intervals do not raise the count.
  EXPECT_TRUE(Produces("spancover", "6 9\n1 5\n1 5\n2 4\n6 9\n7 8\n6 9\n", "2"));
  // An interval read end first reaches as far as its end alone.
  EXPECT_TRUE(Produces("spancover", "2 6\n1 3\n6 2\n", "-1\n"));
  EXPECT_TRUE(Produces("spancover", "2 6\n1 3\n4 2\n", "-1\n"));
  EXPECT_TRUE(Produces("spancover", "3 6\n1 3\n4 2\n2 6\n", "2"));
  // A chain of one-position steps.
  std::string chain = "1000 1000\n";
  for (int i = 1000; i >= 1; --i) chain += std::to_string(i) + " " + std::to_string(i) + "\n";
  EXPECT_TRUE(Produces("spancover", chain, "1000"));
}

TEST(Spancover, EndAtTheLargestPosition) {
  EXPECT_TRUE(Produces("spancover", "1 2147483647\n1 2147483647\n", "1"));
  EXPECT_TRUE(Produces("spancover", "2 2147483647\n-2147483648 5\n6 2147483647\n", "2"));
  EXPECT_TRUE(Produces("spancover", "2 2147483647\n1 5\n6 2147483646\n", "-1\n"));
}

TEST(Spancover, OutOfContractInput) {
  // 40,000 intervals of two positions each, given in reverse.
  std::string many = "40000 80000\n";
  for (int i = 40000; i >= 1; --i) many += std::to_string(2 * i - 1) + " " + std::to_string(2 * i) + "\n";
  EXPECT_TRUE(Produces("spancover", many, "40000"));
  // Input ending early: the missing intervals cover nothing.
  EXPECT_TRUE(Produces("spancover", "5 4\n1 2\n3", "-1\n"));
  EXPECT_TRUE(Produces("spancover", "5 4\n1 2\n3 4", "2"));
  EXPECT_TRUE(Produces("spancover", "2147483647 3\n1 3\n", "1"));
}

}  // namespace
