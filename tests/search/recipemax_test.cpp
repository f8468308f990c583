#include <string>

#include "support/runner.hpp"

namespace {

using suite::Produces;
using namespace std::string_literals;

const std::string kAll = "10000000000002\n";

TEST(Recipemax, CopiesWithinStockAndMoney) {
  EXPECT_TRUE(Produces("recipemax", "BSC\n0 0 0\n1 1 1\n3\n", "1\n"));
  EXPECT_TRUE(Produces("recipemax", "BBBSSC\n3 2 1\n1 2 3\n1000\n", "101\n"));
  EXPECT_TRUE(Produces("recipemax", "BBBSSC\n3 2 1\n1 2 3\n999\n", "100\n"));
  EXPECT_TRUE(Produces("recipemax", "BS\n4 2 0 5 5 5 0\n", "2\n"));
  EXPECT_TRUE(Produces("recipemax", "BSC\n0 0 0 1 1 1 2\n", "0\n"));
  // Nothing to buy: every count passes, whatever the money.
  EXPECT_TRUE(Produces("recipemax", "\n1 1 1 1 1 1 -5\n", kAll));
  EXPECT_TRUE(Produces("recipemax", "xyz\n1 1 1 1 1 1 1\n", kAll));
  EXPECT_TRUE(Produces("recipemax", "B\n100 0 0 1 1 1 -5\n", "100\n"));
  // S is not in the recipe: its negative stock is never bought.
  EXPECT_TRUE(Produces("recipemax", "B\n10 -5 0 1 1 1 0\n", "10\n"));
}

// B, then S, then C, with the money tested after each purchase: a negative
// price pays money in, which helps only an ingredient settled after it.
TEST(Recipemax, SettlingOrder) {
  EXPECT_TRUE(Produces("recipemax", "SB\n0 0 0 -10 5 0 0\n", kAll));
  EXPECT_TRUE(Produces("recipemax", "BS\n0 0 0 5 -10 0 0\n", "0\n"));
  EXPECT_TRUE(Produces("recipemax", "C\n0 0 0 -10 -10 1 3\n", "3\n"));
}

TEST(Recipemax, RecipeLine) {
  // Lower case, blanks, tabs, a 0xFF byte: skipped, and the line goes on.
  EXPECT_TRUE(Produces("recipemax", "b B\t\xff"s "b\n2 0 0 1 1 1 3\n", "5\n"));
  EXPECT_TRUE(Produces("recipemax", "\xff" "BB\n0 0 0 1 1 1 6\n", "3\n"));
  // '\r' and a zero byte end the line; the numbers begin right after them,
  // so letters there are a token that is not a number (all numbers 0).
  EXPECT_TRUE(Produces("recipemax", "B\r\n5 0 0 1 1 1 0\n", "5\n"));
  EXPECT_TRUE(Produces("recipemax", "BB\0 9 0 0 1 1 1 1\n"s, "5\n"));
  EXPECT_TRUE(Produces("recipemax", "B\rBBB\n5 0 0 1 1 1 0\n", kAll));
  EXPECT_TRUE(Produces("recipemax", "BB\0BBB 9 0 0 1 1 1 1\n"s, kAll));
}

TEST(Recipemax, NumbersByStreamExtraction) {
  // A missing number, or one that is not a number, is 0 with all after it.
  EXPECT_TRUE(Produces("recipemax", "B\n4 0 0 1", "4\n"));
  EXPECT_TRUE(Produces("recipemax", "B\n4 0 0 1 1 1 x 9\n", "4\n"));
  // Beyond the 64-bit range: the limit, and the stream fails there, so the
  // price and the money of B after it are 0 and every count is affordable.
  EXPECT_TRUE(Produces("recipemax", "B\n0 99999999999999999999 0 1 1 1 7\n", kAll));
  // Input ending inside the recipe line: all numbers 0, nothing costs money.
  EXPECT_TRUE(Produces("recipemax", "BSC", kAll));
  EXPECT_TRUE(Produces("recipemax", "", kAll));
}

// 2^21 letters B, no stock, price 1, no money: x * 2^21 passes 2^63 at
// x = 2^42, so the wrapped shortfall turns positive and nothing is bought,
// and it reaches 2^64 at x = 2^43, where it wraps to 0; one copy more is
// short by 2^21 again. The search settles on 2^43.
TEST(Recipemax, ProductsWrapAt64Bits) {
  std::string in(1 << 21, 'B');
  EXPECT_TRUE(Produces("recipemax", in + "\n0 0 0 1 0 0 0\n", "8796093022208\n"));
}

}  // namespace
